#include "imaging/Encoders.h"

namespace platform {

std::vector<ImageCodecInfo> ImageEncoders()
{
    return {ImageCodecInfo{kPngEncoderClsid, QStringLiteral("image/png")}};
}

}  // namespace platform
