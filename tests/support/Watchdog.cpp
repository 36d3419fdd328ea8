#include "support/Watchdog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

Watchdog::Watchdog(std::string what, double seconds) : what_(std::move(what))
{
    thread_ = std::thread([this, seconds] {
        std::unique_lock lock(mutex_);
        if (!done_.wait_for(lock, std::chrono::duration<double>(seconds), [this] { return finished_; })) {
            std::fprintf(stderr, "watchdog: \"%s\" still running after %.0f s; stopping the tests\n", what_.c_str(),
                         seconds);
            std::fflush(stderr);
            std::abort();
        }
    });
}

Watchdog::~Watchdog()
{
    {
        const std::lock_guard lock(mutex_);
        finished_ = true;
    }
    done_.notify_one();
    thread_.join();
}
