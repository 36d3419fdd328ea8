#pragma once
#include <atomic>

#include <QList>

#include "batch/BatchListener.h"
#include "batch/BatchPhotos.h"
#include "batch/ConversionRequest.h"
#include "lang/MessageTexts.h"

// Converts photos side by side, one per core within the memory budget, through the same
// conversion sequence as the main window, turned before they are sized, with the settings of
// request (its photos aside). Each failure is told to the listener with the file it concerns; the
// other photos still convert. Once cancel is set, photos in flight stop with nothing written and
// no others start. The message texts are texts, fixed for the whole run (the language may change
// while it goes). Needs a running application.
BatchSummary RunBatchConversion(const ConversionRequest& request, const QList<BatchPhoto>& photos,
                                BatchListener& listener, const std::atomic<bool>* cancel,
                                const MessageTexts& texts);
