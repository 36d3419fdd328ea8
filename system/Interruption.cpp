#include "system/Interruption.h"

#include <signal.h>
#include <unistd.h>

namespace platform {
namespace {

// Lock-free atomics, so the handler may store into them.
std::atomic<bool> interrupted{false};
std::atomic<int> interruptingSignal{0};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);

void SetDefault(int signal)
{
    struct sigaction action{};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
}

void Record(int signal)
{
    int none = 0;
    if (!interruptingSignal.compare_exchange_strong(none, signal)) {
        // Asked again while winding down: the user wants it gone now. The signal is blocked in its
        // own handler, so it arrives with its default action once the handler returns.
        SetDefault(signal);
        ::raise(signal);
        return;
    }
    interrupted = true;
}

}  // namespace

void CatchInterruptions()
{
    struct sigaction action{};
    action.sa_handler = Record;
    sigemptyset(&action.sa_mask);
    // While one is handled the others wait, so that two at once still count as two.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&action.sa_mask, signal);
    // Restarted calls keep the libraries' reads and writes whole.
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);
}

void Interrupt(int signal)
{
    int none = 0;
    interruptingSignal.compare_exchange_strong(none, signal);
    interrupted = true;
}

int InterruptingSignal()
{
    return interruptingSignal.load();
}

const std::atomic<bool>& InterruptedFlag()
{
    return interrupted;
}

void EndByInterruptingSignal(int signal)
{
    SetDefault(signal);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal);
    ::_exit(InterruptedExitStatus(signal));  // a signal whose default is to be ignored
}

}  // namespace platform
