#pragma once
#include <condition_variable>
#include <cstdint>
#include <mutex>

// Lets conversions run side by side only while the pixels they hold together stay within a
// budget, so several photos at once never need more memory than one photo at the limit does.
// A conversion heavier than the whole budget waits until it runs alone.
class PixelBudget {
public:
    explicit PixelBudget(std::int64_t capacity) : capacity_(capacity) {}

    // Waits until pixels fit beside what is held, then holds them; returns what was held, for Release.
    std::int64_t Acquire(std::int64_t pixels);
    void Release(std::int64_t held);

private:
    const std::int64_t capacity_;
    std::int64_t used_ = 0;
    std::mutex mutex_;
    std::condition_variable freed_;
};
