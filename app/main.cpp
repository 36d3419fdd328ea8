#include <QApplication>
#include <QGuiApplication>
#include <cstdio>

#include "app/cli/CommandLine.h"
#include "app/cli/CommandLineConversion.h"
#include "app/cli/UsageText.h"
#include "app/window/COrvanelApp.h"
#include "app/window/PhotoArgument.h"
#include "lang/CLanguage.h"
#include "lang/UserLanguage.h"
#include "platform/imaging/ImagingRuntime.h"
#include "platform/ui/QtPrompts.h"

namespace {

QStringList ArgumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void PrintTo(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The window: Qt takes its own options (-platform, -style) from the arguments first.
int RunWindow(int argc, char* argv[])
{
    QApplication qt(argc, argv);
    platform::InstallPrompts(std::make_unique<platform::QtPrompts>());
    if (!platform::StartImaging(argv[0])) {
        std::fprintf(stderr, "pictorelle: the imaging library could not start\n");
        return 1;
    }
    {
        COrvanelApp app;
        app.InitInstance(PhotoArgument(qt.arguments()));
    }
    platform::StopImaging();
    return 0;
}

// No window, so it runs without a display: over SSH, in a container, in a script. Qt sees none of
// the arguments, which are all ours (a photo may be named "-platform").
int RunCommandLine(const CommandLine& line, char* argv0)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the missing desktop session (no runtime folder, no display) would read
    // as errors in a script's output; only its real failures are let through.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            PrintTo(stderr, QStringLiteral("pictorelle: %1\n").arg(message));
    });
    int qtArgc = 1;
    char* qtArgv[] = {argv0, nullptr};
    QGuiApplication qt(qtArgc, qtArgv);
    LoadUserLanguage();
    if (line.mode == CommandLine::Mode::Invalid) {
        const QString message = line.error.messageId ? theLanguage.GetString(line.error.messageId) : line.error.text;
        PrintTo(stderr, QStringLiteral("pictorelle: %1\nTry 'pictorelle --help' for more information.\n").arg(message));
        return 2;
    }
    if (!platform::StartImaging(argv0)) {
        std::fprintf(stderr, "pictorelle: the imaging library could not start\n");
        return 1;
    }
    const int status = RunCommandLineConversion(line.request);
    platform::StopImaging();
    return status;
}

}  // namespace

int main(int argc, char* argv[])
{
    const CommandLine line = ParseCommandLine(ArgumentsOf(argc, argv));
    switch (line.mode) {
    case CommandLine::Mode::Help:
        PrintTo(stdout, HelpText());
        return 0;
    case CommandLine::Mode::Version:
        PrintTo(stdout, VersionText());
        return 0;
    case CommandLine::Mode::Convert:
    case CommandLine::Mode::Invalid:
        return RunCommandLine(line, argv[0]);
    case CommandLine::Mode::Window:
        break;
    }
    return RunWindow(argc, argv);
}
