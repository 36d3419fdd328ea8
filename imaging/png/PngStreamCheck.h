#pragma once
// Private to imaging/png: the checks libspng leaves out, made on the bytes it reads.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// The bytes a PNG's image data inflates to: each row of each pass (one pass, or Adam7's seven)
// with its filter byte.
std::uint64_t PngImageDataBytes(std::uint32_t width, std::uint32_t height, int bitsPerPixel, bool interlaced);

// More than deflate can pack into a byte: a file smaller than its image data over this cannot
// hold its picture.
inline constexpr std::uint64_t kMostDeflateRatio = 1032;

// Follows a PNG file's chunks as its decoder reads them, in order, and checks what the decoder
// does not: the image data's zlib stream inflated to its end with its Adler-32 (libspng stops
// once it has the last row, so damage after that row's data would pass unseen), a second palette,
// and the end chunk's checksum. The second inflating runs on a thread of its own beside the
// decoder, which only copies the compressed bytes to it (docs/damaged-files.md).
class PngStreamCheck {
public:
    PngStreamCheck();
    ~PngStreamCheck();
    PngStreamCheck(const PngStreamCheck&) = delete;
    PngStreamCheck& operator=(const PngStreamCheck&) = delete;

    // The next bytes of the file as the decoder is given them. With DropExif, an eXIf chunk's
    // type is changed in place as it passes, so that the decoder skips the chunk as an unknown
    // one whose checksum fails. False once the file is found damaged (Why() says how).
    bool Take(std::uint8_t* bytes, std::size_t size);
    void DropExif() { dropExif_ = true; }
    bool ExifDropped() const { return exifDropped_; }
    bool SawExif() const { return sawExif_; }

    // How many bytes the rows need, decompressed (the filter bytes included).
    void ExpectImageBytes(std::uint64_t bytes) { expected_ = bytes; }
    // Bytes the end chunk still needs read for its checksum to be checked (0 once it was).
    std::size_t EndBytesMissing() const;
    // Once the decoder is done and the end chunk read whole: false when the stream did not end
    // with its checksum, or the end chunk's checksum is wrong.
    bool Whole();
    // The stream gave more than the rows need, or compressed data went on after its end: harmless,
    // as libpng has always treated it, and told.
    bool DataAfterPicture() const { return dataAfterPicture_; }
    const std::string& Why() const { return why_; }

private:
    bool Fail(std::string why);
    bool Inflate(const std::uint8_t* data, std::size_t size);
    void HeaderDone(std::uint8_t* bytesEnd, std::size_t inThisCall);

    struct Zlib;
    std::unique_ptr<Zlib> zlib_;
    enum class Part { Signature, Header, Data, Crc } part_ = Part::Signature;
    std::size_t left_ = 8;       // bytes left of the part being read
    std::uint8_t header_[8] = {};
    std::uint8_t crc_[4] = {};
    std::uint32_t length_ = 0;
    char type_[4] = {};
    int palettes_ = 0;
    bool streamEnded_ = false;
    bool endChecked_ = false;
    bool endSeen_ = false;
    bool dropExif_ = false;
    bool exifDropped_ = false;
    bool sawExif_ = false;
    bool dataAfterPicture_ = false;
    std::uint64_t expected_ = 0;
    std::string why_;
};

}  // namespace platform
