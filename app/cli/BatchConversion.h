#pragma once
#include <atomic>

#include <QList>
#include <QString>

#include "app/cli/BatchPhotos.h"
#include "app/cli/CommandLine.h"
#include "lang/MessageTexts.h"

// What became of one photo of a batch.
enum class PhotoResult {
    Converted,
    Failed,
    Kept,       // its output was there already and replacing it was not asked for
    Cancelled,  // stopped by the cancel, or never begun: nothing written, nothing changed
};

// Told of each photo of a batch, from the batch's threads.
class BatchListener {
public:
    virtual ~BatchListener() = default;
    virtual void Started(int index) = 0;
    // message: what the command line would have said of it ("SUBJECT: text" when about another
    // file than the photo), the first of them when several; empty when it converted.
    virtual void Finished(int index, PhotoResult result, const QString& message) = 0;
};

// Converts photos side by side, one per core within the memory budget, through the same
// conversion sequence as the main window, with the settings of request (its photos aside). Each
// failure is told with the file it concerns, the other photos still convert. Without a listener
// everything is told on standard output and error, as the command line tells it; with one, only
// the listener is told and the program's prompts stay as they are. Once cancel is set, photos in
// flight stop with nothing written and no others start.
// Returns the exit status: 0 when every photo converted or kept its output, 1 when any failed, 2
// when the output folder cannot be used. Needs a running application and the user's language;
// the message texts are those of texts, or copied as the run starts, on the calling thread.
int RunBatchConversion(const ConversionRequest& request, const QList<BatchPhoto>& photos,
                       BatchListener* listener = nullptr, const std::atomic<bool>* cancel = nullptr,
                       const MessageTexts* texts = nullptr);
