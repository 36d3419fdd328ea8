#include "app/window/BatchRunner.h"

#include <QtConcurrent/QtConcurrentRun>

#include "imaging/ImagingRuntime.h"

BatchRunner::BatchRunner(std::function<void(const Events&)> events, std::function<void(int status)> finished,
                         QObject* parent)
    : QObject(parent),
      finished_(std::move(finished)),
      news_([events = std::move(events)](Events&& news) { events(news); })
{
    pool_.setMaxThreadCount(1);
    connect(&batch_, &QFutureWatcher<int>::finished, this, [this] { Ended(); });
}

BatchRunner::~BatchRunner()
{
    cancel_ = true;
    pool_.waitForDone();
}

void BatchRunner::Start(const ConversionRequest& request, const QList<BatchPhoto>& photos)
{
    if (running_)
        return;
    request_ = request;
    photos_ = photos;
    // Copied here, on the window's thread: the language may change while the batch runs.
    texts_ = MessageTexts::Current();
    cancel_ = false;
    running_ = true;
    batch_.setFuture(QtConcurrent::run(&pool_, [this] {
        const BatchSummary summary = RunBatchConversion(request_, photos_, *this, &cancel_, texts_);
        platform::EndImagingThread();  // this thread converted photos too
        return summary.folderUnusable ? 2 : summary.failed > 0 ? 1 : 0;
    }));
}

void BatchRunner::Started(int index, platform::PhotoFormat)
{
    news_.Put(Event{index, true, PhotoResult::Failed, {}});
}

void BatchRunner::Finished(int index, PhotoResult result, const QString& message)
{
    news_.Put(Event{index, false, result, message});
}

void BatchRunner::Ended()
{
    // News told before the end that is still on its way comes first.
    news_.HandOverNow();
    running_ = false;
    finished_(batch_.result());
}
