#pragma once
#include <atomic>

namespace platform {

// Winding down on SIGINT, SIGTERM and SIGHUP instead of dying mid-write: the handler only records
// the signal; the work looks at the record, stops starting anything, abandons what is in flight
// (which removes its temporary files) and the process then exits with InterruptedExitStatus. A
// second such signal ends the process as it would have without this.
void CatchInterruptions();

// The signal that asked the process to stop; 0 while none has.
int InterruptingSignal();

// Set once a signal asked the process to stop: the cancel flag of work in flight.
const std::atomic<bool>& InterruptedFlag();

// What shells expect of a process ended by signal: 128 + its number (130 for SIGINT).
constexpr int InterruptedExitStatus(int signal) { return 128 + signal; }

}  // namespace platform
