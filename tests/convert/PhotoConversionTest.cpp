// The conversion pipeline called directly: statuses per step, orientation by pixels at a
// non-square size, drawing between the steps, and the PNG it writes.
#include <algorithm>
#include <cstdio>
#include <atomic>

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <vips/vips8>

#include "convert/PhotoConversion.h"
#include "convert/PhotoDocument.h"
#include "convert/RotateFlipChoice.h"
#include "imaging/Bitmap.h"
#include "imaging/ConversionProgress.h"
#include "imaging/Encoders.h"
#include "settings/FontRecordConversion.h"
#include "settings/FontRecordStore.h"
#include "support/Fixtures.h"

using platform::RotateFlipType;
using platform::Status;


// The picture a conversion holds, as it stands between the steps.
class PhotoConversionProbe {
public:
    static platform::Bitmap& Picture(PhotoConversion& c) { return *c.bitmap_; }
};

namespace {

class PhotoConversionTest : public ::testing::Test {
protected:
    QString TempPath(const QString& name) const { return dir_.filePath(name); }
    PhotoDocument Open(const QString& path)
    {
        PhotoDocument photo;
        photo.Open(path);
        photo.ListFrameDimensions();
        return photo;
    }
    // Every step in order; the first that fails ends the conversion with its status.
    static Status Convert(const PhotoDocument& photo, int width, int height, RotateFlipType type, const QString& out)
    {
        PhotoConversion conversion(photo, width, height);
        for (const Status s : {conversion.SetResolution(), conversion.SetInterpolationMode(), conversion.DrawPhoto(),
                               conversion.RotateFlip(type), conversion.Save(out, platform::kPngEncoderClsid)}) {
            if (s != Status::Ok)
                return s;
        }
        return Status::Ok;
    }
    QTemporaryDir dir_;
};

TEST_F(PhotoConversionTest, TwelveOrientationsByCornerMarkers)
{
    using C = Corner;
    struct Case {
        int angle, flip;
        std::array<Corner, 4> corners;  // colours expected at TL, TR, BL, BR of the output
    };
    const Case cases[] = {
        {0, 0, {C::TopLeft, C::TopRight, C::BottomLeft, C::BottomRight}},
        {0, 1, {C::TopRight, C::TopLeft, C::BottomRight, C::BottomLeft}},
        {0, 2, {C::BottomLeft, C::BottomRight, C::TopLeft, C::TopRight}},
        {90, 0, {C::BottomLeft, C::TopLeft, C::BottomRight, C::TopRight}},
        {90, 1, {C::TopLeft, C::BottomLeft, C::TopRight, C::BottomRight}},
        {90, 2, {C::BottomRight, C::TopRight, C::BottomLeft, C::TopLeft}},
        {180, 0, {C::BottomRight, C::BottomLeft, C::TopRight, C::TopLeft}},
        {180, 1, {C::BottomLeft, C::BottomRight, C::TopLeft, C::TopRight}},
        {180, 2, {C::TopRight, C::TopLeft, C::BottomRight, C::BottomLeft}},
        {270, 0, {C::TopRight, C::BottomRight, C::TopLeft, C::BottomLeft}},
        {270, 1, {C::BottomRight, C::TopRight, C::BottomLeft, C::TopLeft}},
        {270, 2, {C::TopLeft, C::BottomLeft, C::TopRight, C::BottomRight}},
    };
    const PhotoDocument photo = Open(WriteCornerMarkers(TempPath("corners.png"), 80, 60));
    for (const auto& c : cases) {
        const QString out = TempPath(QString("out_%1_%2.png").arg(c.angle).arg(c.flip));
        ASSERT_EQ(Convert(photo, 40, 30, ChooseRotateFlip(c.angle, c.flip).type, out), Status::Ok);
        const Decoded d = DecodeFile(out);
        const bool turned = c.angle == 90 || c.angle == 270;
        EXPECT_EQ(d.width, turned ? 30 : 40) << out.toStdString();
        EXPECT_EQ(d.height, turned ? 40 : 30) << out.toStdString();
        const int r = d.width - 3, b = d.height - 3;
        EXPECT_EQ(d.At(2, 2), CornerColour(c.corners[0])) << out.toStdString() << " top left";
        EXPECT_EQ(d.At(r, 2), CornerColour(c.corners[1])) << out.toStdString() << " top right";
        EXPECT_EQ(d.At(2, b), CornerColour(c.corners[2])) << out.toStdString() << " bottom left";
        EXPECT_EQ(d.At(r, b), CornerColour(c.corners[3])) << out.toStdString() << " bottom right";
    }
}

TEST_F(PhotoConversionTest, WhatIsDrawnBetweenTheStepsTurnsWithThePicture)
{
    const PhotoDocument photo = Open(WriteSolid(TempPath("p.png"), 50, 20, {0, 0, 0}));
    PhotoConversion conversion(photo, 50, 20);
    ASSERT_EQ(conversion.DrawPhoto(), Status::Ok);
    // A white mark in the top-left corner, where an overlay would draw.
    platform::Bitmap& picture = PhotoConversionProbe::Picture(conversion);
    for (int i = 0; i < 3; ++i)
        picture.Bits()[i] = 255;
    ASSERT_EQ(conversion.RotateFlip(RotateFlipType::Rotate90FlipNone), Status::Ok);
    ASSERT_EQ(conversion.Save(TempPath("o.png"), platform::kPngEncoderClsid), Status::Ok);
    const Decoded d = DecodeFile(TempPath("o.png"));
    ASSERT_EQ(d.width, 20);
    EXPECT_EQ(d.At(19, 0), (Rgb{255, 255, 255})) << "the mark follows the turn to the top right";
    EXPECT_EQ(d.At(0, 0), (Rgb{0, 0, 0}));
}

TEST_F(PhotoConversionTest, AnyTextInAnyFontDrawsOrFallsBackWithoutHarm)
{
    const PhotoDocument photo = Open(WriteSolid(TempPath("p.png"), 64, 24, {0, 0, 0}));
    PhotoConversion conversion(photo, 64, 24);
    ASSERT_EQ(conversion.DrawPhoto(), Status::Ok);
    const QString texts[] = {QString::fromUtf8("\u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627"),
                             QString::fromUtf8("\u5199\u771f\u3068\u6587\u5b57"),
                             QString::fromUtf8("e\u0301\u0308\u0323 a\u20dd"),
                             QString::fromUtf8("\U0001F600\U0001F44D\U0001F3FD"),
                             QString(10000, QChar(u'W')),
                             QString::fromUtf8("\xed\xa0\x80 lone surrogate")};
    LOGFONTW record = OverlayFontDefaults();
    for (const QString& text : texts)
        EXPECT_EQ(conversion.DrawText(text, FontFromRecord(record), Qt::white, 0, 0), Status::Ok);

    const struct {
        int height, weight;
        const char* face;
    } fonts[] = {{0, 400, ""}, {-100000, 5000, "No Such Face"}, {100000, -3, "DejaVu Sans"}, {INT32_MIN, 0, ""}};
    for (const auto& f : fonts) {
        record.lfHeight = f.height;
        record.lfWeight = f.weight;
        record.lfFaceName = f.face;
        EXPECT_EQ(conversion.DrawText("Wg", FontFromRecord(record), Qt::white, 3, 2), Status::Ok) << f.height;
    }
    const platform::Bitmap& picture = PhotoConversionProbe::Picture(conversion);
    EXPECT_NE(std::count(picture.Bits(), picture.Bits() + 64 * 24 * 3, 0), 64 * 24 * 3) << "something was drawn";
}

TEST_F(PhotoConversionTest, WritesSrgbPngWithResolutionAndNothingElse)
{
    const QString out = TempPath("out.png");
    const PhotoDocument photo = Open(WriteSolid(TempPath("dpi.jpg"), 64, 48, {200, 100, 50}, 300, 150));
    ASSERT_EQ(Convert(photo, 64, 48, RotateFlipType::RotateNoneFlipNone, out), Status::Ok);

    const auto chunks = ReadPngChunks(out);
    ASSERT_GE(chunks.size(), 4u);
    EXPECT_EQ(chunks.front().type, "IHDR");
    EXPECT_EQ(chunks.front().data[8], 8) << "bit depth";
    EXPECT_EQ(chunks.front().data[9], 2) << "colour type RGB";
    EXPECT_EQ(chunks.back().type, "IEND");
    bool phys = false;
    for (const auto& c : chunks) {
        EXPECT_TRUE(c.type == "IHDR" || c.type == "sRGB" || c.type == "gAMA" || c.type == "cHRM" || c.type == "pHYs" ||
                    c.type == "IDAT" || c.type == "IEND")
            << c.type;
        if (c.type == "pHYs") {
            phys = true;
            const auto& p = c.data;
            const std::uint32_t x = (p[0] << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
            const std::uint32_t y = (p[4] << 24) | (p[5] << 16) | (p[6] << 8) | p[7];
            EXPECT_EQ(x, 11811u) << "300 dpi";
            EXPECT_EQ(y, 11811u) << "the horizontal resolution on both axes";
            EXPECT_EQ(p[8], 1);
        }
    }
    EXPECT_TRUE(phys);
    if (const auto ok = PngCheckAccepts(out)) {
        EXPECT_TRUE(*ok);
    }
    const Decoded d = DecodeFile(out);
    EXPECT_EQ(d.bands, 3);
    EXPECT_EQ(d.At(10, 10), (Rgb{200, 100, 50}));
}

TEST_F(PhotoConversionTest, SameSizeKeepsEveryPixelAndAlphaGoesOntoBlack)
{
    vips::VImage noise = vips::VImage::gaussnoise(37, 23, vips::VImage::option()->set("sigma", 60.0))
                             .bandjoin(vips::VImage::gaussnoise(37, 23))
                             .bandjoin(vips::VImage::gaussnoise(37, 23))
                             .cast(VIPS_FORMAT_UCHAR)
                             .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    noise.write_to_file(TempPath("noise.png").toLocal8Bit().constData());
    ASSERT_EQ(Convert(Open(TempPath("noise.png")), 37, 23, RotateFlipType::RotateNoneFlipNone, TempPath("same.png")),
              Status::Ok);
    EXPECT_EQ(DecodeFile(TempPath("same.png")).pixels, DecodeFile(TempPath("noise.png")).pixels);

    // Half-transparent red over the black picture.
    vips::VImage rgba = vips::VImage::black(10, 6)
                            .new_from_image(std::vector<double>{255, 0, 0, 128})
                            .cast(VIPS_FORMAT_UCHAR)
                            .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    rgba.write_to_file(TempPath("alpha.png").toLocal8Bit().constData());
    ASSERT_EQ(Convert(Open(TempPath("alpha.png")), 10, 6, RotateFlipType::RotateNoneFlipNone, TempPath("a.png")),
              Status::Ok);
    const Rgb px = DecodeFile(TempPath("a.png")).At(5, 3);
    EXPECT_NEAR(px[0], 128, 1);
    EXPECT_EQ(px[1], 0);
    EXPECT_EQ(px[2], 0);
}

TEST_F(PhotoConversionTest, StretchesToTheOutputSizeWithoutCropping)
{
    const PhotoDocument photo = Open(WriteCornerMarkers(TempPath("wide.png"), 800, 600));
    ASSERT_EQ(Convert(photo, 100, 100, RotateFlipType::RotateNoneFlipNone, TempPath("square.png")), Status::Ok);
    const Decoded d = DecodeFile(TempPath("square.png"));
    EXPECT_EQ(d.width, 100);
    EXPECT_EQ(d.height, 100);
    EXPECT_EQ(d.At(1, 1), CornerColour(Corner::TopLeft));
    EXPECT_EQ(d.At(98, 98), CornerColour(Corner::BottomRight));
}

TEST_F(PhotoConversionTest, EveryStepFailsOnAPictureThatCannotBeAllocated)
{
    const PhotoDocument photo = Open(WriteSolid(TempPath("p.png"), 20, 10, {1, 2, 3}));
    for (const auto& [w, h] : {std::pair{100000, 100000}, std::pair{2147483647, 1}, std::pair{0, 1}}) {
        PhotoConversion conversion(photo, w, h);
        EXPECT_NE(conversion.SetResolution(), Status::Ok) << w << "x" << h;
        EXPECT_NE(conversion.SetInterpolationMode(), Status::Ok);
        EXPECT_NE(conversion.DrawPhoto(), Status::Ok);
        EXPECT_NE(conversion.RotateFlip(RotateFlipType::Rotate90FlipNone), Status::Ok);
        EXPECT_NE(conversion.Save(TempPath("big.png"), platform::kPngEncoderClsid), Status::Ok);
    }
    EXPECT_FALSE(QFile::exists(TempPath("big.png")));

    // Before any photo, and with one that cannot be decoded, there is nothing to draw.
    EXPECT_NE(PhotoConversion(PhotoDocument(), 4, 4).DrawPhoto(), Status::Ok);
    WriteAll(TempPath("bad.jpg"), "nope");
    EXPECT_NE(PhotoConversion(Open(TempPath("bad.jpg")), 4, 4).DrawPhoto(), Status::Ok);
}

TEST_F(PhotoConversionTest, CancelStopsTheDrawingAndTheSaveAndKeepsTheOldFile)
{
    const PhotoDocument photo = Open(WriteSolid(TempPath("p.png"), 20, 10, {1, 2, 3}));
    std::atomic<bool> cancel{false};
    PhotoConversion conversion(photo, 200, 100, &cancel);
    ASSERT_EQ(conversion.DrawPhoto(), Status::Ok);
    WriteAll(TempPath("old.png"), "precious");
    cancel = true;
    EXPECT_TRUE(conversion.Cancelled());
    EXPECT_NE(conversion.DrawPhoto(), Status::Ok);
    EXPECT_NE(conversion.Save(TempPath("old.png"), platform::kPngEncoderClsid), Status::Ok);
    EXPECT_EQ(ReadAll(TempPath("old.png")), "precious");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"old.png", "p.png"}));
}

TEST(ProgressPercent, DrawingThenWritingEachHalfNeverBackNever100Early)
{
    struct Case {
        std::int64_t drawn, drawRows, written, writeRows;
        int percent;
    };
    // In the order a conversion of 2300 rows passes through them.
    const Case cases[] = {
        {0, 0, 0, 0, 0},            // nothing made yet
        {0, 2300, 0, 0, 0},
        {23, 2300, 0, 0, 0},
        {1150, 2300, 0, 0, 25},
        {2299, 2300, 0, 0, 49},
        {2300, 2300, 0, 0, 50},
        {2300, 2300, 0, 2300, 50},  // the save starts
        {0, 0, 0, 2300, 50},        // a save under way means the drawing is over
        {2300, 2300, 1150, 2300, 75},
        {2300, 2300, 2299, 2300, 99},
        {2300, 2300, 2300, 2300, 100},
        {9000, 2300, 9000, 2300, 100},  // counts past the end go no further
    };
    int before = 0;
    for (const Case& c : cases) {
        const int percent = platform::ProgressPercent(c.drawn, c.drawRows, c.written, c.writeRows);
        EXPECT_EQ(percent, c.percent) << c.drawn << "/" << c.drawRows << " " << c.written << "/" << c.writeRows;
        EXPECT_GE(percent, before);
        before = percent;
    }
    EXPECT_EQ(platform::ProgressPercent(-5, 2300, -5, 0), 0);
}

TEST_F(PhotoConversionTest, ProgressCountsEveryRowDrawnAndWritten)
{
    // Tall enough for the writer to make several strips; turned, so the picture written has
    // other rows than the one drawn.
    const PhotoDocument photo = Open(WriteNoise(TempPath("p.png"), 300, 200));
    platform::ConversionProgress progress;
    PhotoConversion conversion(photo, 170, 2300, nullptr, &progress);
    EXPECT_EQ(platform::ProgressPercent(progress), 0);
    ASSERT_EQ(conversion.DrawPhoto(), Status::Ok);
    EXPECT_EQ(progress.drawn, 2300);
    EXPECT_EQ(progress.drawRows, 2300);
    EXPECT_EQ(platform::ProgressPercent(progress), 50);
    ASSERT_EQ(conversion.RotateFlip(RotateFlipType::Rotate90FlipNone), Status::Ok);
    ASSERT_EQ(conversion.Save(TempPath("out.png"), platform::kPngEncoderClsid), Status::Ok);
    EXPECT_EQ(progress.writeRows, 170);
    EXPECT_EQ(progress.written, 170);
    EXPECT_EQ(platform::ProgressPercent(progress), 100);
}

TEST_F(PhotoConversionTest, ThePhotoOpenedIsThePhotoDrawn)
{
    // Removed, or replaced by another under its name: the photo whose size was shown is drawn.
    const PhotoDocument gone = Open(WriteSolid(TempPath("gone.png"), 20, 10, {9, 8, 7}));
    QFile::remove(TempPath("gone.png"));
    PhotoConversion removed(gone, 20, 10);
    EXPECT_EQ(removed.DrawPhoto(), Status::Ok);
    EXPECT_EQ(PhotoConversionProbe::Picture(removed).Bits()[0], 9);
    const PhotoDocument swapped = Open(WriteSolid(TempPath("swapped.jpg"), 64, 48, {250, 0, 0}));
    WriteSolid(TempPath("other.jpg"), 48, 64, {0, 0, 250});
    ASSERT_EQ(std::rename(QFile::encodeName(TempPath("other.jpg")).constData(),
                          QFile::encodeName(TempPath("swapped.jpg")).constData()), 0);
    PhotoConversion replaced(swapped, 64, 48);
    EXPECT_EQ(replaced.DrawPhoto(), Status::Ok);
    EXPECT_GT(PhotoConversionProbe::Picture(replaced).Bits()[0], 240) << "red, as opened";
    EXPECT_LT(PhotoConversionProbe::Picture(replaced).Bits()[2], 15);

    // Written again in place after opening: the frame opening decoded whole and kept is not drawn.
    const PhotoDocument rewritten = Open(WriteSolid(TempPath("rewritten.png"), 20, 10, {200, 0, 0}));
    WriteAll(TempPath("rewritten.png"), ReadAll(WriteSolid(TempPath("blue.png"), 20, 10, {0, 0, 200})));
    PhotoConversion again(rewritten, 20, 10);
    EXPECT_EQ(again.DrawPhoto(), Status::Ok);
    EXPECT_EQ(PhotoConversionProbe::Picture(again).Bits()[2], 200) << "blue, as it is now";

    // Cut short after opening: the drawing notices instead of returning a half-grey picture.
    WriteSolid(TempPath("cut.jpg"), 300, 200, {9, 8, 7});
    const PhotoDocument cut = Open(TempPath("cut.jpg"));
    WriteAll(TempPath("cut.jpg"), ReadAll(TempPath("cut.jpg")).left(400));
    EXPECT_NE(PhotoConversion(cut, 300, 200).DrawPhoto(), Status::Ok);
}

TEST_F(PhotoConversionTest, DocumentListsFramesAndSelectsThem)
{
    PhotoDocument photo = Open(DataFile("pages_3_sizes.tif"));
    ASSERT_EQ(photo.DimensionCount(), 1u);
    EXPECT_EQ(photo.FrameCount(0), 3);
    EXPECT_EQ(photo.FrameCount(1), 0);
    EXPECT_EQ(photo.SelectFrame(0, 1), Status::Ok);
    EXPECT_EQ(photo.Width(), 20);
    EXPECT_EQ(photo.Height(), 50);
    EXPECT_NE(photo.SelectFrame(0, 3), Status::Ok);
    EXPECT_NE(photo.SelectFrame(1, 0), Status::Ok);
    EXPECT_EQ(photo.Width(), 20) << "a refused choice keeps the active frame";
}

}  // namespace
