// The arithmetic and path rules of the conversion, called directly.
#include <limits>

#include <gtest/gtest.h>

#include "convert/KeepRatio.h"
#include "convert/EncoderLookup.h"
#include "convert/FrameDimensionNames.h"
#include "convert/FrameNumber.h"
#include "convert/PhotoPaths.h"
#include "convert/RotateFlipChoice.h"
#include "convert/SizeRule.h"
#include "imaging/ImagingLimits.h"
#include "imaging/Encoders.h"

using platform::RotateFlipType;

TEST(PhotoPaths, FolderOfPathKeepsItsTrailingSlash)
{
    EXPECT_EQ(GetFolderOfPath("/home/ann/Pics/holiday.jpg"), "/home/ann/Pics/");
    EXPECT_EQ(GetFolderOfPath("/photo.jpg"), "/");
    EXPECT_EQ(GetFolderOfPath("photo.jpg"), "");
    EXPECT_EQ(GetFolderOfPath("C:\\Pics\\a.jpg"), "") << "a backslash is an ordinary character here";
    EXPECT_EQ(GetFolderOfPath(""), "");
}

TEST(PhotoPaths, DisplayNameAndProposal)
{
    QString out = "untouched";
    EXPECT_FALSE(GetDisplayFileName("", out));
    EXPECT_EQ(out, "untouched");
    ASSERT_TRUE(GetDisplayFileName("/pics/holiday.photo.jpg", out));
    EXPECT_EQ(out, "holiday.photo.jpg");
    ASSERT_TRUE(GetDisplayFileName("http://x/y.png", out));
    EXPECT_EQ(out, "http://x/y.png") << "URL-like names are shown whole";
    ASSERT_TRUE(GetDisplayFileName("ftp:/y.png", out));
    EXPECT_EQ(out, "ftp:/y.png");

    EXPECT_EQ(ProposeOutputFile("/out/", "holiday.photo.jpg"), "/out/holiday.photo_out.png");
    EXPECT_EQ(ProposeOutputFile("/out/", "scan"), "/out/scan_out.png");
    EXPECT_EQ(ProposeOutputFile("", ".hidden"), "_out.png");

    // On disk a name that is not UTF-8 keeps its bytes, where the text holds U+FFFD.
    EXPECT_EQ(ProposeLocalOutputFile("/o\xfe/", "/p.d/bad\xff.x.jpg", QStringLiteral("bad\uFFFD.x.jpg")),
              "/o\xfe/bad\xff.x_out.png");
    EXPECT_EQ(ProposeLocalOutputFile("/o/", "/ab:/\xff.jpg", QStringLiteral("/ab:/\uFFFD.jpg")), "/o//ab:/\xff_out.png")
        << "a URL-like name whole, as its text";
}

TEST(PhotoPaths, FolderBelowAnAddedFolder)
{
    EXPECT_EQ(FolderBelow(QString("/trip"), QString("/trip/day2/IMG_0001.jpg")), "day2/");
    EXPECT_EQ(FolderBelow(QString("/trip/"), QString("/trip/a/b/c.jpg")), "a/b/");
    EXPECT_EQ(FolderBelow(QString("/trip"), QString("/trip/c.jpg")), "");
    EXPECT_EQ(FolderBelow(QString("/tri"), QString("/trip/a/c.jpg")), "") << "a name's start is no folder";
    EXPECT_EQ(FolderBelow(QString("/"), QString("/a/c.jpg")), "a/");
    EXPECT_EQ(FolderBelow(QString(), QString("/a/c.jpg")), "");
    EXPECT_EQ(FolderBelow(QByteArray("/t\xff"), QByteArray("/t\xff/d\xfe/c.jpg")), "d\xfe/") << "bytes kept";
}

TEST(PhotoPaths, PngExtensionReplacesOnlyTheFileNamesOwn)
{
    EXPECT_EQ(WithPngExtension("/out/result.jpg"), "/out/result.png");
    EXPECT_EQ(WithPngExtension("/out/result"), "/out/result.png");
    EXPECT_EQ(WithPngExtension("/my.folder/result"), "/my.folder/result.png");
    EXPECT_EQ(WithPngExtension("/my.folder/a.b.tiff"), "/my.folder/a.b.png");
    EXPECT_EQ(WithPngExtension("/out/result.PNG"), "/out/result.png");
}

TEST(FrameNumber, ClampsIntoTheFrames)
{
    EXPECT_EQ(ClampFrameNumber(12, 10), 9);
    EXPECT_EQ(ClampFrameNumber(-3, 10), 0);
    EXPECT_EQ(ClampFrameNumber(5, 10), 5);
    EXPECT_EQ(ClampFrameNumber(0, 1), 0);
    EXPECT_EQ(ClampFrameNumber(0, 0), std::nullopt) << "no frame: nothing to select or correct";
    EXPECT_EQ(ClampFrameNumber(4, -1), std::nullopt);
}

TEST(FrameDimensionNames, PublishedNamesElsePosition)
{
    EXPECT_EQ(FrameDimensionName(platform::FrameDimensionTime, 0), "FrameDimensionTime");
    EXPECT_EQ(FrameDimensionName(platform::FrameDimensionResolution, 1), "FrameDimensionResolution");
    EXPECT_EQ(FrameDimensionName(platform::FrameDimensionPage, 2), "FrameDimensionPage");
    EXPECT_EQ(FrameDimensionName(platform::Guid{1, 2, 3, {}}, 7), "Dimension7");
    EXPECT_EQ(platform::GuidToString(platform::FrameDimensionPage), "{7462DC86-6180-4C7E-8E3F-EE7333A7A483}");
    EXPECT_EQ(platform::GuidToString(platform::FrameDimensionTime), "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}");
}

struct AspectCase {
    int photoW, photoH, given, expected;
    bool byWidth;
};

class AspectRatioTest : public ::testing::TestWithParam<AspectCase> {};

TEST_P(AspectRatioTest, QuotientFirstThenTruncate)
{
    const auto c = GetParam();
    const int got = c.byWidth ? HeightForWidth(c.photoW, c.photoH, c.given) : WidthForHeight(c.photoW, c.photoH, c.given);
    EXPECT_EQ(got, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Examples, AspectRatioTest,
                         ::testing::Values(AspectCase{1024, 768, 800, 600, true}, AspectCase{1024, 768, 600, 800, false},
                                           AspectCase{600, 110, 600, 109, true}, AspectCase{176, 480, 300, 109, false},
                                           AspectCase{3, 2, 100, 66, true}, AspectCase{3, 2, -50, -33, true},
                                           AspectCase{400, 300, 0, 0, true},
                                           // a photo that failed to decode has no ratio
                                           AspectCase{0, 0, 800, 0, true}, AspectCase{0, 0, 800, 0, false},
                                           // products beyond 32 bits are clamped, not overflowed
                                           AspectCase{1, 1000, 2147483647, 2147483647, true},
                                           AspectCase{1, 1000, -2147483647, -2147483647 - 1, true}));

TEST(SizeRule, EveryRuleOnLandscapePortraitSquareAndSmallPhotos)
{
    using M = SizeRule::Mode;
    const struct {
        SizeRule rule;
        int photoW, photoH, w, h;
    } rows[] = {
        {{M::Keep, 0, 0, false}, 4000, 3000, 4000, 3000},
        {{M::Keep, 0, 0, true}, 4000, 3000, 4000, 3000},
        // one side given, the other truncated as the calculator does
        {{M::Width, 1920, 0, false}, 4000, 3000, 1920, 1440},
        {{M::Width, 1920, 0, false}, 1280, 960, 1920, 1440},
        {{M::Width, 1920, 0, true}, 1280, 960, 1280, 960},
        {{M::Width, 600, 0, false}, 600, 110, 600, 109},
        {{M::Height, 0, 800, false}, 900, 3000, 240, 800},
        {{M::Height, 0, 800, true}, 900, 3000, 240, 800},
        {{M::Height, 0, 800, true}, 900, 700, 900, 700},
        // fit: landscape, portrait, square, smaller than the box
        {{M::Fit, 800, 800, true}, 4000, 1000, 800, 200},
        {{M::Fit, 800, 800, true}, 900, 3000, 240, 800},
        {{M::Fit, 640, 480, false}, 1000, 1000, 480, 480},
        {{M::Fit, 800, 800, true}, 300, 200, 300, 200},
        {{M::Fit, 800, 800, false}, 300, 200, 800, 533},
        {{M::Fit, 800, 600, true}, 800, 601, 798, 600},
        // exactly: distorted; never enlarged only when within on both sides
        {{M::Exact, 640, 480, false}, 4000, 1000, 640, 480},
        {{M::Exact, 640, 480, true}, 300, 200, 300, 200},
        {{M::Exact, 640, 480, true}, 1000, 200, 640, 480},
        // one-pixel results: fit keeps a pixel, one given side may truncate to 0 (then refused)
        {{M::Fit, 100, 100, false}, 10000, 10, 100, 1},
        {{M::Fit, 100, 100, false}, 10, 10000, 1, 100},
        {{M::Fit, 1, 1, false}, 3, 2, 1, 1},
        {{M::Width, 100, 0, false}, 10000, 10, 100, 0},
        {{M::Width, 1, 0, false}, 1, 1, 1, 1},
        // no photo: nothing to fit
        {{M::Fit, 800, 800, false}, 0, 0, 0, 0},
    };
    for (const auto& r : rows) {
        const QSize got = OutputSizeOf(r.rule, r.photoW, r.photoH);
        EXPECT_EQ(got, QSize(r.w, r.h)) << static_cast<int>(r.rule.mode) << " " << r.rule.width << "x" << r.rule.height
                                        << (r.rule.noEnlarge ? " no-enlarge" : "") << " of " << r.photoW << "x"
                                        << r.photoH;
    }
    // The pixel limit is the caller's check: the arithmetic neither refuses nor overflows.
    const QSize huge = OutputSizeOf({M::Width, 100000, 0, false}, 3, 2);
    EXPECT_EQ(huge, QSize(100000, 66666));
    EXPECT_FALSE(platform::FitsImageLimit(huge.width(), huge.height()));
    EXPECT_EQ(OutputSizeOf({M::Width, 2147483647, 0, false}, 1, 1000), QSize(2147483647, 2147483647));
    const QSize bounded = OutputSizeOf({M::Fit, 16384, 16384, true}, 100000, 50000);
    EXPECT_EQ(bounded, QSize(16384, 8192));
    EXPECT_TRUE(platform::FitsImageLimit(bounded.width(), bounded.height()));
}

TEST(RotateFlipChoice, EveryAngleAndFlip)
{
    struct Row {
        int angle, flip, type;
    };
    const Row rows[] = {{0, 0, 0},   {0, 1, 4},   {0, 2, 6},   {90, 0, 1},  {90, 1, 5},  {90, 2, 7},
                        {180, 0, 2}, {180, 1, 6}, {180, 2, 4}, {270, 0, 3}, {270, 1, 7}, {270, 2, 5}};
    for (const auto& r : rows) {
        const auto choice = ChooseRotateFlip(r.angle, r.flip);
        EXPECT_EQ(static_cast<int>(choice.type), r.type) << r.angle << "/" << r.flip;
        EXPECT_TRUE(choice.angleKnown);
    }
    const auto odd = ChooseRotateFlip(45, 2);
    EXPECT_FALSE(odd.angleKnown);
    EXPECT_EQ(odd.type, RotateFlipType::RotateNoneFlipY) << "an unknown angle still flips";
    EXPECT_EQ(ChooseRotateFlip(90, 3).type, RotateFlipType::Rotate90FlipNone) << "an unknown flip does not";
    EXPECT_TRUE(ChooseRotateFlip(90, 3).angleKnown);
}

TEST(EncoderLookup, FindsPngByExactMimeType)
{
    platform::Guid clsid{};
    EXPECT_EQ(FindEncoderByMimeType("image/png", clsid), 0);
    EXPECT_EQ(clsid, platform::kPngEncoderClsid);
    platform::Guid untouched{7, 7, 7, {}};
    EXPECT_EQ(FindEncoderByMimeType("image/PNG", untouched), -1);
    EXPECT_EQ(FindEncoderByMimeType("image/jpeg", untouched), -1);
    EXPECT_EQ(untouched, (platform::Guid{7, 7, 7, {}}));
}
