#include "platform/imaging/RotateInPlace.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

namespace platform {
namespace {

constexpr std::size_t kPixelBytes = 3;
constexpr std::size_t kMinBlock = 8;
constexpr std::size_t kMaxBlock = 128;

// Working memory, taken before any pixel moves so that a shortage changes nothing.
struct Work {
    std::unique_ptr<std::uint8_t[]> scratch;
    std::size_t scratchBytes = 0;
    std::unique_ptr<std::uint64_t[]> visited;
    std::size_t visitedBits = 0;

    bool Reserve(std::size_t bytes, std::size_t bits)
    {
        if (bytes > 0) {
            scratch.reset(new (std::nothrow) std::uint8_t[bytes]);
            scratchBytes = scratch ? bytes : 0;
        }
        if (bits > 0) {
            visited.reset(new (std::nothrow) std::uint64_t[(bits + 63) / 64]);
            visitedBits = visited ? bits : 0;
        }
        return (bytes == 0 || scratch) && (bits == 0 || visited);
    }
};

// Transposes a rows x cols matrix of elem-byte elements by following the permutation's cycles:
// no copy, a bit per element.
void TransposeByCycles(std::uint8_t* p, std::size_t rows, std::size_t cols, std::size_t elem, Work& work)
{
    const std::size_t n = rows * cols;
    if (rows <= 1 || cols <= 1)
        return;
    std::fill_n(work.visited.get(), (n + 63) / 64, 0);
    const auto seen = [&](std::size_t i) { return (work.visited[i / 64] >> (i % 64)) & 1; };
    const auto mark = [&](std::size_t i) { work.visited[i / 64] |= std::uint64_t{1} << (i % 64); };
    std::uint8_t held[kMaxBlock * kPixelBytes];
    // The first and last elements stay; element j of the result comes from (j * cols) mod (n - 1).
    for (std::size_t start = 1; start + 1 < n; ++start) {
        if (seen(start))
            continue;
        std::memcpy(held, p + start * elem, elem);
        std::size_t j = start;
        for (;;) {
            mark(j);
            const std::size_t from = static_cast<std::size_t>((static_cast<unsigned __int128>(j) * cols) % (n - 1));
            if (from == start) {
                std::memcpy(p + j * elem, held, elem);
                break;
            }
            std::memcpy(p + j * elem, p + from * elem, elem);
            j = from;
        }
    }
}

// Transposes a rows x cols matrix through the scratch copy when it fits, by cycles otherwise.
void Transpose(std::uint8_t* p, std::size_t rows, std::size_t cols, std::size_t elem, Work& work)
{
    const std::size_t bytes = rows * cols * elem;
    if (bytes > work.scratchBytes) {
        TransposeByCycles(p, rows, cols, elem, work);
        return;
    }
    std::memcpy(work.scratch.get(), p, bytes);
    const std::uint8_t* src = work.scratch.get();
    constexpr std::size_t kTile = 32;  // keeps both sides of the copy in cache
    for (std::size_t r0 = 0; r0 < rows; r0 += kTile) {
        for (std::size_t c0 = 0; c0 < cols; c0 += kTile) {
            for (std::size_t r = r0; r < std::min(rows, r0 + kTile); ++r) {
                for (std::size_t c = c0; c < std::min(cols, c0 + kTile); ++c)
                    std::memcpy(p + (c * rows + r) * elem, src + (r * cols + c) * elem, elem);
            }
        }
    }
}

// The largest block size between kMinBlock and kMaxBlock dividing n whose strip of
// block x other pixels fits the scratch; failing that the largest dividing n; 0 when none does.
std::size_t BlockFor(std::size_t n, std::size_t other)
{
    std::size_t any = 0;
    for (std::size_t k = std::min(kMaxBlock, n); k >= kMinBlock; --k) {
        if (n % k != 0)
            continue;
        if (k * other * kPixelBytes <= kRotateScratchBytes)
            return k;
        if (!any)
            any = k;
    }
    return any;
}

// Transposes a picture of height rows and width columns of pixels into width rows of height.
// Large pictures go in two steps over blocks of k whole columns (or rows): the blocks are
// transposed as elements of k pixels, then each block's strip alone, which fits the scratch.
bool TransposePixels(std::uint8_t* p, std::size_t width, std::size_t height)
{
    if (width <= 1 || height <= 1)
        return true;  // a single row or column is laid out the same either way
    Work work;
    const std::size_t total = width * height * kPixelBytes;
    if (total <= kRotateScratchBytes) {
        if (!work.Reserve(total, 0))
            return false;
        Transpose(p, height, width, kPixelBytes, work);
        return true;
    }
    const std::size_t byColumns = BlockFor(width, height);
    const std::size_t byRows = BlockFor(height, width);
    const std::size_t columnStrip = byColumns ? byColumns * height * kPixelBytes : SIZE_MAX;
    const std::size_t rowStrip = byRows ? byRows * width * kPixelBytes : SIZE_MAX;
    if (!byColumns && !byRows) {
        if (!work.Reserve(0, width * height))
            return false;
        TransposeByCycles(p, height, width, kPixelBytes, work);
        return true;
    }
    const bool columns = columnStrip <= rowStrip;
    const std::size_t k = columns ? byColumns : byRows;
    const std::size_t strip = std::min(columnStrip, rowStrip);
    const std::size_t blocks = (columns ? width : height) / k;
    const std::size_t stripPixels = strip / kPixelBytes;
    const std::size_t bits = std::max((columns ? height : width) * blocks,
                                      strip > kRotateScratchBytes ? stripPixels : std::size_t{0});
    if (!work.Reserve(std::min(strip, kRotateScratchBytes), bits))
        return false;
    if (strip > kRotateScratchBytes)
        work.scratchBytes = 0;  // the strips go by cycles
    const std::size_t blockElem = k * kPixelBytes;
    if (columns) {
        // height x blocks elements of k pixels, then each strip of height x k pixels
        TransposeByCycles(p, height, blocks, blockElem, work);
        for (std::size_t s = 0; s < blocks; ++s)
            Transpose(p + s * strip, height, k, kPixelBytes, work);
    } else {
        // each strip of k x width pixels, then blocks x width elements of k pixels
        for (std::size_t s = 0; s < blocks; ++s)
            Transpose(p + s * strip, k, width, kPixelBytes, work);
        TransposeByCycles(p, blocks, width, blockElem, work);
    }
    return true;
}

void MirrorRows(std::uint8_t* p, std::size_t width, std::size_t height)
{
    for (std::size_t y = 0; y < height; ++y) {
        std::uint8_t* row = p + y * width * kPixelBytes;
        for (std::size_t a = 0, b = width - 1; a < b; ++a, --b)
            std::swap_ranges(row + a * kPixelBytes, row + (a + 1) * kPixelBytes, row + b * kPixelBytes);
    }
}

void ReverseRowOrder(std::uint8_t* p, std::size_t width, std::size_t height)
{
    const std::size_t stride = width * kPixelBytes;
    for (std::size_t a = 0, b = height - 1; a < b && b < height; ++a, --b)
        std::swap_ranges(p + a * stride, p + (a + 1) * stride, p + b * stride);
}

}  // namespace

bool RotateFlipInPlace(std::uint8_t* pixels, int& width, int& height, int type)
{
    if (type < 0 || type > 7 || !pixels || width <= 0 || height <= 0)
        return false;
    std::size_t w = static_cast<std::size_t>(width);
    std::size_t h = static_cast<std::size_t>(height);
    const int turn = type % 4;
    const bool mirror = type >= 4;
    // 90: transpose, mirror; 180: reverse rows, mirror; 270: transpose, reverse rows.
    // Mirroring after the turn cancels or adds the turn's own mirror.
    bool mirrorRows = mirror;
    bool reverseRows = false;
    if (turn == 1 || turn == 3) {
        if (!TransposePixels(pixels, w, h))
            return false;
        std::swap(w, h);
        if (turn == 1)
            mirrorRows = !mirrorRows;
        else
            reverseRows = true;
    } else if (turn == 2) {
        reverseRows = true;
        mirrorRows = !mirrorRows;
    }
    if (reverseRows)
        ReverseRowOrder(pixels, w, h);
    if (mirrorRows)
        MirrorRows(pixels, w, h);
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

}  // namespace platform
