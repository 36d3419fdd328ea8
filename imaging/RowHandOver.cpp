#include "imaging/RowHandOver.h"

#include <algorithm>

namespace platform {

void RowHandOver::Filled(std::size_t rows)
{
    {
        const std::lock_guard lock(mutex_);
        rows_ = std::max(rows_, rows);
    }
    changed_.notify_all();
}

void RowHandOver::Complete()
{
    {
        const std::lock_guard lock(mutex_);
        if (end_ == End::Open)
            end_ = End::Complete;
    }
    changed_.notify_all();
}

void RowHandOver::Abandon()
{
    {
        const std::lock_guard lock(mutex_);
        end_ = End::Abandoned;
    }
    changed_.notify_all();
}

bool RowHandOver::WaitForRows(std::size_t rows) const
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return rows_ >= rows || end_ != End::Open; });
    return end_ != End::Abandoned;
}

bool RowHandOver::WaitForEnd() const
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return end_ != End::Open; });
    return end_ == End::Complete;
}

}  // namespace platform
