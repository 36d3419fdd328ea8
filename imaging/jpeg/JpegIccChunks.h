#pragma once
// Private to imaging: a JPEG's colour profile, from its APP2 segments.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// The profile the ICC_PROFILE APP2 segments before the first scan hold, joined in the order of
// their sequence numbers, whether those count from 1 (as they should) or from 0; nothing when
// there are none. Numbers repeated or missing, or more bytes than any profile we use, give the
// bytes as found, which the profile checks then refuse (the photo is told its profile is ignored).
// The chunk count each segment states is not relied on: the profile's own size tells if it is whole.
std::optional<std::vector<std::uint8_t>> JpegIccProfile(const std::uint8_t* data, std::size_t size);

}  // namespace platform
