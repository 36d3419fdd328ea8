#pragma once
#include <atomic>

#include "imaging/Encoders.h"

namespace platform {

// Where another program (a test) may steer the engine, to reach failures that cannot be provoked
// on demand: left as they are, the engine works as it always does.
struct EngineSeams {
    std::atomic<bool> copiesFail{false};            // copying decoded pixels fails as memory running out
    std::atomic<PictureWriter> pngWriter{nullptr};  // writes PNG files in place of our writer
    std::atomic<void (*)(int fd)> photoOpened{nullptr};  // called as each photo is opened, before it is read
};
EngineSeams& Seams();

}  // namespace platform
