#include "app/window/PhotoSizeReader.h"

#include "imaging/Image.h"
#include "imaging/ImagingRuntime.h"
#include "system/ThreadPriority.h"

namespace {
// Often enough to see the list fill, seldom enough that a folder of thousands costs the window
// a few repaints a second.
constexpr int kDeliverMs = 250;
}  // namespace

PhotoSizeReader::PhotoSizeReader(std::function<void(const Sizes&)> read, QObject* parent)
    : QObject(parent), read_(std::move(read))
{
    deliver_.setInterval(kDeliverMs);
    connect(&deliver_, &QTimer::timeout, this, [this] { Deliver(); });
    deliver_.start();
    thread_ = std::thread([this] { Work(); });
}

PhotoSizeReader::~PhotoSizeReader()
{
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
        pending_.clear();
    }
    wake_.notify_all();
    thread_.join();
}

void PhotoSizeReader::Read(const QStringList& paths)
{
    {
        const std::lock_guard lock(mutex_);
        pending_.insert(pending_.end(), paths.begin(), paths.end());
    }
    wake_.notify_all();
}

void PhotoSizeReader::Forget()
{
    const std::lock_guard lock(mutex_);
    pending_.clear();
    done_.clear();
}

void PhotoSizeReader::Work()
{
    platform::LowerThisThreadsPriority();
    for (;;) {
        QString path;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stop_ || !pending_.empty(); });
            if (stop_)
                break;
            path = pending_.front();
            pending_.pop_front();
        }
        // The header alone: the pixels are decoded when the photo converts.
        const auto image = platform::Image::LoadFromFile(path, false, true);
        const QSize size = image && !image->IsEmpty() ? QSize(static_cast<int>(image->Width()), static_cast<int>(image->Height()))
                                                      : QSize(0, 0);
        const std::lock_guard lock(mutex_);
        done_.append({path, size});
    }
    platform::EndImagingThread();
}

void PhotoSizeReader::Deliver()
{
    Sizes sizes;
    {
        const std::lock_guard lock(mutex_);
        sizes.swap(done_);
    }
    if (!sizes.isEmpty())
        read_(sizes);
}
