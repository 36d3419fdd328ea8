#pragma once
#include <condition_variable>
#include <cstddef>
#include <mutex>

namespace platform {

// The rows of a picture that one thread fills top to bottom while another takes those already
// filled: the drawing hands finished rows to the writer, so that decoding overlaps writing. The
// filler ends it either way: complete (its rows were right, all of them) or abandoned (a damaged
// photo, a cancel, a drawing that must run again); a taker never keeps what an abandoned one gave.
class RowHandOver {
public:
    // The filler: every row above this one is in place (a count never goes back).
    void Filled(std::size_t rows);
    void Complete();
    void Abandon();

    // The taker: waits until every row above this one is in place; false once abandoned.
    bool WaitForRows(std::size_t rows) const;
    // The taker: waits for the filler's end; true when it completed.
    bool WaitForEnd() const;

private:
    enum class End { Open, Complete, Abandoned };
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::size_t rows_ = 0;
    End end_ = End::Open;
};

}  // namespace platform
