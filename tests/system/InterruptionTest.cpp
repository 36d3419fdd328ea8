// Stop signals as a shell expects them, in a child process of their own.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "system/Interruption.h"

namespace {

// How a child that catches interruptions, then gets first and then second, ends: the signal that
// ended it, or 0 when it exited on its own (having swallowed second).
int EndingSignal(int first, int second)
{
    const pid_t child = ::fork();
    if (child == 0) {
        platform::CatchInterruptions();
        ::raise(first);  // caught: the run would clean up now
        if (!platform::InterruptedFlag().load() || platform::InterruptingSignal() != first)
            ::_exit(3);
        ::raise(second);  // during the clean-up: ends it at once
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : -WEXITSTATUS(status);
}

TEST(Interruption, ASecondStopSignalDuringTheCleanUpEndsTheProcessByIt)
{
    EXPECT_EQ(EndingSignal(SIGINT, SIGTERM), SIGTERM);
    EXPECT_EQ(EndingSignal(SIGTERM, SIGHUP), SIGHUP);
    EXPECT_EQ(EndingSignal(SIGINT, SIGINT), SIGINT);
}

}  // namespace
