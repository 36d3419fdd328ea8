#include "batch/MemoryBudget.h"

#include <algorithm>

std::int64_t MemoryBudget::Acquire(std::int64_t bytes)
{
    const std::int64_t held = std::clamp<std::int64_t>(bytes, 0, capacity_);
    std::unique_lock lock(mutex_);
    freed_.wait(lock, [&] { return used_ + held <= capacity_; });
    used_ += held;
    return held;
}

void MemoryBudget::Release(std::int64_t held)
{
    {
        const std::lock_guard lock(mutex_);
        used_ -= held;
    }
    freed_.notify_all();
}

void MemoryBudget::Hold::Resize(std::int64_t bytes)
{
    const std::int64_t wanted = std::clamp<std::int64_t>(bytes, 0, budget_.capacity_);
    if (wanted <= held_) {
        budget_.Release(held_ - wanted);
        held_ = wanted;
        return;
    }
    budget_.Release(held_);
    held_ = 0;
    held_ = budget_.Acquire(wanted);
}
