// The resolution read from EXIF's text as libvips gives it.
#include <gtest/gtest.h>

#include "imaging/frames/ExifResolution.h"
#include "imaging/frames/FrameResolution.h"

TEST(ExifResolution, FromTheTextOfEachUnit)
{
    const struct {
        const char* resolution;
        const char* unit;
        double dpi;  // 0: none
    } cases[] = {
        {"72/1 (72, Rational, 1 components, 8 bytes)", "2 (Inch, Short, 1 components, 2 bytes)", 72},
        {"300/1 (300, Rational)", "", 300},
        {"118/1 (118, Rational)", "3 (Centimeter, Short)", 299.72},
        {"72/0 (inf, Rational)", "2 (Inch)", 0},
        {"0/1 (0, Rational)", "2 (Inch)", 0},
        {"72/1 (72, Rational)", "1 (None, Short)", 0},
        {"seventy-two", "2 (Inch)", 0},
    };
    for (const auto& c : cases) {
        const auto dpi = platform::DpiFromExifText(c.resolution, c.unit);
        EXPECT_NEAR(dpi.value_or(0), c.dpi, 0.01) << c.resolution << " " << c.unit;
    }
    // libvips' placeholder of one pixel per millimetre is no resolution either.
    EXPECT_EQ(platform::DeclaredOrDefault(25.4), 96.0);
    EXPECT_EQ(platform::DeclaredOrDefault(std::nullopt), 96.0);
    EXPECT_EQ(platform::DeclaredOrDefault(72.0), 72.0);
}
