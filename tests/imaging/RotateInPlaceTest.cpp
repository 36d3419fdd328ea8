// Turning and mirroring the output picture in its own memory, against a plain copy that turns it.
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "imaging/RotateInPlace.h"

namespace {

using Pixels = std::vector<std::uint8_t>;

// The pixel that lands at (x, y) of the result comes from the source's (sx, sy); turns are clockwise.
Pixels TurnedCopy(const Pixels& src, int w, int h, int type, int& outW, int& outH)
{
    const bool sideways = type % 2 == 1;
    outW = sideways ? h : w;
    outH = sideways ? w : h;
    Pixels out(src.size());
    for (int y = 0; y < outH; ++y) {
        for (int x = 0; x < outW; ++x) {
            const int mx = type >= 4 ? outW - 1 - x : x;  // mirrored after the turn
            int sx = mx, sy = y;
            switch (type % 4) {
            case 1: sx = y, sy = h - 1 - mx; break;
            case 2: sx = w - 1 - mx, sy = h - 1 - y; break;
            case 3: sx = w - 1 - y, sy = mx; break;
            }
            for (int b = 0; b < 3; ++b)
                out[(std::size_t(y) * outW + x) * 3 + b] = src[(std::size_t(sy) * w + sx) * 3 + b];
        }
    }
    return out;
}

}  // namespace

TEST(RotateFlipInPlace, MatchesATurnedCopyForEveryShapeAndType)
{
    // Small pictures go through the scratch copy; the large ones through strips of rows or columns,
    // whole (sides of 128 blocks) or with rows or columns left over (prime sides, one side thin).
    const std::pair<int, int> shapes[] = {{1, 1},       {1, 7},       {9, 1},      {2, 3},
                                          {31, 17},     {64, 48},     {3000, 2048}, {1024, 6000},
                                          {2503, 2503}, {2503, 2297}, {2297, 2503}, {5, 1118489},
                                          {1118489, 5}};
    std::mt19937 random(7);
    for (const auto& [w, h] : shapes) {
        Pixels src(std::size_t(w) * h * 3);
        for (auto& b : src)
            b = std::uint8_t(random());
        const bool large = src.size() > platform::kRotateScratchBytes;
        for (int type = 0; type < 8; ++type) {
            if (large && type != 5)
                continue;  // the transposition alone: the other types only add mirrors to it
            int outW = 0, outH = 0;
            const Pixels expected = TurnedCopy(src, w, h, type, outW, outH);
            Pixels p = src;
            int width = w, height = h;
            ASSERT_TRUE(platform::RotateFlipInPlace(p.data(), width, height, type));
            EXPECT_EQ(width, outW);
            EXPECT_EQ(height, outH);
            EXPECT_TRUE(p == expected) << w << "x" << h << " type " << type;
        }
    }
    Pixels one(3);
    int w = 1, h = 1;
    EXPECT_FALSE(platform::RotateFlipInPlace(one.data(), w, h, 8));
    EXPECT_FALSE(platform::RotateFlipInPlace(one.data(), w, h, -1));
}
