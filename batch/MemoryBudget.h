#pragma once
#include <condition_variable>
#include <cstdint>
#include <mutex>

// Lets conversions run side by side only while the bytes they hold together stay within a budget
// (platform::ConversionBytes says what one holds). A conversion heavier than the whole budget
// waits until it runs alone.
class MemoryBudget {
public:
    explicit MemoryBudget(std::int64_t capacity) : capacity_(capacity) {}
    std::int64_t Capacity() const { return capacity_; }

    // Waits until bytes fit beside what is held, then holds them; returns what was held, for Release.
    std::int64_t Acquire(std::int64_t bytes);
    void Release(std::int64_t held);

    // Bytes held while it lives: a conversion that throws (memory running out) gives them back.
    class Hold {
    public:
        Hold(MemoryBudget& budget, std::int64_t bytes) : budget_(budget), held_(budget.Acquire(bytes)) {}
        ~Hold() { budget_.Release(held_); }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

        // Holds bytes instead: less at once; more only after giving back all it held, so that
        // two holders growing together never wait for each other.
        void Resize(std::int64_t bytes);

    private:
        MemoryBudget& budget_;
        std::int64_t held_;
    };

private:
    const std::int64_t capacity_;
    std::int64_t used_ = 0;
    std::mutex mutex_;
    std::condition_variable freed_;
};
