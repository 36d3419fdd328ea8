// Loading photos: the allowed decoders, frames and pages, resolution, and files that must be refused.
#include <chrono>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vips/vips8>
#include <zlib.h>

#include "imaging/Bitmap.h"
#include "imaging/Image.h"
#include "imaging/ImagingRuntime.h"
#include "imaging/testing/ImagingTestSeams.h"
#include "system/OpenRegularFile.h"
#include "imaging/frames/PhotoSource.h"
#include "support/Fixtures.h"
#include "support/PngDamage.h"

using platform::Image;

namespace {

// GIF palettes may move a colour by a step or two.
bool NearlyEqual(Rgb a, Rgb b)
{
    for (int i = 0; i < 3; ++i) {
        if (std::abs(int(a[i]) - int(b[i])) > 3)
            return false;
    }
    return true;
}

class ImageLoadingTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

TEST_F(ImageLoadingTest, OnlyAllowlistedLoadersAreReachable)
{
    const auto reachable = platform::ReachableFileLoaders();
    for (const auto& loader : reachable)
        EXPECT_TRUE(platform::AllowedFileLoaders().count(loader)) << loader << " is reachable but not allowed";
    for (const char* core : {"jpegload", "pngload", "gifload", "tiffload", "webpload"})
        EXPECT_TRUE(reachable.count(core)) << core << " should be reachable";
    // Their modules are the only ones loaded; ImageMagick's is not even registered.
    for (const char* module : {"heifload", "jxlload"})
        EXPECT_TRUE(reachable.count(module)) << module << " should be reachable";
    EXPECT_EQ(g_type_from_name("VipsForeignLoadMagick"), GType(0));
    EXPECT_FALSE(reachable.count("magickload"));
    EXPECT_FALSE(reachable.count("pdfload"));
    // Photos are read from sources: the same allowlist holds for their loaders.
    const auto sources = platform::ReachableSourceLoaders();
    for (const auto& loader : sources)
        EXPECT_TRUE(platform::AllowedFileLoaders().count(loader.substr(0, loader.size() - 7))) << loader;
    for (const char* core : {"jpegload", "pngload", "gifload", "tiffload", "webpload"})
        EXPECT_TRUE(sources.count(std::string(core) + "_source")) << core;
    EXPECT_FALSE(sources.count("magickload_source"));
    EXPECT_FALSE(sources.count("svgload_source"));
}

TEST_F(ImageLoadingTest, FormatsOutsideTheAllowlistAreUndecodable)
{
    vips::VImage img = vips::VImage::black(8, 6, vips::VImage::option()->set("bands", 3));
    img.write_to_file(Path("a.ppm").toLocal8Bit().constData());
    img.write_to_file(Path("a.v").toLocal8Bit().constData());
    WriteAll(Path("a.csv"), "1,2,3\n4,5,6\n");
    WriteAll(Path("a.svg"), "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'/>");
    WriteAll(Path("a.pdf"), "%PDF-1.4\n1 0 obj<<>>endobj\ntrailer<<>>\n%%EOF\n");
    for (const char* name : {"a.ppm", "a.v", "a.csv", "a.svg", "a.pdf"}) {
        // Were libvips asked to guess, the loaders it would find are blocked.
        const vips::VSource source = platform::OpenPhotoSource(platform::OpenRegularFile(QFile::encodeName(Path(name))));
        EXPECT_THROW(vips::VImage::new_from_source(source, ""), vips::VError) << name;
        vips_error_clear();
        auto image = Image::LoadFromFile(Path(name));
        EXPECT_TRUE(image->IsEmpty()) << name;
        EXPECT_EQ(image->Width(), 0u) << name;
        EXPECT_EQ(image->Height(), 0u) << name;
        EXPECT_EQ(image->FrameDimensionsCount(), 0u) << name;
    }
}

TEST_F(ImageLoadingTest, StillPhotoHasOnePageWithOneFrame)
{
    auto image = Image::LoadFromFile(WriteSolid(Path("p.png"), 64, 48, {10, 20, 30}));
    ASSERT_FALSE(image->IsEmpty());
    EXPECT_EQ(image->Width(), 64u);
    EXPECT_EQ(image->Height(), 48u);
    ASSERT_EQ(image->FrameDimensionsCount(), 1u);
    EXPECT_EQ(image->FrameDimensionsList()[0], platform::FrameDimensionPage);
    EXPECT_EQ(image->FrameCount(platform::FrameDimensionPage), 1u);
    EXPECT_EQ(image->FrameCount(platform::FrameDimensionTime), 0u);
    EXPECT_EQ(ActiveFramePixel(*image, 5, 5), (Rgb{10, 20, 30}));
}

TEST_F(ImageLoadingTest, GreyAndSixteenBitPhotosBecomeRgb)
{
    vips::VImage grey = vips::VImage::black(16, 8).new_from_image(std::vector<double>{128}).cast(VIPS_FORMAT_UCHAR);
    grey.write_to_file(Path("grey.jpg").toLocal8Bit().constData());
    grey.bandjoin(vips::VImage::black(16, 8).new_from_image(std::vector<double>{255}).cast(VIPS_FORMAT_UCHAR))
        .write_to_file(Path("grey_alpha.png").toLocal8Bit().constData());
    vips::VImage::black(16, 8, vips::VImage::option()->set("bands", 3))
        .cast(VIPS_FORMAT_USHORT)
        .new_from_image(std::vector<double>{65535, 0, 32896})
        .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_RGB16))
        .write_to_file(Path("deep.png").toLocal8Bit().constData());
    for (const char* name : {"grey.jpg", "grey_alpha.png"}) {
        auto image = Image::LoadFromFile(Path(name));
        const Rgb px = ActiveFramePixel(*image, 4, 4);
        EXPECT_TRUE(NearlyEqual(px, Rgb{128, 128, 128})) << name << " " << int(px[0]) << "," << int(px[1]) << "," << int(px[2]);
    }
    auto deep = Image::LoadFromFile(Path("deep.png"));
    EXPECT_EQ(ActiveFramePixel(*deep, 4, 4), (Rgb{255, 0, 128}));
}

TEST_F(ImageLoadingTest, AnimatedGifFramesAreSelectedByTime)
{
    auto image = Image::LoadFromFile(WriteFramesGif(Path("anim.gif"), 24, 16, 10));
    ASSERT_EQ(image->FrameDimensionsCount(), 1u);
    const platform::Guid time = image->FrameDimensionsList()[0];
    EXPECT_EQ(time, platform::FrameDimensionTime);
    EXPECT_EQ(image->FrameCount(time), 10u);
    for (int k : {0, 3, 9, 1}) {
        ASSERT_EQ(image->SelectActiveFrame(time, k), platform::Status::Ok);
        EXPECT_EQ(image->Width(), 24u);
        EXPECT_EQ(image->Height(), 16u);
        EXPECT_TRUE(NearlyEqual(ActiveFramePixel(*image, 12, 8), ColourOfFrame(k))) << "frame " << k;
    }
    EXPECT_NE(image->SelectActiveFrame(time, 10), platform::Status::Ok);
    EXPECT_NE(image->SelectActiveFrame(platform::FrameDimensionPage, 0), platform::Status::Ok);
}

TEST_F(ImageLoadingTest, AnimatedWebpFramesAreSelectedByTime)
{
    WriteFramesWebp(Path("anim.webp"), 24, 16, 4);
    auto image = Image::LoadFromFile(Path("anim.webp"));
    ASSERT_EQ(image->FrameDimensionsCount(), 1u);
    EXPECT_EQ(image->FrameDimensionsList()[0], platform::FrameDimensionTime);
    ASSERT_EQ(image->FrameCount(platform::FrameDimensionTime), 4u);
    ASSERT_EQ(image->SelectActiveFrame(platform::FrameDimensionTime, 2), platform::Status::Ok);
    EXPECT_TRUE(NearlyEqual(ActiveFramePixel(*image, 12, 8), ColourOfFrame(2)));
}

TEST_F(ImageLoadingTest, GifWithHundredsOfFramesReachesItsLastFrame)
{
    auto image = Image::LoadFromFile(WriteFramesGif(Path("long.gif"), 8, 6, 300));
    EXPECT_EQ(image->FrameCount(platform::FrameDimensionTime), 300u);
    ASSERT_EQ(image->SelectActiveFrame(platform::FrameDimensionTime, 299), platform::Status::Ok);
    EXPECT_TRUE(NearlyEqual(ActiveFramePixel(*image, 4, 3), ColourOfFrame(299)));
}

TEST_F(ImageLoadingTest, TiffPagesMayDifferInSize)
{
    auto image = Image::LoadFromFile(DataFile("pages_3_sizes.tif"));
    ASSERT_EQ(image->FrameDimensionsCount(), 1u);
    const platform::Guid page = image->FrameDimensionsList()[0];
    EXPECT_EQ(page, platform::FrameDimensionPage);
    ASSERT_EQ(image->FrameCount(page), 3u);
    const std::pair<unsigned, unsigned> sizes[] = {{40, 30}, {20, 50}, {64, 16}};
    const Rgb colours[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    for (int k = 0; k < 3; ++k) {
        ASSERT_EQ(image->SelectActiveFrame(page, k), platform::Status::Ok);
        EXPECT_EQ(image->Width(), sizes[k].first) << k;
        EXPECT_EQ(image->Height(), sizes[k].second) << k;
        EXPECT_EQ(ActiveFramePixel(*image, 1, 1), colours[k]) << k;
    }
}

TEST_F(ImageLoadingTest, IconImagesAreSelectedByResolution)
{
    auto image = Image::LoadFromFile(DataFile("icon_3_sizes.ico"));
    ASSERT_EQ(image->FrameDimensionsCount(), 1u);
    const platform::Guid res = image->FrameDimensionsList()[0];
    EXPECT_EQ(res, platform::FrameDimensionResolution);
    ASSERT_EQ(image->FrameCount(res), 3u);
    std::vector<unsigned> widths;
    for (int k = 0; k < 3; ++k) {
        ASSERT_EQ(image->SelectActiveFrame(res, k), platform::Status::Ok);
        widths.push_back(image->Width());
        EXPECT_EQ(image->Width(), image->Height());
    }
    std::sort(widths.begin(), widths.end());
    EXPECT_EQ(widths, (std::vector<unsigned>{16, 32, 48}));
}

TEST_F(ImageLoadingTest, BmpIsReadByQt)
{
    auto image = Image::LoadFromFile(DataFile("photo_30x20.bmp"));
    ASSERT_FALSE(image->IsEmpty());
    EXPECT_EQ(image->Width(), 30u);
    EXPECT_EQ(image->Height(), 20u);
    EXPECT_EQ(ActiveFramePixel(*image, 3, 3), (Rgb{0x33, 0x66, 0x99}));
}

// Qt's readers stop at 128 MiB unless told our limit: a 36-megapixel BMP is an ordinary photo.
TEST_F(ImageLoadingTest, LargeBmpOpensWithinOurLimit)
{
    QImage picture(6000, 6000, QImage::Format_RGB888);
    picture.fill(QColor(10, 200, 30));
    ASSERT_TRUE(picture.save(Path("large.bmp"), "BMP"));
    picture = QImage();
    auto image = Image::LoadFromFile(Path("large.bmp"));
    ASSERT_EQ(image->Width(), 6000u);
    auto bitmap = platform::Bitmap::Create(600, 400);
    ASSERT_EQ(bitmap->DrawImage(*image), platform::Status::Ok);
    EXPECT_EQ(bitmap->Bits()[3 * (600 * 200 + 300) + 1], 200);
}

TEST_F(ImageLoadingTest, OpeningAndDrawingLeaveNoFileOpen)
{
    const auto openFiles = [] { return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size(); };
    const QString photos[] = {DataFile("photo_30x20.bmp"), WriteSolid(Path("p.jpg"), 30, 20, {1, 2, 3}),
                              DataFile("pages_3_sizes.tif"), Path("missing.jpg")};
    const auto before = openFiles();
    for (const QString& photo : photos) {
        auto image = Image::LoadFromFile(photo);
        if (!image->IsEmpty())
            ActiveFramePixel(*image, 1, 1);
    }
    EXPECT_EQ(openFiles(), before);
}

TEST_F(ImageLoadingTest, ResolutionIsTheFilesOwnOr96)
{
    auto jpeg = Image::LoadFromFile(WriteSolid(Path("r.jpg"), 30, 20, {1, 2, 3}, 300, 150));
    EXPECT_NEAR(jpeg->HorizontalResolution(), 300.0, 0.01);
    auto png72 = Image::LoadFromFile(WriteSolid(Path("r72.png"), 30, 20, {1, 2, 3}, 72, 96));
    EXPECT_NEAR(png72->HorizontalResolution(), 72.0, 0.1);
    auto plain = Image::LoadFromFile(WriteSolid(Path("plain.gif"), 30, 20, {1, 2, 3}));
    EXPECT_NEAR(plain->HorizontalResolution(), 96.0, 0.001);
    for (const char* name : {"bare.jpg", "bare.png"}) {
        auto bare = Image::LoadFromFile(WriteSolid(Path(name), 30, 20, {1, 2, 3}));
        EXPECT_NEAR(bare->HorizontalResolution(), 96.0, 0.001) << name;
    }
}

// Every format, with a resolution of its own and without: the photo's own where the format can
// hold one, 96 dpi otherwise. A PNG without pHYs and a HEIF without EXIF say nothing, though
// libvips reports 72 and 25.4 dpi for them.
TEST_F(ImageLoadingTest, ResolutionOfEveryFormatWithAndWithoutOne)
{
    const auto withoutChunk = [](QByteArray png, const char* type) {
        const qsizetype at = png.indexOf(type) - 4;
        const quint32 length = (quint8(png[at]) << 24) | (quint8(png[at + 1]) << 16) | (quint8(png[at + 2]) << 8) | quint8(png[at + 3]);
        return at > 0 ? png.remove(at, qsizetype(length) + 12) : png;
    };
    const struct {
        const char* name;
        double withDpi;  // what a file written at 72 dpi gives
    } formats[] = {{"jpg", 72}, {"png", 72}, {"tif", 72}, {"heic", 72}, {"avif", 72}, {"webp", 96}, {"gif", 96}, {"bmp", 72}};
    for (const auto& f : formats) {
        SCOPED_TRACE(f.name);
        const QString with = Path(QString("with.") + f.name), without = Path(QString("without.") + f.name);
        if (QString(f.name) == "bmp") {
            QImage picture(30, 20, QImage::Format_RGB888);
            picture.fill(Qt::gray);
            picture.setDotsPerMeterX(2835);
            picture.setDotsPerMeterY(2835);
            ASSERT_TRUE(picture.save(with, "BMP"));
            ASSERT_TRUE(picture.save(without, "BMP"));
            WriteAll(without, ReadAll(without).replace(38, 8, QByteArray(8, '\0')));  // Qt ignores a 0
        } else {
            try {
                WriteSolid(with, 30, 20, {1, 2, 3}, 72);
                WriteSolid(without, 30, 20, {1, 2, 3});
            } catch (const vips::VError&) {
                vips_error_clear();
                continue;  // no encoder for it here
            }
        }
        if (QString(f.name) == "png")
            WriteAll(without, withoutChunk(ReadAll(without), "pHYs"));
        const auto dpi = [](const QString& path) { return Image::LoadFromFile(path)->HorizontalResolution(); };
        EXPECT_NEAR(dpi(with), f.withDpi, 0.1);
        EXPECT_NEAR(dpi(without), 96.0, 0.001);
    }
}

TEST_F(ImageLoadingTest, BrokenFilesGiveAnEmptyImage)
{
    WriteAll(Path("empty.jpg"), {});
    WriteAll(Path("text.jpg"), "this is not a photo\n");
    WriteSolid(Path("whole.jpg"), 300, 200, {200, 100, 50});
    WriteAll(Path("cut.jpg"), ReadAll(Path("whole.jpg")).left(300));
    WriteCornerMarkers(Path("whole.png"), 300, 200);
    // Noise so the compressed data is large enough to cut in the middle.
    vips::VImage::gaussnoise(300, 200).cast(VIPS_FORMAT_UCHAR).write_to_file(Path("noise.png").toLocal8Bit().constData());
    WriteAll(Path("cut.png"), ReadAll(Path("noise.png")).left(ReadAll(Path("noise.png")).size() / 2));
    for (const char* name : {"empty.jpg", "text.jpg", "cut.jpg", "cut.png", "missing.png"}) {
        auto image = Image::LoadFromFile(Path(name));
        EXPECT_TRUE(image->IsEmpty()) << name;
        EXPECT_EQ(image->Width(), 0u) << name;
        EXPECT_EQ(image->HorizontalResolution(), 0.0f) << name;
    }
}

TEST_F(ImageLoadingTest, HugeDeclaredSizeIsRefusedFromTheHeader)
{
    // A PNG whose header claims 100000 x 100000 pixels, with almost no data behind it.
    vips::VImage::black(1, 1).cast(VIPS_FORMAT_UCHAR).write_to_file(Path("tiny.png").toLocal8Bit().constData());
    QByteArray png = ReadAll(Path("tiny.png"));
    const int ihdr = png.indexOf("IHDR");
    ASSERT_GT(ihdr, 0);
    const char size[8] = {0, 1, char(0x86), char(0xA0), 0, 1, char(0x86), char(0xA0)};  // 100000, 100000
    png.replace(ihdr + 4, 8, QByteArray(size, 8));
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(png.constData() + ihdr), 17);
    const char crcBytes[4] = {char(crc >> 24), char(crc >> 16), char(crc >> 8), char(crc)};
    png.replace(ihdr + 17, 4, QByteArray(crcBytes, 4));
    WriteAll(Path("huge.png"), png);
    const auto start = std::chrono::steady_clock::now();
    auto image = Image::LoadFromFile(Path("huge.png"));
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_TRUE(image->IsEmpty());
    EXPECT_LT(seconds, 30.0) << "refusal must not decode";
}

// An EXIF orientation no camera writes (9, 65535) turns nothing: the photo keeps its stored
// sides, with a warning, where 8 still turns it.
TEST_F(ImageLoadingTest, AnOrientationOutsideOneToEightLeavesThePixelsAsStored)
{
    const PngPicture p;  // 37 x 23
    const QByteArray zlib = Deflated(PngScanlines(p));
    for (const int orientation : {8, 9, 65535}) {
        QByteArray exif("MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\0\0\0\0\0\0\0", 26);
        exif[18] = char(orientation >> 8);
        exif[19] = char(orientation & 0xFF);
        const QString path = Path(QStringLiteral("o%1.png").arg(orientation));
        WriteAll(path, EncodePng(p, zlib, PngChunk("eXIf", exif)));
        const auto image = Image::LoadFromFile(path);
        const bool known = orientation == 8;
        EXPECT_EQ(image->Width(), known ? 23u : 37u) << orientation;
        EXPECT_EQ(image->Height(), known ? 37u : 23u) << orientation;
        EXPECT_EQ(image->Warned(platform::PhotoWarning::OrientationIgnored), !known) << orientation;
    }
}

}  // namespace
