#pragma once
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Aborts the whole test program, naming what it was doing, when it lives longer than seconds:
// a step that blocks or spins fails the run instead of hanging it.
class Watchdog {
public:
    Watchdog(std::string what, double seconds);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::string what_;
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread thread_;
};
