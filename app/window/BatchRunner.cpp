#include "app/window/BatchRunner.h"

#include "imaging/ImagingRuntime.h"

namespace {
// Rows change a few times a second at most, however fast small photos convert.
constexpr int kDeliverMs = 250;
}  // namespace

BatchRunner::BatchRunner(std::function<void(const Events&)> events, std::function<void(int status)> finished,
                         QObject* parent)
    : QObject(parent), events_(std::move(events)), finished_(std::move(finished))
{
    deliver_.setInterval(kDeliverMs);
    connect(&deliver_, &QTimer::timeout, this, [this] { Deliver(); });
}

BatchRunner::~BatchRunner()
{
    cancel_ = true;
    if (thread_.joinable())
        thread_.join();
}

void BatchRunner::Start(const ConversionRequest& request, const QList<BatchPhoto>& photos)
{
    if (thread_.joinable())
        return;
    request_ = request;
    photos_ = photos;
    // Copied here, on the window's thread: the language may change while the batch runs.
    texts_ = MessageTexts::Current();
    cancel_ = false;
    done_ = false;
    thread_ = std::thread([this] {
        const BatchSummary summary = RunBatchConversion(request_, photos_, *this, &cancel_, texts_);
        status_ = summary.folderUnusable ? 2 : summary.failed > 0 ? 1 : 0;
        platform::EndImagingThread();  // this thread converted photos too
        done_ = true;
    });
    deliver_.start();
}

void BatchRunner::Started(int index)
{
    const std::lock_guard lock(mutex_);
    pending_.push_back({index, true, PhotoResult::Failed, {}});
}

void BatchRunner::Finished(int index, PhotoResult result, const QString& message)
{
    const std::lock_guard lock(mutex_);
    pending_.push_back({index, false, result, message});
}

void BatchRunner::Deliver()
{
    // Read before the news: news told before the end is then all in pending_.
    const bool done = done_;
    Events events;
    {
        const std::lock_guard lock(mutex_);
        events.swap(pending_);
    }
    if (!events.empty())
        events_(events);
    if (!done)
        return;
    deliver_.stop();
    thread_.join();
    finished_(status_);
}
