#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include <QByteArray>

#include "imaging/details/DetailsChoice.h"
#include "imaging/details/OutputDetails.h"
#include "imaging/details/TakenTime.h"

namespace platform {

// A photo's own details (EXIF, XMP and IPTC), read by exiv2 from the photo's bytes, and what an
// output of it keeps of them. Reading never throws: details that are malformed, or larger than
// any camera writes (DetailsLimits.h), are dropped whole and Damaged() says so; a photo without
// details has none, which is no fault.
class PhotoDetails {
public:
    PhotoDetails();  // none
    ~PhotoDetails();
    PhotoDetails(const PhotoDetails&);
    PhotoDetails& operator=(const PhotoDetails&);

    // From a whole photo file: JPEG, PNG, WebP, TIFF and the camera RAWs built on it, and the
    // other formats exiv2 reads.
    static PhotoDetails FromFile(const std::uint8_t* data, std::size_t size);
    // From the blocks a decoder handed over (an HEIF's): TIFF-headed EXIF, with or without
    // JPEG's "Exif\0\0" before it, and an XMP packet; either may be empty.
    static PhotoDetails FromBlocks(const QByteArray& exif, const QByteArray& xmp);
    // Details that were there and could not be trusted: dropped whole.
    static PhotoDetails Dropped();

    bool Damaged() const { return damaged_; }
    // When the photo was taken: its EXIF original date (with its offset), else its digitised
    // date, else XMP's; nothing when the photo says nowhere.
    std::optional<TakenTime> Taken() const;
    // What an output of width x height keeps as choice asks: EXIF standing upright (Orientation
    // 1) at the output's size with no thumbnail, the XMP to match, and the date, author,
    // copyright and description as texts; no location unless choice is All. Nothing for None.
    OutputDetails ForOutput(DetailsChoice choice, int width, int height) const;

private:
    struct Data;
    // Runs read under the library's lock; details it could not read whole, or larger than a
    // camera writes, are dropped.
    static PhotoDetails Read(const std::function<bool(Data&)>& read);

    std::shared_ptr<const Data> data_;
    bool damaged_ = false;
};

}  // namespace platform
