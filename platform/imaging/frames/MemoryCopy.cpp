#include "platform/imaging/frames/MemoryCopy.h"

#include <new>

#include "platform/imaging/testing/ImagingTestSeams.h"

namespace platform {

vips::VImage CopyToMemory(const vips::VImage& pixels)
{
    if (AllocationFailuresForced())
        throw std::bad_alloc();
    return pixels.copy_memory();
}

}  // namespace platform
