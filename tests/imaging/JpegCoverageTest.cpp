// The counting behind our JPEG decoder's refusals: which MCUs left without data pass, which
// scans add up to a whole progressive picture, and what each libjpeg warning means.
#include <cstdio>
#include <vector>

#include <gtest/gtest.h>
#include <jpeglib.h>
#include <jerror.h>

#include "imaging/jpeg/JpegCoverage.h"
#include "imaging/jpeg/JpegProgression.h"
#include "imaging/jpeg/JpegWarningKind.h"

using platform::JpegCoverage;

namespace {

constexpr int kEnd = 0xD9;

TEST(JpegCoverage, OnlyAFewMcusAtTheVeryEndMayLackData)
{
    // One scan of 30 x 20 MCUs (600): the allowance is 6, fewer than a row of 30.
    const struct {
        const char* name;
        std::vector<int> scans;  // MCUs per scan, each of 600
        std::int64_t filledFrom, filledTo;  // of the last scan, [from, to)
        int marker;
        std::int64_t leftover;
        bool whole;
    } cases[] = {
        {"all from data", {600}, 0, 0, 0, 0, true},
        {"the last 6 filled at the end marker", {600}, 594, 600, kEnd, 0, true},
        {"the last 7 filled", {600}, 593, 600, kEnd, 0, false},
        {"the last 6 filled at a false marker", {600}, 594, 600, 0x5A, 0, false},
        {"6 filled, then data again", {600}, 590, 596, kEnd, 0, false},
        {"a scan short, then another scan", {600, 600}, 0, 0, 0, 0, false},
        {"32 bytes left over", {600}, 0, 0, 0, 32, true},
        {"33 bytes left over", {600}, 0, 0, 0, 33, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        JpegCoverage coverage;
        for (std::size_t s = 0; s < c.scans.size(); ++s) {
            coverage.StartScan({600, 30});
            const bool last = s + 1 == c.scans.size();
            // A scan followed by another one stops short when its data runs out.
            const std::int64_t decoded = last ? c.scans[s] : c.scans[s] - 1;
            if (c.marker)
                coverage.MetMarker(c.marker);
            for (std::int64_t i = 0; i < decoded; ++i)
                coverage.AfterMcu(last && i >= c.filledFrom && i < c.filledTo);
        }
        coverage.Leftover(c.leftover);
        EXPECT_EQ(coverage.Whole(), c.whole);
    }
    JpegCoverage oneRow;  // 32 MCUs in one row: nothing may be missing
    oneRow.StartScan({32, 32});
    oneRow.MetMarker(kEnd);
    for (int i = 0; i < 32; ++i)
        oneRow.AfterMcu(i == 31);
    EXPECT_FALSE(oneRow.Whole());
}

TEST(JpegProgression, EveryCoefficientSentAndRefinedToTheEnd)
{
    int bits[3][64] = {};
    EXPECT_TRUE(platform::ProgressionComplete(bits, 3));
    bits[2][63] = -1;  // never sent
    EXPECT_FALSE(platform::ProgressionComplete(bits, 3));
    EXPECT_TRUE(platform::ProgressionComplete(bits, 2));
    bits[2][63] = 0;
    bits[0][0] = 1;  // the DC's last bit never refined
    EXPECT_FALSE(platform::ProgressionComplete(bits, 3));

    const struct {
        int ss, ah, coefficient;
        bool outOfOrder;
    } scans[] = {
        {0, 0, 0, false},  // the DC first scan again
        {1, 0, 5, false},  // an AC first scan again
        {0, 1, 0, true},   // a DC refinement without its first scan
        {1, 2, 9, true},   // an AC refinement out of order
        {1, 0, 0, true},   // an AC scan before any DC scan
    };
    for (const auto& s : scans)
        EXPECT_EQ(platform::RefinesOutOfOrder(s.ss, s.ah, s.coefficient), s.outOfOrder) << s.ss << s.ah << s.coefficient;
}

TEST(JpegWarningKind, EachOfLibjpegsWarningsByItsCode)
{
    using Kind = platform::JpegWarningKind;
    const std::pair<int, Kind> codes[] = {
        {JWRN_ADOBE_XFORM, Kind::Harmless},     {JWRN_JFIF_MAJOR, Kind::Harmless},
        {JWRN_NOT_SEQUENTIAL, Kind::Harmless},  {JWRN_BOGUS_ICC, Kind::Harmless},
        {JWRN_TOO_MUCH_DATA, Kind::Harmless},   {JWRN_HIT_MARKER, Kind::DataRanOut},
        {JWRN_EXTRANEOUS_DATA, Kind::Leftover}, {JWRN_BOGUS_PROGRESSION, Kind::ScanOrder},
        {JWRN_JPEG_EOF, Kind::Damage},          {JWRN_MUST_RESYNC, Kind::Damage},
        {JWRN_HUFF_BAD_CODE, Kind::Damage},     {JWRN_ARITH_BAD_CODE, Kind::Damage},
    };
    for (const auto& [code, kind] : codes)
        EXPECT_EQ(platform::KindOfJpegWarning(code), kind) << code;
}

}  // namespace
