#pragma once
#include <cstddef>
#include <cstdint>

#include <QString>

namespace platform {

// The bytes libjpeg keeps for every coefficient of a JPEG that comes in several scans
// (progressive, or baseline with its components in separate scans): 2 bytes for each of the 64
// coefficients of every block of each component, at that component's sampling. 0 for a file
// decoded in one pass, and when the header is not among the first size bytes.
std::int64_t JpegCoefficientBufferBytes(const std::uint8_t* data, std::size_t size);

// The same for the JPEG at path, from its first kJpegHeaderBytes; 0 for any other file.
inline constexpr std::size_t kJpegHeaderBytes = std::size_t{1} << 20;
std::int64_t JpegCoefficientBufferBytes(const QString& path);

}  // namespace platform
