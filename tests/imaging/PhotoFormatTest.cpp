// Telling formats apart by their first bytes.
#include <string>

#include <gtest/gtest.h>

#include "imaging/checks/PhotoFormat.h"

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
