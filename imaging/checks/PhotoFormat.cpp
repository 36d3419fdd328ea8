#include "imaging/checks/PhotoFormat.h"

#include "imaging/checks/ByteOrder.h"

#include <cstring>
#include <initializer_list>

namespace platform {
namespace {

bool StartsWith(const std::uint8_t* bytes, std::size_t size, std::initializer_list<std::uint8_t> prefix,
                std::size_t at = 0)
{
    if (size < at + prefix.size())
        return false;
    return std::memcmp(bytes + at, prefix.begin(), prefix.size()) == 0;
}

bool HasText(const std::uint8_t* bytes, std::size_t size, std::size_t at, const char* text)
{
    const std::size_t n = std::strlen(text);
    return size >= at + n && std::memcmp(bytes + at, text, n) == 0;
}

bool IsHeifBrand(const std::uint8_t* brand)
{
    static const char* const kBrands[] = {"heic", "heix", "hevc", "hevx", "heim", "heis",
                                          "mif1", "msf1", "avif", "avis"};
    for (const char* b : kBrands) {
        if (std::memcmp(brand, b, 4) == 0)
            return true;
    }
    return false;
}

// An ISO base media "ftyp" box first, whose major or a compatible brand is an image one.
bool IsHeif(const std::uint8_t* bytes, std::size_t size)
{
    if (!HasText(bytes, size, 4, "ftyp") || size < 16)
        return false;
    const std::uint32_t boxSize = platform::bytes::Be32(bytes);
    if (boxSize < 16 || boxSize % 4 != 0)
        return false;
    if (IsHeifBrand(bytes + 8))
        return true;
    // Compatible brands follow the minor version; only those within the bytes seen are checked.
    for (std::size_t at = 16; at + 4 <= boxSize && at + 4 <= size; at += 4) {
        if (IsHeifBrand(bytes + at))
            return true;
    }
    return false;
}

// Camera RAW formats with a signature of their own; those that start as a TIFF are not here.
bool IsCameraRawSignature(const std::uint8_t* bytes, std::size_t size)
{
    // CR3 is an ISO base media file too: its brand must be seen before the HEIF check.
    if (HasText(bytes, size, 4, "ftypcrx "))
        return true;
    return HasText(bytes, size, 0, "FUJIFILMCCD-RAW") ||                                    // RAF
           StartsWith(bytes, size, {'I', 'I', 'R', 'O'}) || StartsWith(bytes, size, {'I', 'I', 'R', 'S'}) ||
           StartsWith(bytes, size, {'M', 'M', 'O', 'R'}) ||                                   // ORF
           StartsWith(bytes, size, {'I', 'I', 'U', 0}) ||                                     // RW2
           (StartsWith(bytes, size, {'I', 'I', 0x1A, 0}) && HasText(bytes, size, 6, "HEAPCCDR")) ||  // CRW
           StartsWith(bytes, size, {0, 'M', 'R', 'M'});                                       // MRW
}

}  // namespace

PhotoFormat SniffPhotoFormat(const std::uint8_t* bytes, std::size_t size)
{
    if (!bytes)
        return PhotoFormat::Unknown;
    if (StartsWith(bytes, size, {0xFF, 0xD8, 0xFF}))
        return PhotoFormat::Jpeg;
    if (StartsWith(bytes, size, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}))
        return PhotoFormat::Png;
    if (HasText(bytes, size, 0, "GIF87a") || HasText(bytes, size, 0, "GIF89a"))
        return PhotoFormat::Gif;
    // Classic TIFF (42) and BigTIFF (43), in either byte order.
    if (StartsWith(bytes, size, {'I', 'I', 42, 0}) || StartsWith(bytes, size, {'M', 'M', 0, 42}) ||
        StartsWith(bytes, size, {'I', 'I', 43, 0}) || StartsWith(bytes, size, {'M', 'M', 0, 43}))
        return PhotoFormat::Tiff;
    if (IsCameraRawSignature(bytes, size))
        return PhotoFormat::CameraRaw;
    if (HasText(bytes, size, 0, "RIFF") && HasText(bytes, size, 8, "WEBP"))
        return PhotoFormat::WebP;
    if (IsHeif(bytes, size))
        return PhotoFormat::Heif;
    // A bare codestream, or the container's signature box.
    if (StartsWith(bytes, size, {0xFF, 0x0A}) ||
        StartsWith(bytes, size, {0, 0, 0, 0x0C, 'J', 'X', 'L', ' ', 0x0D, 0x0A, 0x87, 0x0A}))
        return PhotoFormat::JpegXl;
    if (StartsWith(bytes, size, {0xFF, 0x4F, 0xFF, 0x51}) ||
        StartsWith(bytes, size, {0, 0, 0, 0x0C, 'j', 'P', ' ', ' ', 0x0D, 0x0A, 0x87, 0x0A}))
        return PhotoFormat::Jpeg2000;
    if (HasText(bytes, size, 0, "BM") && size >= 18)
        return PhotoFormat::Bmp;
    // Reserved 0, type 1 (icon), and at least one image.
    if (StartsWith(bytes, size, {0, 0, 1, 0}) && size >= 6 && (bytes[4] | bytes[5]) != 0)
        return PhotoFormat::Ico;
    return PhotoFormat::Unknown;
}

const char* VipsLoaderFor(PhotoFormat format)
{
    switch (format) {
    case PhotoFormat::Jpeg: return "jpegload";
    case PhotoFormat::Png: return "pngload";
    case PhotoFormat::Gif: return "gifload";
    case PhotoFormat::Tiff: return "tiffload";
    case PhotoFormat::WebP: return "webpload";
    case PhotoFormat::Heif: return "heifload";
    case PhotoFormat::JpegXl: return "jxlload";
    case PhotoFormat::Jpeg2000: return "jp2kload";
    case PhotoFormat::Bmp:
    case PhotoFormat::Ico:
    case PhotoFormat::CameraRaw:
    case PhotoFormat::Unknown: return nullptr;
    }
    return nullptr;
}

}  // namespace platform
