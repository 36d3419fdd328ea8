#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// The photo formats we decode, told apart by the first bytes of a file.
// Tiff may still be a camera RAW built on TIFF (DNG, CR2, NEF and most others): only LibRaw can
// tell, so that is decided when the file is opened. CameraRaw is a RAW whose own signature says so.
enum class PhotoFormat { Unknown, Jpeg, Png, Gif, Tiff, WebP, Heif, JpegXl, Jpeg2000, Bmp, Ico, CameraRaw };

// How many leading bytes SniffPhotoFormat needs to see to tell every format.
inline constexpr std::size_t kSniffBytes = 64;

// The format the leading bytes of a file announce (fewer than kSniffBytes when the file is
// shorter); Unknown for anything else. Only the signature is looked at: whether the rest decodes
// is the decoder's business.
PhotoFormat SniffPhotoFormat(const std::uint8_t* bytes, std::size_t size);

// The libvips loader for a format ("jpegload"), or nullptr for the formats Qt reads (BMP, ICO),
// for CameraRaw (LibRaw's) and for Unknown.
const char* VipsLoaderFor(PhotoFormat format);

}  // namespace platform
