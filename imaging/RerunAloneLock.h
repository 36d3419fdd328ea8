#pragma once

namespace platform {

// The turn of a watched run: runs take it side by side; a run done again takes it alone, once
// every other has ended, so that no other photo's damage is counted against it. A run inside
// another (a frame decoded for a drawing) is covered by the outer one's turn and takes none.
class RerunAloneLock {
public:
    enum class Mode { SideBySide, Alone };

    explicit RerunAloneLock(Mode mode);
    ~RerunAloneLock();
    RerunAloneLock(const RerunAloneLock&) = delete;
    RerunAloneLock& operator=(const RerunAloneLock&) = delete;

    // Whether the calling thread holds a turn already.
    static bool HeldByThisThread();

private:
    const Mode mode_;
};

}  // namespace platform
