#include "imaging/png/PngFilter.h"

#include <cstring>

namespace platform {
namespace {

constexpr std::size_t kBpp = 3;

// |byte as int8|; the heuristic scores residuals as small signed numbers, so 0xFF costs 1, not 255.
inline std::uint32_t SignedMagnitude(std::uint8_t v) {
    return v < 128 ? v : 256u - v;
}

inline int Abs(int v) { return v < 0 ? -v : v; }

// Predictors from the left (a), upper (b) and upper-left (c) bytes. Written without branches on pixel
// values so the loops over them vectorise.
struct None { static int predict(int, int, int) { return 0; } };
struct Sub { static int predict(int a, int, int) { return a; } };
struct Up { static int predict(int, int b, int) { return b; } };
struct Average { static int predict(int a, int b, int) { return (a + b) >> 1; } };
struct Paeth {
    static int predict(int a, int b, int c) {
        const int pa = Abs(b - c);
        const int pb = Abs(a - c);
        const int pc = Abs(a + b - 2 * c);
        const int bc = pb <= pc ? b : c;
        return pa <= pb && pa <= pc ? a : bc;
    }
};

// The first pixel has no left neighbour: a and c are 0 there.
// Always inlined, so each is compiled for the processor the calling clone of filter is built for.
template <class F>
[[gnu::always_inline]] inline std::uint64_t Score(const std::uint8_t* prev, const std::uint8_t* cur, std::size_t n) {
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < kBpp && i < n; ++i)
        sum += SignedMagnitude(static_cast<std::uint8_t>(cur[i] - F::predict(0, prev[i], 0)));
    // 32-bit partial sums vectorise twice as wide; a piece of 2^24 bytes stays below 2^31.
    constexpr std::size_t kPiece = std::size_t{1} << 24;
    for (std::size_t start = kBpp; start < n; start += kPiece) {
        const std::size_t end = n - start > kPiece ? start + kPiece : n;
        std::uint32_t part = 0;
        for (std::size_t i = start; i < end; ++i)
            part += SignedMagnitude(static_cast<std::uint8_t>(cur[i] - F::predict(cur[i - kBpp], prev[i], prev[i - kBpp])));
        sum += part;
    }
    return sum;
}

template <class F>
[[gnu::always_inline]] inline void Apply(const std::uint8_t* prev, const std::uint8_t* cur, std::size_t n, std::uint8_t* out) {
    for (std::size_t i = 0; i < kBpp && i < n; ++i)
        out[i] = static_cast<std::uint8_t>(cur[i] - F::predict(0, prev[i], 0));
    for (std::size_t i = kBpp; i < n; ++i)
        out[i] = static_cast<std::uint8_t>(cur[i] - F::predict(cur[i - kBpp], prev[i], prev[i - kBpp]));
}

}  // namespace

PngRowFilter::PngRowFilter(std::size_t rowBytes, RowFilters filters)
    : rowBytes_(rowBytes), filters_(filters), zeros_(rowBytes, 0) {}

// Built twice with GCC: for AVX2, where the five scoring loops run on twice the bytes at once, and
// for the baseline; the loader picks one for the processor it runs on. Once only under
// ThreadSanitizer, whose runtime does not exist yet when the loader picks (the instrumented picking
// function crashes the program at start), and with clang, which would want the attribute on the
// declaration in the header too (the fuzz targets are built with clang).
#if defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_THREAD__)
#define PICTORELLE_FILTER_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define PICTORELLE_FILTER_CLONES
#endif

PICTORELLE_FILTER_CLONES
void PngRowFilter::filter(const std::uint8_t* prev, const std::uint8_t* cur, std::uint8_t* out) {
    const std::size_t n = rowBytes_;
    if (!prev) prev = zeros_.data();
    switch (filters_) {
    case RowFilters::Adaptive: break;
    case RowFilters::None: out[0] = 0; std::memcpy(out + 1, cur, n); return;
    case RowFilters::Sub: out[0] = 1; Apply<Sub>(prev, cur, n, out + 1); return;
    case RowFilters::Up: out[0] = 2; Apply<Up>(prev, cur, n, out + 1); return;
    case RowFilters::Average: out[0] = 3; Apply<Average>(prev, cur, n, out + 1); return;
    case RowFilters::Paeth: out[0] = 4; Apply<Paeth>(prev, cur, n, out + 1); return;
    }

    // Scoring reads only; the chosen filter is then written once, straight to out.
    const std::uint64_t scores[5] = {
        Score<None>(prev, cur, n), Score<Sub>(prev, cur, n), Score<Up>(prev, cur, n),
        Score<Average>(prev, cur, n), Score<Paeth>(prev, cur, n),
    };
    int best = 0;
    for (int t = 1; t < 5; ++t)
        if (scores[t] < scores[best]) best = t;
    out[0] = static_cast<std::uint8_t>(best);
    switch (best) {
    case 0: std::memcpy(out + 1, cur, n); break;
    case 1: Apply<Sub>(prev, cur, n, out + 1); break;
    case 2: Apply<Up>(prev, cur, n, out + 1); break;
    case 3: Apply<Average>(prev, cur, n, out + 1); break;
    default: Apply<Paeth>(prev, cur, n, out + 1); break;
    }
}

}  // namespace platform
