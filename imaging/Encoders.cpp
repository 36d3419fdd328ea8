#include "imaging/Encoders.h"

#include "imaging/EngineSeams.h"
#include "imaging/png/PngWriter.h"

namespace platform {

std::vector<ImageCodecInfo> ImageEncoders()
{
    return {ImageCodecInfo{kPngEncoderClsid, QStringLiteral("image/png")}};
}

PictureWriter WriterFor(const Guid& encoder)
{
    if (encoder != kPngEncoderClsid)
        return nullptr;
    const PictureWriter other = Seams().pngWriter.load();
    return other ? other : static_cast<PictureWriter>(&WritePng);
}

}  // namespace platform
