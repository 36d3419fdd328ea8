#pragma once
#include <string>
#include <vector>

#include "imaging/details/OutputDetails.h"

namespace platform {

struct PngChunk {
    std::string type;  // four letters
    std::vector<std::uint8_t> data;
};

// The chunks that carry an output's details, in the order written before the pixels: eXIf, the
// XMP as iTXt "XML:com.adobe.xmp", then each text as tEXt where Latin-1 holds it, else as iTXt.
std::vector<PngChunk> DetailChunks(const OutputDetails& details);

}  // namespace platform
