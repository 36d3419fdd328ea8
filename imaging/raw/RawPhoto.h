#pragma once
// Private to imaging: uses libvips types.
#include <cstdint>
#include <memory>
#include <optional>

#include <vips/vips8>

class LibRaw;

namespace platform {

class RawFileStream;

// What a camera RAW file's header tells, before any of its data is read.
struct RawHeader {
    int sensorWidth = 0;   // the sensor data LibRaw reads
    int sensorHeight = 0;
    int samples = 1;       // values per sensor pixel: 1 for a colour filter array
    bool mosaic = true;    // a colour filter array, which half-size development halves
    int width = 0;         // the visible picture, as the sensor saw it
    int height = 0;
    int flip = 0;          // LibRaw's orientation (see OrientAsDeveloped)
};

// One camera RAW file read by LibRaw through a descriptor we opened (LibRaw never sees a name),
// developed to 8-bit sRGB with the camera's white balance, turned as the file records.
// Each development needs a fresh instance; the descriptor must stay open while this lives.
class RawPhoto {
public:
    // LibRaw's reading of the file open on fd, or nothing when LibRaw does not take it for a
    // camera RAW (an ordinary TIFF, say). Only the header has been read. Developed turned as the
    // file records with autoOrient, as the sensor saw it without.
    static std::unique_ptr<RawPhoto> Open(int fd, bool autoOrient = true);
    ~RawPhoto();
    RawPhoto(const RawPhoto&) = delete;
    RawPhoto& operator=(const RawPhoto&) = delete;

    const RawHeader& Header() const { return header_; }
    bool IsDng() const;
    // Where in the file the data LibRaw would develop starts.
    std::int64_t DataOffset() const;

    // Whether the sensor data the header points at lies within the file: false for many a file
    // cut short.
    bool DataWithinFile();

    // The size a full development has, after orientation and any non-square pixels are put
    // right. Leaves this instance fit for nothing else.
    std::pair<int, int> DevelopedSize();

    // Peak memory of a development at half or full size (see RawDevelopBytes).
    std::int64_t DevelopBytes(bool halfSize) const;

    // The photo developed in memory, 3 bands of 8-bit sRGB, at half size (see HalfSizeSuffices)
    // or full. Throws std::bad_alloc when memory runs out or would exceed kMaxRawDevelopBytes,
    // vips::VError when the data cannot be decoded.
    vips::VImage Develop(bool halfSize);

    // The embedded thumbnail, turned as the photo, as a preview copy (see PreviewCopy), when it is
    // a JPEG or bitmap that serves for a photo of photoWidth x photoHeight (see
    // ThumbnailServesPreview); nothing otherwise. Throws as Develop does.
    std::optional<vips::VImage> Thumbnail(int photoWidth, int photoHeight);

private:
    RawPhoto(std::unique_ptr<RawFileStream> stream, std::unique_ptr<LibRaw> raw);

    std::unique_ptr<RawFileStream> stream_;
    std::unique_ptr<LibRaw> raw_;  // declared last: dropped before the stream it reads
    RawHeader header_;
};

}  // namespace platform
