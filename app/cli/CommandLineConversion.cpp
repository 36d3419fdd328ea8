#include "app/cli/CommandLineConversion.h"

#include <QCoreApplication>

#include "app/cli/BatchPrinter.h"
#include "app/cli/BatchReport.h"
#include "batch/BatchConversion.h"
#include "services/Prompts.h"
#include "system/Interruption.h"

int RunCommandLineConversion(const ConversionRequest& request)
{
    BatchReport walk(0, request.quiet);
    bool walkFailed = false;
    const QList<BatchPhoto> photos =
        PhotosOfArguments(request.photos, request.recursive, [&](const QString& subject, const QString& text, bool error) {
            if (error) {
                walk.Error(subject, text);
                walkFailed = true;
            } else {
                walk.Warning(subject, text);
            }
        });
    if (photos.isEmpty()) {
        walk.Error({}, QCoreApplication::translate("CommandLine", "no photo to convert"));
        return 1;
    }
    // A folder's photos each need a name of their own.
    if (!request.outputFile.isEmpty() && photos.size() > 1) {
        walk.Error({}, QCoreApplication::translate("CommandLine", "--output names one file: use --output-dir for several photos"));
        return 2;
    }

    BatchReport report(static_cast<int>(photos.size()), request.quiet);
    BatchPrinter printer(report, photos, request.quiet);
    // Messages from below the conversion (the language manager, the imaging layer) are reported
    // like the conversion's own, naming the photo they concern.
    std::unique_ptr<platform::Prompts> previous = platform::InstallPrompts(report.MakePrompts());
    report.RouteLibraryMessages();
    // SIGINT, SIGTERM and SIGHUP cancel the batch: photos in flight stop with nothing written.
    platform::CatchInterruptions();
    const BatchSummary summary =
        RunBatchConversion(request, photos, printer, &platform::InterruptedFlag(), MessageTexts::Current());
    report.StopLibraryMessages();
    platform::InstallPrompts(std::move(previous));
    printer.Ended(summary);
    if (summary.folderUnusable || summary.namesRefused)
        return 2;
    if (const int signal = platform::InterruptingSignal()) {
        report.Error({}, QCoreApplication::translate("CommandLine", "interrupted; the photos not yet saved were not converted"));
        return platform::InterruptedExitStatus(signal);
    }
    // A folder that could not be read may have held photos that were not converted.
    return summary.failed > 0 || walkFailed ? 1 : 0;
}
