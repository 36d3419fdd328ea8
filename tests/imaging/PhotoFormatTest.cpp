// Telling formats apart by their first bytes.
#include <string>

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vips/vips8>

#include "imaging/checks/JpegCoefficientBuffer.h"
#include "imaging/checks/PhotoFormat.h"
#include "support/Fixtures.h"

using platform::PhotoFormat;

TEST(SniffPhotoFormat, SignaturesOfEveryFormatAndNearMisses)
{
    using namespace std::string_literals;
    const struct {
        std::string bytes;
        PhotoFormat format;
    } cases[] = {
        {"\xFF\xD8\xFF\xE0\0\x10JFIF"s, PhotoFormat::Jpeg},
        {"\xFF\xD8\xFE"s, PhotoFormat::Unknown},
        {"\x89PNG\r\n\x1A\n\0\0\0\rIHDR"s, PhotoFormat::Png},
        {"\x89PNG\r\n\x1A"s, PhotoFormat::Unknown},
        {"GIF87a\1\0"s, PhotoFormat::Gif},
        {"GIF89a"s, PhotoFormat::Gif},
        {"GIF88a"s, PhotoFormat::Unknown},
        {"II*\0\x08\0\0\0"s, PhotoFormat::Tiff},
        {"MM\0*\0\0\0\x08"s, PhotoFormat::Tiff},
        {"II+\0\x08\0\0\0"s, PhotoFormat::Tiff},
        {"MM\0+\0\x08\0\0"s, PhotoFormat::Tiff},
        {"II*"s, PhotoFormat::Unknown},
        {"RIFF\x24\0\0\0WEBPVP8L"s, PhotoFormat::WebP},
        {"RIFF\x24\0\0\0WAVEfmt "s, PhotoFormat::Unknown},
        {"\0\0\0\x18" "ftypheic\0\0\0\0mif1heic"s, PhotoFormat::Heif},
        {"\0\0\0\x1C" "ftypavif\0\0\0\0avifmif1miaf"s, PhotoFormat::Heif},
        {"\0\0\0\x18" "ftyp3gp4\0\0\0\0mif1isom"s, PhotoFormat::Heif},  // image brand among the compatible ones
        {"\0\0\0\x18" "ftypisom\0\0\0\0isomiso2"s, PhotoFormat::Unknown},  // a video
        {"\0\0\0\x18" "ftypcrx \0\0\0\1crx heic"s, PhotoFormat::CameraRaw},  // CR3, not HEIF
        {"FUJIFILMCCD-RAW 0201"s, PhotoFormat::CameraRaw},
        {"IIRO\x08\0\0\0"s, PhotoFormat::CameraRaw},
        {"MMOR\0\0\0\x08"s, PhotoFormat::CameraRaw},
        {"IIU\0\x08\0\0\0"s, PhotoFormat::CameraRaw},
        {"II\x1A\0\0\0HEAPCCDR"s, PhotoFormat::CameraRaw},
        {"\0MRM\0\0\0\x08"s, PhotoFormat::CameraRaw},
        {"II*\0\x10\0\0\0CR\x02\0"s, PhotoFormat::Tiff},  // CR2: LibRaw decides
        {"\xFF\x0A\xFA\x7F"s, PhotoFormat::JpegXl},
        {"\0\0\0\x0CJXL \r\n\x87\n"s, PhotoFormat::JpegXl},
        {"\xFF\x4F\xFF\x51\0\x2F"s, PhotoFormat::Jpeg2000},
        {"\0\0\0\x0CjP  \r\n\x87\n"s, PhotoFormat::Jpeg2000},
        {"BM\x36\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0"s, PhotoFormat::Bmp},
        {"BM"s, PhotoFormat::Unknown},
        {"\0\0\1\0\1\0\x10\x10"s, PhotoFormat::Ico},
        {"\0\0\1\0\0\0"s, PhotoFormat::Unknown},  // no image
        {"\0\0\2\0\1\0"s, PhotoFormat::Unknown},  // a cursor
        {""s, PhotoFormat::Unknown},
        {std::string(64, '\0'), PhotoFormat::Unknown},
        {"%PDF-1.4\n"s, PhotoFormat::Unknown},
        {"<svg xmlns="s, PhotoFormat::Unknown},
    };
    for (const auto& c : cases) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(c.bytes.data());
        EXPECT_EQ(platform::SniffPhotoFormat(bytes, c.bytes.size()), c.format) << testing::PrintToString(c.bytes);
    }
    EXPECT_EQ(platform::SniffPhotoFormat(nullptr, 10), PhotoFormat::Unknown);
}

// What libjpeg keeps of a JPEG in several scans, from its header: JPEGs written by libvips at
// each sampling, and headers cut or broken.
TEST(JpegCoefficientBuffer, CountedForMultiScanFilesOnly)
{
    using namespace std::string_literals;
    QTemporaryDir dir;
    const vips::VImage picture = vips::VImage::black(300, 200, vips::VImage::option()->set("bands", 3)) + 90;
    const struct {
        const char* name;
        vips::VOption* options;
        std::int64_t bytes;
    } files[] = {
        {"baseline.jpg", vips::VImage::option(), 0},
        // 38 x 25 blocks in each of three components.
        {"444.jpg", vips::VImage::option()->set("interlace", true)->set("subsample_mode", VIPS_FOREIGN_SUBSAMPLE_OFF),
         38 * 25 * 3 * 128},
        // The luma's blocks rounded to 2 x 2, the chroma at half size: 19 x 13 blocks.
        {"420.jpg", vips::VImage::option()->set("interlace", true)->set("subsample_mode", VIPS_FOREIGN_SUBSAMPLE_ON),
         (38 * 26 + 2 * 19 * 13) * 128},
    };
    for (const auto& f : files) {
        const QString path = dir.filePath(f.name);
        picture.cast(VIPS_FORMAT_UCHAR).jpegsave(path.toUtf8().constData(), f.options);
        EXPECT_EQ(platform::JpegCoefficientBufferBytes(path), f.bytes) << f.name;
        const QByteArray bytes = ReadAll(path);
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        // Cut before its first scan, a progressive frame still tells; a baseline one is read as one pass.
        const qsizetype scan = bytes.indexOf("\xFF\xDA");
        EXPECT_EQ(platform::JpegCoefficientBufferBytes(data, static_cast<std::size_t>(scan)), f.bytes) << f.name;
    }
    // Components in separate scans of a baseline frame (SOF0 3 components, first SOS with one).
    const std::string separate = "\xFF\xD8\xFF\xC0\0\x11\x08\0\x10\0\x10\x03\x01\x11\0\x02\x11\0\x03\x11\0"
                                 "\xFF\xDA\0\x08\x01\x01\0\0\x3F\0"s;
    EXPECT_EQ(platform::JpegCoefficientBufferBytes(reinterpret_cast<const std::uint8_t*>(separate.data()),
                                                   separate.size()),
              2 * 2 * 3 * 128);
    for (const std::string& broken : {"\x89PNG\r\n"s, "\xFF\xD8\xFF\xC2\0\x11\x08"s, "\xFF\xD8\x00\xC2"s,
                                      "\xFF\xD8\xFF\xC2\0\x08\x08\0\x10\0\x10\x05"s})
        EXPECT_EQ(platform::JpegCoefficientBufferBytes(reinterpret_cast<const std::uint8_t*>(broken.data()),
                                                       broken.size()),
                  0);
}
