#include "imaging/RerunAloneLock.h"

#include <shared_mutex>

namespace platform {
namespace {

std::shared_mutex& Turn()
{
    static std::shared_mutex turn;
    return turn;
}

thread_local int held = 0;

}  // namespace

RerunAloneLock::RerunAloneLock(Mode mode) : mode_(mode)
{
    if (mode_ == Mode::Alone)
        Turn().lock();
    else
        Turn().lock_shared();
    ++held;
}

RerunAloneLock::~RerunAloneLock()
{
    --held;
    if (mode_ == Mode::Alone)
        Turn().unlock();
    else
        Turn().unlock_shared();
}

bool RerunAloneLock::HeldByThisThread()
{
    return held > 0;
}

}  // namespace platform
