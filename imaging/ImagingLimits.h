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

// Memory budget at that limit: what opening a photo and converting it may hold. It counts:
// - the decoded frame, up to kMaxImagePixels x 4 bytes (1 GiB), while a decoder that cannot stream
//   needs it (WebP, GIF, HEIF, ICO and BMP; JPEG and WebP previews are decoded shrunk);
// - in the window, a frame that opening decoded whole (PNG, TIFF, GIF, lossless WebP and the like)
//   and keeps for the conversion (kMaxKeptFrameBytes below, the same 1 GiB at most): held from
//   opening, while that frame stays open, instead of only while decoding, but counted once, as the
//   decoded frame above. The command line opens photos without a preview and keeps no frame;
// - the output bitmap (up to kMaxImagePixels x 3 bytes, 768 MiB: drawn and turned in its own memory);
// - this fixed overhead for libvips' buffers, the rotation's scratch and its bit per block of
//   pixels, and the PNG writer's strips on up to 8 cores.
// - in place of that decoded frame, libjpeg's buffer of every coefficient of a multi-scan
//   (progressive) JPEG, held while such a file is decoded (at opening and again for the
//   conversion, never both at once): 2 bytes per pixel of each component at its own sampling, so
//   768 MiB for 4:2:0, 1.5 GiB for 4:4:4 and 2 GiB for CMYK at the limit. The command line counts
//   it from the file's header before it is decoded (checks/JpegCoefficientBuffer.h); libjpeg
//   stops at kMaxJpegDecoderBytes rather than take more;
// A camera RAW's development has its own ceiling,
// kMaxRawDevelopBytes in raw/RawDecodePlan.h. Measured by bench/MemoryBench.cpp; figures in
// docs/memory.md.
inline constexpr std::int64_t kMemoryOverheadBytes = std::int64_t{320} << 20;

// The most libjpeg may allocate for one decode: every coefficient of a four-component multi-scan
// JPEG at the pixel limit, and a little for its own row buffers and tables.
inline constexpr std::int64_t kMaxJpegDecoderBytes = kMaxImagePixels * 4 * 2 + (std::int64_t{16} << 20);

// The parts of one conversion's memory, as platform::ConversionBytes adds them up: libvips'
// buffers grow with the widest side, up to kVipsMostBufferBytes, and with its threads' tiles; the
// turn's scratch; two 1 MiB strips and their deflated output per PNG writer thread. What was
// measured to set them is in docs/memory.md.
inline constexpr std::int64_t kVipsBytesPerColumn = std::int64_t{16} << 10;
inline constexpr std::int64_t kVipsMostBufferBytes = std::int64_t{256} << 20;
inline constexpr std::int64_t kVipsBytesPerThread = std::int64_t{2} << 20;
inline constexpr std::int64_t kTurnScratchBytes = std::int64_t{16} << 20;
inline constexpr std::int64_t kWriterBytesPerThread = std::int64_t{4} << 20;
// A picture written while its rows are still decoded holds, besides, the strips the PNG writer
// deflated on the first sample's choice of row filters until the second sample confirms it. Such
// a picture is never turned, so they are counted in the turn's scratch, which it does not use.
inline constexpr std::int64_t kWriterAheadBytes = kTurnScratchBytes;

// A batch of photos from the command line: conversions run side by side only while what they
// hold together, each counted by platform::ConversionBytes before it is opened (a BMP or ICO,
// decoded whole at opening, as the largest frame the limit lets through until its size is known),
// stays within platform::BatchBudgetBytes, the heaviest single conversion the limits accept (about
// 4.3 GiB: a camera RAW at the limit). The process's peak memory stays within
// platform::BatchPeakBytes: that budget, the PNG writer's whole allowance (4 MiB a core) and this
// much for the program itself (Qt, libvips and their libraries, with room above what docs/memory.md
// measured), whatever the number of photos.
inline constexpr std::int64_t kProcessBaseBytes = std::int64_t{128} << 20;

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
