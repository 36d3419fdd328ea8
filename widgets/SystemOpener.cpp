#include "widgets/SystemOpener.h"

#include <memory>

#include <QDesktopServices>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace platform {

bool OpenWithSystemOpener(const QUrl& url, int waitMs)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return QDesktopServices::openUrl(url);
    auto process = std::make_unique<QProcess>();
    process->setProgram(opener);
    process->setArguments({url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QEventLoop wait;
    QObject::connect(process.get(), &QProcess::finished, &wait, &QEventLoop::quit);
    QObject::connect(process.get(), &QProcess::errorOccurred, &wait, &QEventLoop::quit);
    QTimer::singleShot(waitMs, &wait, &QEventLoop::quit);
    process->start();
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (process->state() != QProcess::NotRunning) {
        // A browser started in the foreground outlives the wait: the opener goes when it ends.
        QObject::connect(process.get(), &QProcess::finished, process.get(), &QObject::deleteLater);
        process.release();
        return true;
    }
    return process->error() == QProcess::UnknownError && process->exitStatus() == QProcess::NormalExit &&
           process->exitCode() == 0;
}

}  // namespace platform
