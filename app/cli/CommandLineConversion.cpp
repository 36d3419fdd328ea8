#include "app/cli/CommandLineConversion.h"

#include <QCoreApplication>

#include "app/cli/BatchConversion.h"
#include "app/cli/BatchReport.h"

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
    const int status = RunBatchConversion(request, photos);
    // A folder that could not be read may have held photos that were not converted.
    return status == 0 && walkFailed ? 1 : status;
}
