// Camera RAW photos through LibRaw: size and orientation, white balance, decoding at the size
// needed, and files that must be refused.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "imaging/Bitmap.h"
#include "imaging/Image.h"
#include "imaging/raw/RawDecodePlan.h"
#include "support/BayerDng.h"
#include "support/Fixtures.h"

using platform::Image;

namespace {

constexpr std::uint16_t kBright = 60000;
constexpr std::uint16_t kDark = 6000;

// 96 x 64 sensor sites, the top-left quadrant lit and the rest dim, grey as the camera saw it.
BayerDngLayout LitCorner(int orientation)
{
    BayerDngLayout layout;
    layout.orientation = orientation;
    layout.value = [](int x, int y, int) { return x < 48 && y < 32 ? kBright : kDark; };
    return layout;
}

int Brightness(Rgb c)
{
    return c[0] + c[1] + c[2];
}

// The pixel at a fraction of the active frame, drawn onto a bitmap of width x height.
Rgb DrawnAt(const Image& image, int width, int height, double fx, double fy)
{
    auto bitmap = platform::Bitmap::Create(width, height);
    if (bitmap->DrawImage(image) != platform::Status::Ok)
        return Rgb{};
    const int x = int(fx * (width - 1)), y = int(fy * (height - 1));
    const std::uint8_t* p = bitmap->Bits() + std::ptrdiff_t(y) * bitmap->Stride() + x * 3;
    return Rgb{p[0], p[1], p[2]};
}

class CameraRawTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

TEST_F(CameraRawTest, DngIsOneStillFrameTurnedAsRecorded)
{
    const struct {
        int orientation;
        unsigned width, height;
        double litX, litY;  // where the lit quadrant ends up
    } cases[] = {
        {1, 96, 64, 0.1, 0.1},
        {6, 64, 96, 0.9, 0.1},  // a quarter clockwise: the top-left corner goes to the top right
        {8, 64, 96, 0.1, 0.9},  // anticlockwise: to the bottom left
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.orientation);
        auto image = Image::LoadFromFile(WriteBayerDng(Path("shot.dng"), LitCorner(c.orientation)));
        ASSERT_FALSE(image->IsEmpty());
        EXPECT_EQ(image->Width(), c.width);
        EXPECT_EQ(image->Height(), c.height);
        EXPECT_NEAR(image->HorizontalResolution(), 96.0, 0.001);
        ASSERT_EQ(image->FrameDimensionsList(), std::vector<platform::Guid>{platform::FrameDimensionPage});
        EXPECT_EQ(image->FrameCount(platform::FrameDimensionPage), 1u);
        // Full size, and half size (developed from 2 x 2 blocks) for an output half as large.
        for (int shrink : {1, 2}) {
            const int w = int(c.width) / shrink, h = int(c.height) / shrink;
            const Rgb lit = DrawnAt(*image, w, h, c.litX, c.litY);
            const Rgb opposite = DrawnAt(*image, w, h, 1 - c.litX, 1 - c.litY);
            EXPECT_GT(Brightness(lit), Brightness(opposite) + 150) << "shrink " << shrink;
        }
    }
}

TEST_F(CameraRawTest, CameraWhiteBalanceKeepsGreyNeutralAndRedRed)
{
    // The camera saw neutral grey with weak red and blue: left half grey, right half red light.
    BayerDngLayout layout;
    layout.neutral[0] = 0.5;
    layout.neutral[2] = 0.7;
    layout.value = [](int x, int, int colour) -> std::uint16_t {
        const double grey[3] = {0.5 * 20000, 20000, 0.7 * 20000};
        const double red[3] = {0.5 * 40000, 2000, 0.7 * 2000};
        return std::uint16_t((x < 48 ? grey : red)[colour]);
    };
    auto image = Image::LoadFromFile(WriteBayerDng(Path("balance.dng"), layout));
    ASSERT_FALSE(image->IsEmpty());
    const Rgb grey = ActiveFramePixel(*image, 20, 32);
    const Rgb red = ActiveFramePixel(*image, 76, 32);
    EXPECT_GT(grey[1], 60);
    EXPECT_NEAR(grey[0], grey[1], 8);
    EXPECT_NEAR(grey[2], grey[1], 8);
    EXPECT_GT(red[0], red[1] + 80);
    EXPECT_GT(red[0], red[2] + 80);
}

TEST_F(CameraRawTest, BrokenRawFilesAreUndecodable)
{
    const QByteArray whole = BayerDng(LitCorner(1));
    BayerDngLayout huge = LitCorner(1);
    huge.declaredWidth = huge.declaredHeight = 100000;
    BayerDngLayout tooMany = LitCorner(1);
    tooMany.declaredWidth = tooMany.declaredHeight = 20000;  // 400 megapixels
    // Samples of 0 bits, which LibRaw takes for 12 and develops as noise; in the first IFD and,
    // behind a thumbnail, in a SubIFD.
    BayerDngLayout zeroBits = LitCorner(1);
    zeroBits.declaredBitsPerSample = 0;
    BayerDngLayout zeroBitsInSubIfd = zeroBits;
    zeroBitsInSubIfd.thumbnail = {4, 2, false, QByteArray(4 * 2 * 3, '\x40')};
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919) >> 3);
    WriteAll(Path("cut.dng"), whole.left(whole.size() * 2 / 3));
    WriteAll(Path("headless.dng"), whole.left(200));
    WriteBayerDng(Path("huge.dng"), huge);
    WriteBayerDng(Path("many.dng"), tooMany);
    WriteBayerDng(Path("zero_bits.dng"), zeroBits);
    WriteBayerDng(Path("zero_bits_in_subifd.dng"), zeroBitsInSubIfd);
    WriteAll(Path("empty.dng"), {});
    WriteAll(Path("noise.dng"), QByteArray("II*\0\x08\0\0\0", 8) + noise);
    WriteAll(Path("noise.raf"), QByteArray("FUJIFILMCCD-RAW 0201FF383501") + noise);
    WriteAll(Path("noise.cr3"), QByteArray("\0\0\0\x18" "ftypcrx \0\0\0\1crx isom", 24) + noise);
    WriteAll(Path("noise.orf"), QByteArray("IIRO\x08\0\0\0", 8) + noise);
    for (const char* name : {"cut.dng", "headless.dng", "huge.dng", "many.dng", "zero_bits.dng",
                             "zero_bits_in_subifd.dng", "empty.dng", "noise.dng", "noise.raf", "noise.cr3", "noise.orf"}) {
        auto image = Image::LoadFromFile(Path(name));
        EXPECT_TRUE(image->IsEmpty()) << name;
        EXPECT_EQ(image->Width(), 0u) << name;
    }
}

// A Make tag does not make a camera RAW: LibRaw would develop this grey ramp as a colour mosaic.
TEST_F(CameraRawTest, OrdinaryTiffNamingACameraIsReadAsTiff)
{
    WriteAll(Path("grey.tif"), GreyTiffNamingCamera(256, 192, "NIKON CORPORATION"));
    const auto image = Image::LoadFromFile(Path("grey.tif"));
    ASSERT_EQ(image->Width(), 256u);
    ASSERT_EQ(image->Height(), 192u);
    for (const int x : {0, 100, 255}) {
        const Rgb p = ActiveFramePixel(*image, x, 96);
        EXPECT_EQ(p[0], p[1]) << x;
        EXPECT_EQ(p[1], p[2]) << x;
        EXPECT_NEAR(p[0], x, 1) << "the ramp";
    }
}

TEST(RawDecodePlan, HalfSizeOnlyWhenEnoughAndThumbnailOnlyWhenItFits)
{
    using platform::HalfSizeSuffices;
    using platform::ThumbnailServesPreview;
    EXPECT_TRUE(HalfSizeSuffices(6000, 4000, 3000, 2000));
    EXPECT_FALSE(HalfSizeSuffices(6000, 4000, 3001, 2000));  // one pixel more than half: full size
    EXPECT_FALSE(HalfSizeSuffices(6000, 4000, 3000, 2001));
    EXPECT_FALSE(HalfSizeSuffices(6000, 4000, 0, 0));
    EXPECT_TRUE(ThumbnailServesPreview(1620, 1080, 6000, 4000));
    EXPECT_TRUE(ThumbnailServesPreview(1080, 1620, 4000, 6000));
    EXPECT_FALSE(ThumbnailServesPreview(1620, 1080, 4000, 6000));  // not turned as the photo
    EXPECT_FALSE(ThumbnailServesPreview(1620, 1080, 4000, 3000));  // a 3:2 preview of a 4:3 photo
    EXPECT_FALSE(ThumbnailServesPreview(160, 120, 4000, 3000));    // too small to show
}

}  // namespace
