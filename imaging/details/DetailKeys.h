#pragma once
#include <string_view>

namespace platform {

// Which of a photo's EXIF entries an output keeps: what describes the photograph (the camera, the
// exposure, the date, the author, the place), never what describes the file it came in (its
// strips and tiles, its thumbnail, its colour profile, a RAW's sensor layout), which would be
// wrong for the PNG. group and tag are exiv2's ("Photo", "DateTimeOriginal").
bool KeepsExifEntry(std::string_view group, std::string_view tag);

// Whether an XMP property says where the photo was taken: the GPS position in any namespace,
// IPTC's location, city, state and country. prefix and property are exiv2's ("photoshop", "City";
// a struct member's own name for a member).
bool IsLocationProperty(std::string_view prefix, std::string_view property);

// Whether an XMP property describes the file rather than the photograph, and so is left out.
bool IsFileProperty(std::string_view prefix, std::string_view property);

}  // namespace platform
