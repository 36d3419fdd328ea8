#pragma once
#include <algorithm>
#include <cstddef>
#include <functional>
#include <iterator>
#include <limits>
#include <mutex>
#include <vector>

#include <QObject>

namespace platform {

// What work off the window's thread finds, handed to the window's thread without the window
// asking: the first item put after a hand-over posts one call to the window's event loop, which
// takes everything put by then. However fast the work puts, the window is called once a turn of
// its loop at most, and paints and answers between. With most, a hand-over takes that many items
// and posts another for the rest. Nothing is handed once the queue is gone, so its owner makes
// sure the work has stopped putting before it lets the queue go.
template <typename T>
class WindowThreadQueue final : public QObject {
public:
    using Deliver = std::function<void(std::vector<T>&& items)>;
    // Made on the window's thread, where deliver is called.
    explicit WindowThreadQueue(Deliver deliver, std::size_t most = std::numeric_limits<std::size_t>::max())
        : deliver_(std::move(deliver)), most_(most)
    {
    }

    // From any thread; items put together are handed in order, none of another put between them.
    void Put(std::vector<T> items)
    {
        const std::lock_guard lock(mutex_);
        pending_.insert(pending_.end(), std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
        if (posted_ || pending_.empty())
            return;
        posted_ = true;
        QMetaObject::invokeMethod(this, [this] { HandOver(most_); }, Qt::QueuedConnection);
    }
    void Put(T item) { Put(std::vector<T>{std::move(item)}); }

    // On the window's thread: everything put and not handed yet, handed now.
    void HandOverNow() { HandOver(std::numeric_limits<std::size_t>::max()); }
    // Items put and not handed yet are no longer wanted.
    void Drop()
    {
        const std::lock_guard lock(mutex_);
        pending_.clear();
    }

private:
    void HandOver(std::size_t most)
    {
        std::vector<T> items;
        {
            const std::lock_guard lock(mutex_);
            if (pending_.size() <= most) {
                items.swap(pending_);
                posted_ = false;
            } else {
                const auto end = pending_.begin() + static_cast<std::ptrdiff_t>(most);
                items.assign(std::make_move_iterator(pending_.begin()), std::make_move_iterator(end));
                pending_.erase(pending_.begin(), end);
                // The rest in a later turn, after what else the window has to do.
                QMetaObject::invokeMethod(this, [this] { HandOver(most_); }, Qt::QueuedConnection);
            }
        }
        if (!items.empty())
            deliver_(std::move(items));
    }

    Deliver deliver_;
    const std::size_t most_;
    std::mutex mutex_;
    std::vector<T> pending_;  // under mutex_
    bool posted_ = false;     // a hand-over is on its way; under mutex_
};

}  // namespace platform
