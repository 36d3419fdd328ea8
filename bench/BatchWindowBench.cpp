// Convert All of the Convert Several Photos window, driven headless as a user would drive it:
// the photos listed, exactly W x H, replacing what is there, into OUTPUT_DIR. bench/batch.sh times
// the whole process beside the command line's.
//
//   pictorelle_batch_window_bench WIDTH HEIGHT OUTPUT_DIR PHOTO...
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include "app/window/ConvertSeveralWindow.h"
#include "app/window/PhotoListModel.h"
#include "bench/PhotoOnlyPrompts.h"
#include "imaging/ImagingRuntime.h"
#include "services/Prompts.h"

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT OUTPUT_DIR PHOTO...\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The run's settings stay out of the user's own.
    const QTemporaryDir home;
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", home.path().toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    if (!platform::StartImaging(argv[0]))
        return 1;
    auto prompts = std::make_unique<PhotoOnlyPrompts>(QString());
    PhotoOnlyPrompts& said = *prompts;
    platform::InstallPrompts(std::move(prompts));
    int status = 0;
    {
        ConvertSeveralWindow window;
        SeveralPhotosChoices choices;
        choices.size = {SizeRule::Mode::Exact, std::atoi(argv[1]), std::atoi(argv[2]), false};
        choices.outputFolder = QString::fromLocal8Bit(argv[3]);
        choices.replace = true;
        window.ShowChoices(choices);
        QStringList photos;
        for (int i = 4; i < argc; ++i)
            photos << QString::fromLocal8Bit(argv[i]);
        window.AddPaths(photos);
        window.show();
        window.ConvertAllButton()->click();
        while (window.Converting()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            QThread::msleep(5);
        }
        const QString summary = window.Summary()->text();
        std::printf("%s\n", summary.toLocal8Bit().constData());
        status = said.failed || !summary.startsWith(QString::number(photos.size()) + QStringLiteral(" converted")) ? 1 : 0;
    }
    platform::InstallPrompts(nullptr);
    platform::StopImaging();
    return status;
}
