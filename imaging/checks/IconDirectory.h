#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// The entries of an icon file's directory whose image is really in the file: the entry itself and
// all of its image's bytes lie within the file, and the image starts as a PNG or as a bitmap
// header. A header may claim more images than the file holds; only these can be decoded.
std::vector<int> IconImagesInFile(const std::uint8_t* data, std::size_t size);

}  // namespace platform
