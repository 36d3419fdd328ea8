#pragma once
#include <condition_variable>
#include <cstdint>
#include <mutex>

// Lets conversions run side by side only while the pixels they hold together (decoded photo and
// output picture) stay within a budget. It counts pixels only: each conversion's PNG writer and
// libvips threads come on top, so the process can need more than one photo at the limit does.
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
