#include "imaging/TileFailures.h"

#include <cstdint>
#include <cstring>
#include <mutex>
#include <shared_mutex>

#include <QByteArray>
#include <glib.h>

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

// Held shared by every watched run, alone by a drawing done again.
std::shared_mutex& Turn()
{
    static std::shared_mutex turn;
    return turn;
}

// A run inside another (a frame decoded for a drawing) is covered by the outer one.
thread_local int depth = 0;

// A warning about a file's tags or directory (a private tag, an odd count) or about how many
// frames are offered is about its labels, not its pixels: common, and harmless.
bool AboutMetadata(const gchar* message)
{
    const QByteArray text = QByteArray(message ? message : "").toLower();
    return text.contains("tag") || text.contains("field") || text.contains("directory") ||
           text.contains("number of frames");
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
        ++depth;
    }
    ~Watch()
    {
        --depth;
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
    if (!AboutMetadata(message))
        ++TheRuns().warnings;
    if (message && std::strncmp(message, "error in tile", 13) == 0)
        ++TheRuns().failures;
}

bool DrawWithoutTileFailures(const std::function<bool()>& draw, bool warningsAreDamage)
{
    if (depth > 0)
        return draw();
    {
        std::shared_lock shared(Turn());
        const Watch watch;
        if (!draw())
            return false;
        if (!watch.Failed(warningsAreDamage))
            return true;
        if (watch.Alone())
            return false;
    }
    std::unique_lock alone(Turn());
    const Watch watch;
    return draw() && !watch.Failed(warningsAreDamage);
}

bool RunSeesOwnTileFailure(const std::function<void()>& run)
{
    if (depth > 0) {
        run();
        return false;
    }
    std::shared_lock shared(Turn());
    const Watch watch;
    run();
    return watch.Failed() && watch.Alone();
}

}  // namespace platform
