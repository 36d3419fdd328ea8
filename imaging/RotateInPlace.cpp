#include "imaging/RotateInPlace.h"

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
    std::unique_ptr<std::uint64_t[]> visited;

    bool Reserve(std::size_t bytes, std::size_t bits)
    {
        if (bytes > 0)
            scratch.reset(new (std::nothrow) std::uint8_t[bytes]);
        if (bits > 0)
            visited.reset(new (std::nothrow) std::uint64_t[(bits + 63) / 64]);
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

// Copies a rows x cols block of pixels, rows srcStride bytes apart, into its transposition, rows
// dstStride bytes apart, in tiles that keep both sides of the copy in cache.
void CopyTransposed(std::uint8_t* dst, std::size_t dstStride, const std::uint8_t* src, std::size_t srcStride,
                    std::size_t rows, std::size_t cols)
{
    constexpr std::size_t kTile = 32;
    for (std::size_t r0 = 0; r0 < rows; r0 += kTile) {
        for (std::size_t c0 = 0; c0 < cols; c0 += kTile) {
            for (std::size_t r = r0; r < std::min(rows, r0 + kTile); ++r) {
                for (std::size_t c = c0; c < std::min(cols, c0 + kTile); ++c)
                    std::memcpy(dst + c * dstStride + r * kPixelBytes, src + r * srcStride + c * kPixelBytes,
                                kPixelBytes);
            }
        }
    }
}

// Transposes rows x cols pixels through a scratch copy of them.
void Transpose(std::uint8_t* p, std::size_t rows, std::size_t cols, std::uint8_t* scratch)
{
    std::memcpy(scratch, p, rows * cols * kPixelBytes);
    CopyTransposed(p, rows * kPixelBytes, scratch, cols * kPixelBytes, rows, cols);
}

// How a picture larger than the scratch is transposed: strips of `block` whole rows (or columns),
// each of which the scratch holds, whose order is then transposed by cycles over elements of
// `block` pixels. Sides `block` does not divide leave `rest` rows (columns) over, which go through
// the scratch beside a strip while the others move once to make room for them, so that every side
// turns at about the same speed.
struct Blocking {
    bool rows = false;
    std::size_t block = 0;
    std::size_t rest = 0;
};

// The largest block whose strip and rest fit the scratch together, the smaller rest among equal
// blocks; block 0 when none fits.
Blocking ChooseBlocking(std::size_t width, std::size_t height)
{
    Blocking best;
    for (std::size_t k = kMaxBlock; k >= kMinBlock && !best.block; --k) {
        for (const bool rows : {true, false}) {
            const std::size_t side = rows ? height : width;
            const std::size_t other = rows ? width : height;
            if (side < k || (k + side % k) * other * kPixelBytes > kRotateScratchBytes)
                continue;
            if (!best.block || side % k < best.rest)
                best = {rows, k, side % k};
        }
    }
    return best;
}

// Transposes height rows of width pixels into width rows of height, as the blocking says.
void TransposeBlocked(std::uint8_t* p, std::size_t width, std::size_t height, const Blocking& b, Work& work)
{
    const std::size_t elem = b.block * kPixelBytes;
    if (b.rows) {
        // Strips of block rows, then blocks x width elements; the rest rows then join each row.
        const std::size_t main = height - b.rest;
        const std::size_t strip = b.block * width * kPixelBytes;
        for (std::size_t s = 0; s < main / b.block; ++s)
            Transpose(p + s * strip, b.block, width, work.scratch.get());
        TransposeByCycles(p, main / b.block, width, elem, work);
        if (b.rest == 0)
            return;
        std::uint8_t* rest = work.scratch.get();
        CopyTransposed(rest, b.rest * kPixelBytes, p + main * width * kPixelBytes, width * kPixelBytes, b.rest,
                       width);
        // From the last row back, so that no row lands on one not yet moved.
        for (std::size_t i = width; i-- > 0;) {
            std::memmove(p + i * height * kPixelBytes, p + i * main * kPixelBytes, main * kPixelBytes);
            std::memcpy(p + (i * height + main) * kPixelBytes, rest + i * b.rest * kPixelBytes, b.rest * kPixelBytes);
        }
        return;
    }
    // The rest columns leave first and the rows close up; then height x blocks elements, then the
    // strips of block columns; the rest columns come last, as rows of the result.
    const std::size_t main = width - b.rest;
    const std::size_t strip = b.block * height * kPixelBytes;
    std::uint8_t* rest = work.scratch.get() + strip;
    if (b.rest != 0) {
        CopyTransposed(rest, height * kPixelBytes, p + main * kPixelBytes, width * kPixelBytes, height, b.rest);
        for (std::size_t r = 0; r < height; ++r)
            std::memmove(p + r * main * kPixelBytes, p + r * width * kPixelBytes, main * kPixelBytes);
    }
    TransposeByCycles(p, height, main / b.block, elem, work);
    for (std::size_t s = 0; s < main / b.block; ++s)
        Transpose(p + s * strip, height, b.block, work.scratch.get());
    std::memcpy(p + main * height * kPixelBytes, rest, b.rest * height * kPixelBytes);
}

// Transposes a picture of height rows and width columns of pixels into width rows of height.
bool TransposePixels(std::uint8_t* p, std::size_t width, std::size_t height)
{
    if (width <= 1 || height <= 1)
        return true;  // a single row or column is laid out the same either way
    Work work;
    const std::size_t total = width * height * kPixelBytes;
    if (total <= kRotateScratchBytes) {
        if (!work.Reserve(total, 0))
            return false;
        Transpose(p, height, width, work.scratch.get());
        return true;
    }
    const Blocking b = ChooseBlocking(width, height);
    if (!b.block)
        return false;  // sides this long cannot be in memory together
    const std::size_t side = b.rows ? height : width;
    const std::size_t other = b.rows ? width : height;
    if (!work.Reserve((b.block + b.rest) * other * kPixelBytes, (side / b.block) * other))
        return false;
    TransposeBlocked(p, width, height, b, work);
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
