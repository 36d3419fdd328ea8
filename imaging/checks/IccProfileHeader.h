#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// Largest embedded colour profile we hand to the colour engine. A photo's profile is a few
// kilobytes, a detailed printer's a few megabytes; anything larger is not a profile to trust.
inline constexpr std::size_t kMaxIccProfileBytes = std::size_t{8} << 20;

// Whether data looks like a whole ICC profile that can describe a picture with colourBands colour
// bands (1 grey, 3 RGB): the size it declares is there, its signature is right, its colour space
// matches and it converts to a profile connection space. Only the header and tag table are looked
// at; damage deeper inside is the colour engine's to find.
bool IccProfileFits(const std::uint8_t* data, std::size_t size, int colourBands);

}  // namespace platform
