#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// Whether a PNG file is whole: every chunk lies within the file and they reach the end chunk
// (IEND). libvips' loader only warns when image data stops in a later IDAT chunk, and the rows
// it could not read come out black. A chunk no decoder reads past (a type that is not four letters,
// an unknown critical one) makes the file damaged: the walk ends at the first such chunk.
bool PngIsComplete(const std::uint8_t* data, std::size_t size);

}  // namespace platform
