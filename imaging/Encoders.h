#pragma once
#include <QString>
#include <vector>

#include "system/ByteSink.h"
#include "imaging/Guid.h"

namespace platform {

struct RgbRows;

// One image encoder the imaging layer offers: its class identifier and MIME type.
struct ImageCodecInfo {
    Guid clsid;
    QString mimeType;
};

inline constexpr Guid kPngEncoderClsid{0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

// The encoders available for saving, in a fixed order.
std::vector<ImageCodecInfo> ImageEncoders();

// Writes a picture in an encoder's format into a sink; false when it failed.
using PictureWriter = bool (*)(const RgbRows& image, double dpi, const ByteSink& sink);
// The writer of an encoder; nothing for one that is not offered.
PictureWriter WriterFor(const Guid& encoder);

}  // namespace platform
