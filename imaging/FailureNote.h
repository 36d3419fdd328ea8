#pragma once
#include <mutex>
#include <optional>

#include "imaging/Failure.h"

namespace platform {

// The first failure a decoder met while libvips ran it on its own threads, kept where the caller
// can read it: libvips carries a decoder's failure out only as text in an error buffer that every
// photo converted beside it shares.
class FailureNote {
public:
    void Note(const Failure& failure)
    {
        const std::lock_guard lock(mutex_);
        if (!noted_)
            noted_ = failure;
    }
    // The failure noted since the last Take, which forgets it.
    std::optional<Failure> Take()
    {
        const std::lock_guard lock(mutex_);
        std::optional<Failure> noted;
        noted.swap(noted_);
        return noted;
    }

private:
    std::mutex mutex_;
    std::optional<Failure> noted_;
};

}  // namespace platform
