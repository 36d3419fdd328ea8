#pragma once
// Private to imaging: the one PNG decoder, on libspng.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "system/FileDescriptor.h"
#include "imaging/Failure.h"

namespace platform {

// Decodes one PNG file, checking while it decodes that the file is whole: every chunk's checksum
// (an ancillary chunk whose checksum is wrong is dropped, as decoders have always done), the image
// data's own checksum, a zlib stream that gives every row, and the chunks after it up to the end
// chunk (IEND). What a damaged file would leave black is refused instead.
//
// Pixels come out as libpng gave them to libvips: a palette expanded to RGB, grey of 1, 2 or 4
// bits widened to 8, a tRNS chunk turned into an alpha band, 16-bit samples kept in host order.
class PngDecoder {
public:
    // Reads the header and the chunks before the image data of the PNG open on file, from its
    // current position on; nothing when the header is damaged or the picture is larger than the
    // pixel limit, with why saying which.
    static std::unique_ptr<PngDecoder> Open(FileDescriptor file, Failure* why = nullptr);
    ~PngDecoder();
    PngDecoder(const PngDecoder&) = delete;
    PngDecoder& operator=(const PngDecoder&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Bands() const { return bands_; }  // 1 grey, 2 grey and alpha, 3 RGB, 4 RGBA
    bool Deep() const { return deep_; }   // 16 bits a sample
    bool Interlaced() const { return interlaced_; }
    std::size_t RowBytes() const;

    // The embedded ICC profile, decompressed (at most kMaxIccProfileBytes); nothing without one.
    const std::optional<std::vector<std::uint8_t>>& Profile() const { return profile_; }
    // The horizontal resolution pHYs declares in dots per inch; nothing without one in metres.
    std::optional<double> DeclaredDpi() const { return dpi_; }
    // The EXIF orientation eXIf records (1 to 8); 1 without one.
    int Orientation() const { return orientation_; }
    // A damaged eXIf chunk was passed over (the photo converts without its details).
    bool ExifDropped() const { return exifDropped_; }
    // Once the last row is read: the image data went on after what the rows need (harmless).
    bool DataAfterPicture() const { return dataAfterPicture_; }
    // Called, on the thread that reads the last row, when DataAfterPicture becomes true.
    void OnDataAfterPicture(std::function<void()> told) { dataAfterPictureTold_ = std::move(told); }

    // The next count rows in order, each RowBytes() long, stride apart. False on damage or error
    // (with Error() saying why); every later call fails too. Reading the last row also checks the
    // rest of the file up to its end chunk.
    bool ReadRows(std::uint8_t* out, std::size_t stride, int count);
    int NextRow() const { return nextRow_; }
    // Every row at once into out (bytes: RowBytes() x Height()), checking the file as ReadRows
    // does; only before any row was read. The fastest way where the whole picture is wanted.
    bool ReadWhole(std::uint8_t* out, std::size_t bytes);
    // Why decoding stopped; empty while it has not.
    const std::string& Error() const { return error_; }

    struct State;  // libspng's context and our reading of the file

private:
    explicit PngDecoder(std::unique_ptr<State> state);
    // One reading of the header and the chunks before the image data; exifRefused says that only
    // a damaged eXIf stopped it. file is given back unless the decoder keeps it.
    static std::unique_ptr<PngDecoder> OpenFrom(FileDescriptor& file, bool dropExif, Failure& failure,
                                                bool& exifRefused);
    bool Fail(int code);
    bool Begin();
    bool DecodeImage(std::uint8_t* out, std::size_t bytes);
    bool Finish();

    std::unique_ptr<State> state_;
    int width_ = 0;
    int height_ = 0;
    int bands_ = 0;
    bool deep_ = false;
    bool interlaced_ = false;
    std::optional<std::vector<std::uint8_t>> profile_;
    std::optional<double> dpi_;
    int orientation_ = 1;
    bool exifDropped_ = false;
    bool dataAfterPicture_ = false;
    std::function<void()> dataAfterPictureTold_;
    int nextRow_ = 0;
    std::string error_;
};

}  // namespace platform
