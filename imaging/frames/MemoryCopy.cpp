#include "imaging/frames/MemoryCopy.h"

#include <new>

#include "imaging/TileFailures.h"
#include "imaging/EngineSeams.h"

namespace platform {

vips::VImage CopyToMemory(const vips::VImage& pixels)
{
    if (Seams().copiesFail)
        throw std::bad_alloc();
    vips::VImage copy;
    // A tile that failed turns black without an error on some threads: damage all the same.
    if (RunSeesOwnTileFailure([&] { copy = pixels.copy_memory(); }))
        throw vips::VError("a part of the photo failed to decode");
    return copy;
}

}  // namespace platform
