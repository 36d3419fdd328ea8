#pragma once
#include <atomic>
#include <cstdint>

namespace platform {

// How far one conversion has come, in rows: counted by the threads that draw and write them, read
// by any other (the window's progress). Relaxed counting is enough: each count only grows, and a
// reader a little behind shows a percentage a little behind.
struct ConversionProgress {
    std::atomic<std::int64_t> drawn{0};      // rows drawn from the photo
    std::atomic<std::int64_t> drawRows{0};   // of the drawing (the photo as stored); 0 until it starts
    std::atomic<std::int64_t> written{0};    // rows handed to the output file
    std::atomic<std::int64_t> writeRows{0};  // of the output picture; 0 until the save starts
};

// The percentage done, 0 to 100: drawing is the first half and writing the second, so the bar
// moves through both. It never goes back while the counts grow, and is 100 only once every row
// is written.
int ProgressPercent(std::int64_t drawn, std::int64_t drawRows, std::int64_t written, std::int64_t writeRows);
int ProgressPercent(const ConversionProgress& progress);

}  // namespace platform
