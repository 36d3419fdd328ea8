#pragma once

namespace platform {

// What a photo was converted despite, found while it was read.
enum class PhotoWarning : unsigned {
    OrientationIgnored = 1,  // its EXIF orientation is none of 1 to 8: its pixels are kept as stored
    DetailsDropped = 2,      // its details (EXIF, XMP, IPTC) are damaged or too large and were left out
    DataAfterPicture = 4,    // its image data goes on after the last row: the rest was ignored
};

}  // namespace platform
