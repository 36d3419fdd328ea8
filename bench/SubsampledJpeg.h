#pragma once
#include <string>

#include <vips/vips8>

// Writes pixels (8-bit sRGB, 3 bands) as a baseline JPEG at quality with the luma sampled
// lumaH x lumaV times the chroma (2 x 2 is 4:2:0, as phones write; 2 x 1 is 4:2:2, as many
// cameras do): libvips writes only 4:2:0 or 4:4:4. False when the file cannot be written.
bool SaveSubsampledJpeg(const vips::VImage& pixels, const std::string& path, int quality, int lumaH, int lumaV);
