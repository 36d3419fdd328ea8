#include "imaging/TileFailures.h"

#include <cstdint>
#include <mutex>

#include "imaging/DamageWarning.h"
#include "imaging/RerunAloneLock.h"

namespace platform {
namespace {

struct Runs {
    std::mutex lock;
    std::uint64_t failures = 0;
    std::uint64_t warnings = 0;
    std::uint64_t started = 0;
    int running = 0;
};

Runs& TheRuns()
{
    static Runs runs;
    return runs;
}

// One watched run: whether a tile failed during it, and whether any other run overlapped it.
class Watch {
public:
    Watch()
    {
        std::lock_guard guard(TheRuns().lock);
        failuresAtStart_ = TheRuns().failures;
        warningsAtStart_ = TheRuns().warnings;
        othersAtStart_ = TheRuns().running++;
        startedAtStart_ = ++TheRuns().started;
    }
    ~Watch()
    {
        std::lock_guard guard(TheRuns().lock);
        --TheRuns().running;
    }
    bool Failed(bool warningsAreDamage = false) const
    {
        std::lock_guard guard(TheRuns().lock);
        return TheRuns().failures != failuresAtStart_ || (warningsAreDamage && TheRuns().warnings != warningsAtStart_);
    }
    bool Alone() const
    {
        std::lock_guard guard(TheRuns().lock);
        return othersAtStart_ == 0 && TheRuns().started == startedAtStart_;
    }

private:
    std::uint64_t failuresAtStart_ = 0;
    std::uint64_t warningsAtStart_ = 0;
    std::uint64_t startedAtStart_ = 0;
    int othersAtStart_ = 0;
};

}  // namespace

void CountVipsWarning(const char* message)
{
    std::lock_guard guard(TheRuns().lock);
    if (IsDamageWarning(message))
        ++TheRuns().warnings;
    if (IsTileFailure(message))
        ++TheRuns().failures;
}

bool DrawWithoutTileFailures(const std::function<bool()>& draw, bool warningsAreDamage)
{
    if (RerunAloneLock::HeldByThisThread())
        return draw();
    {
        const RerunAloneLock shared(RerunAloneLock::Mode::SideBySide);
        const Watch watch;
        if (!draw())
            return false;
        if (!watch.Failed(warningsAreDamage))
            return true;
        if (watch.Alone())
            return false;
    }
    const RerunAloneLock alone(RerunAloneLock::Mode::Alone);
    const Watch watch;
    return draw() && !watch.Failed(warningsAreDamage);
}

bool RunSeesOwnTileFailure(const std::function<void()>& run)
{
    if (RerunAloneLock::HeldByThisThread()) {
        run();
        return false;
    }
    const RerunAloneLock shared(RerunAloneLock::Mode::SideBySide);
    const Watch watch;
    run();
    return watch.Failed() && watch.Alone();
}

}  // namespace platform
