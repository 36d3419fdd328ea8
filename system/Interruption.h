#pragma once
#include <atomic>

namespace platform {

// Winding down on SIGINT, SIGTERM and SIGHUP instead of dying mid-write: the handler only records
// the signal; the work looks at the record, stops starting anything and abandons what is in flight
// (which removes its temporary files), and the process then ends by EndByInterruptingSignal, so
// that a shell sees it killed by that signal (and a loop around it stops). A second stop signal,
// whichever, ends the process at once. SIGPIPE is ignored: a write to a closed pipe fails instead,
// and the writer calls Interrupt(SIGPIPE).
void CatchInterruptions();

// A stop that came as a failed write rather than as a signal: recorded as the signal would be.
void Interrupt(int signal);

// The signal that asked the process to stop; 0 while none has.
int InterruptingSignal();

// Set once a signal asked the process to stop: the cancel flag of work in flight.
const std::atomic<bool>& InterruptedFlag();

// Ends the process as signal would have without CatchInterruptions: its default action restored,
// then raised. Call once everything is cleaned up.
[[noreturn]] void EndByInterruptingSignal(int signal);

// What shells report of a process ended by signal: 128 + its number (130 for SIGINT).
constexpr int InterruptedExitStatus(int signal) { return 128 + signal; }

}  // namespace platform
