#pragma once
#include <condition_variable>
#include <cstdint>
#include <mutex>

// Lets conversions run side by side only while the pixels they hold together (decoded photo and
// output picture) stay within a budget. It counts pixels only: each conversion's libvips buffers
// come on top (the PNG writer's helper threads are shared by the process, see ImagingThreads).
// A conversion heavier than the whole budget waits until it runs alone.
class PixelBudget {
public:
    explicit PixelBudget(std::int64_t capacity) : capacity_(capacity) {}

    // Waits until pixels fit beside what is held, then holds them; returns what was held, for Release.
    std::int64_t Acquire(std::int64_t pixels);
    void Release(std::int64_t held);

    // Pixels held while it lives: a conversion that throws (memory running out) gives them back.
    class Hold {
    public:
        Hold(PixelBudget& budget, std::int64_t pixels) : budget_(budget), held_(budget.Acquire(pixels)) {}
        ~Hold() { budget_.Release(held_); }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        PixelBudget& budget_;
        const std::int64_t held_;
    };

private:
    const std::int64_t capacity_;
    std::int64_t used_ = 0;
    std::mutex mutex_;
    std::condition_variable freed_;
};
