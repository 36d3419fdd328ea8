#include <QApplication>
#include <QGuiApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/cli/CommandLine.h"
#include "app/cli/CommandLineConversion.h"
#include "app/cli/PresetCommands.h"
#include "app/cli/PrintableText.h"
#include "app/cli/UsageText.h"
#include "app/window/COrvanelApp.h"
#include "app/window/PhotoArgument.h"
#include "lang/CLanguage.h"
#include "lang/QtTranslation.h"
#include "lang/UserLanguage.h"
#include "imaging/ImagingRuntime.h"
#include "system/Interruption.h"
#include "widgets/QtPrompts.h"

namespace {

QStringList ArgumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

QString ImagingFailedText()
{
    return QCoreApplication::translate("CommandLine", "the imaging library could not start");
}

// Said before Qt, and so any translation, can be loaded.
const char kNoDisplay[] =
    "pictorelle: no display to open the window on; use --convert to convert without a window\n";

// Whether Qt could look for a display at all: one named in the environment, or a platform chosen.
bool DisplayNamed(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0)
            return true;
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// The window: Qt takes its own options (-platform, -style) from the arguments first.
int RunWindow(int argc, char* argv[])
{
    // Without a display Qt aborts with advice to reinstall; one line that says what to do instead.
    if (!DisplayNamed(argc, argv)) {
        std::fputs(kNoDisplay, stderr);
        return 2;
    }
    // A display named but unreachable (a forwarded X server gone): Qt's fatal message and the
    // notes leading to it become our one line; the notes are shown when the window does start.
    static QStringList notes;
    const QtMessageHandler qtDefault = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&,
                                                                 const QString& message) {
        if (type == QtFatalMsg) {
            std::fputs(kNoDisplay, stderr);
            std::_Exit(2);
        }
        notes << message;
    });
    QApplication qt(argc, argv);
    qInstallMessageHandler(qtDefault);
    for (const QString& note : std::as_const(notes))
        qWarning("%s", qPrintable(note));
    platform::InstallPrompts(std::make_unique<platform::QtPrompts>());
    if (!platform::StartImaging(argv[0])) {
        PrintTo(stderr, QStringLiteral("pictorelle: %1\n").arg(ImagingFailedText()));
        return 1;
    }
    {
        COrvanelApp app;
        app.InitInstance(PhotoArguments(qt.arguments()));
    }
    platform::StopImaging();
    return 0;
}

// No window, so it runs without a display: over SSH, in a container, in a script. Qt sees none of
// the arguments, which are all ours (a photo may be named "-platform").
int RunCommandLine(const CommandLine& line, const QStringList& arguments, char* argv0)
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
    LoadLocaleLanguage();
    LoadQtTranslation(theLanguage.GetCurrentLanguage(), OwnTranslationFolders());
    if (line.mode == CommandLine::Mode::Help) {
        PrintTo(stdout, HelpText());
        return 0;
    }
    if (line.mode == CommandLine::Mode::ListPresets)
        return ListPresets();
    // Parsed again now that the translation is loaded, for its messages in the locale's language,
    // and with the presets kept in the settings.
    const CommandLine parsed = ParseCommandLine(arguments, PresetsFromSettings());
    if (parsed.mode == CommandLine::Mode::Invalid) {
        const UsageError error = parsed.error;
        const QString message = PrintableText(UsageText(error));
        PrintTo(stderr, QStringLiteral("pictorelle: %1\n%2\n")
                            .arg(message, QCoreApplication::translate(
                                              "CommandLine", "Try 'pictorelle --help' for more information.")));
        return 2;
    }
    if (!parsed.savePreset.isEmpty()) {
        const int kept = SavePresetOf(parsed);
        if (kept != 0 || parsed.mode == CommandLine::Mode::SavePreset)
            return kept;
    }
    if (!platform::StartImaging(argv0)) {
        PrintTo(stderr, QStringLiteral("pictorelle: %1\n").arg(ImagingFailedText()));
        return 1;
    }
    const int status = RunCommandLineConversion(parsed.request);
    platform::StopImaging();
    return status;
}

}  // namespace

int main(int argc, char* argv[])
{
    // A file-size limit (ulimit -f) is then a failed write of that one output, told and cleaned
    // up like a full disk, rather than the end of the whole process.
    std::signal(SIGXFSZ, SIG_IGN);
    const QStringList arguments = ArgumentsOf(argc, argv);
    const CommandLine line = ParseCommandLine(arguments);
    switch (line.mode) {
    case CommandLine::Mode::Version:
        PrintTo(stdout, VersionText());
        return 0;
    case CommandLine::Mode::Help:
    case CommandLine::Mode::Convert:
    case CommandLine::Mode::SavePreset:
    case CommandLine::Mode::ListPresets:
    case CommandLine::Mode::Invalid:
    {
        const int status = RunCommandLine(line, arguments, argv[0]);
        // Cleaned up: now ended by the signal that stopped it, as a shell expects.
        if (const int signal = platform::InterruptingSignal())
            platform::EndByInterruptingSignal(signal);
        return status;
    }
    case CommandLine::Mode::Window:
        break;
    }
    return RunWindow(argc, argv);
}
