#pragma once
#include <cstddef>

namespace platform {

// What a photo's details may hold before they are taken as hostile rather than read: a camera
// writes far less (docs/details.md). Past any of these the details are dropped, with a warning.
inline constexpr std::size_t kMaxExifEntries = 4000;
inline constexpr std::size_t kMaxXmpEntries = 4000;
inline constexpr std::size_t kMaxIptcEntries = 1000;
inline constexpr std::size_t kMaxXmpPacketBytes = 1024 * 1024;
// What an output carries at most: the EXIF that fits a JPEG's APP1 segment (every reader takes
// that much), the XMP packet above, and a text of each kind.
inline constexpr std::size_t kMaxExifBytes = 65533;
inline constexpr int kMaxDetailTextChars = 4000;

}  // namespace platform
