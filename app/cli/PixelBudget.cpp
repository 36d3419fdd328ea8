#include "app/cli/PixelBudget.h"

#include <algorithm>

std::int64_t PixelBudget::Acquire(std::int64_t pixels)
{
    const std::int64_t held = std::clamp<std::int64_t>(pixels, 0, capacity_);
    std::unique_lock lock(mutex_);
    freed_.wait(lock, [&] { return used_ + held <= capacity_; });
    used_ += held;
    return held;
}

void PixelBudget::Release(std::int64_t held)
{
    {
        const std::lock_guard lock(mutex_);
        used_ -= held;
    }
    freed_.notify_all();
}
