#pragma once
#include <QString>
#include <vector>

#include "imaging/Guid.h"

namespace platform {

// One image encoder the imaging layer offers: its class identifier and MIME type.
struct ImageCodecInfo {
    Guid clsid;
    QString mimeType;
};

inline constexpr Guid kPngEncoderClsid{0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

// The encoders available for saving, in a fixed order.
std::vector<ImageCodecInfo> ImageEncoders();

}  // namespace platform
