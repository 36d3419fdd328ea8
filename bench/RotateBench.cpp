// Processor time of turning the output picture by 90 degrees in its own memory, for pictures of
// about the same area whose sides divide well and whose sides are primes.
//
//   pictorelle_rotate_bench [--runs N]
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "imaging/RotateInPlace.h"

namespace {

double ProcessorSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Median processor time of turning a width x height picture of noise by 90 degrees.
double MedianTurn(int width, int height, int runs)
{
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 3);
    std::uint64_t state = 1;  // a cheap noise: filling is not what is measured
    for (auto& b : pixels) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        b = static_cast<std::uint8_t>(state >> 56);
    }
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        int w = width, h = height;
        const double start = ProcessorSeconds();
        if (!platform::RotateFlipInPlace(pixels.data(), w, h, 1)) {
            std::fprintf(stderr, "turning %dx%d failed\n", width, height);
            std::exit(1);
        }
        times.push_back(ProcessorSeconds() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 5;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
    }
    // Pairs of the same area: sides with divisors between 8 and 128, then sides without any.
    const struct { int w, h; const char* kind; } cases[] = {
        {6000, 3990, "easy"}, {6007, 3989, "primes"},
        {3990, 6000, "easy"}, {3989, 6007, "primes"},
        {12000, 8000, "easy"}, {12007, 7993, "primes"},
    };
    std::printf("| picture | sides | processor time (median of %d) |\n|---|---|---|\n", runs);
    for (const auto& c : cases)
        std::printf("| %d x %d | %s | %.3f s |\n", c.w, c.h, c.kind, MedianTurn(c.w, c.h, runs));
    return 0;
}
