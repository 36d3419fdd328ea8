#pragma once
#include <cstdint>

namespace platform {

// Largest picture decoded or allocated, in pixels (about 268 megapixels, 1 GiB as RGBA).
// Anything larger fails as an allocation failure instead of exhausting memory.
// Fuzzing builds set a lower one, so that no single input takes seconds.
#ifdef PICTORELLE_MAX_IMAGE_PIXELS
inline constexpr std::int64_t kMaxImagePixels = PICTORELLE_MAX_IMAGE_PIXELS;
#else
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{1} << 28;
#endif

// Memory budget at that limit. Opening a photo and converting it hold at most the decoded frame
// (up to kMaxImagePixels x 4 bytes, 1 GiB, only while a decoder that cannot stream needs it:
// WebP, GIF, HEIF, ICO and BMP; JPEG and WebP previews are decoded shrunk), the output bitmap
// (up to kMaxImagePixels x 3 bytes, 768 MiB: drawn and turned in its own memory) and this fixed
// overhead for libvips' buffers, the rotation's scratch and its bit per block of pixels. Measured by
// bench/MemoryBench.cpp; figures in the README.
inline constexpr std::int64_t kMemoryOverheadBytes = std::int64_t{320} << 20;

// Threads: a process converting photos side by side runs at most the plan of app/cli/BatchThreads
// on the cores it may use (platform/imaging/ImagingThreads: affinity and cgroup quota): one thread
// per photo side by side, libvips' threads of each picture, and the PNG writer's helpers from one
// allowance of that many cores for the whole process; a fixed few of Qt's and GLib's besides.

// A frame that opening had to decode whole (PNG, TIFF, GIF, lossless WebP and the like) is kept
// decoded for the conversion when it takes at most this, so that it is not decoded a second time:
// it is the decoded frame the budget above already holds.
inline constexpr std::int64_t kMaxKeptFrameBytes = kMaxImagePixels * 4;

// libvips' GIF decoder reads no more frames than this from one file (it reports the rest as
// excessive): a longer animation offers its first kMaxGifFrames frames.
inline constexpr int kMaxGifFrames = 4097;

// The highest page count within which libvips' loaders take a page number.
inline constexpr int kMaxPages = 100000;

inline bool FitsImageLimit(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width <= kMaxImagePixels && height <= kMaxImagePixels &&
           width * height <= kMaxImagePixels;
}

}  // namespace platform
