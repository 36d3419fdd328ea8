#include "system/Interruption.h"

#include <csignal>

namespace platform {
namespace {

// Lock-free atomics, so the handler may store into them.
std::atomic<bool> interrupted{false};
std::atomic<int> interruptingSignal{0};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);

void Record(int signal)
{
    int none = 0;
    interruptingSignal.compare_exchange_strong(none, signal);
    interrupted = true;
}

}  // namespace

void CatchInterruptions()
{
    struct sigaction action{};
    action.sa_handler = Record;
    sigemptyset(&action.sa_mask);
    // Restarted calls keep the libraries' reads and writes whole; SA_RESETHAND lets a second
    // signal end a process that is slow to wind down.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

int InterruptingSignal()
{
    return interruptingSignal.load();
}

const std::atomic<bool>& InterruptedFlag()
{
    return interrupted;
}

}  // namespace platform
