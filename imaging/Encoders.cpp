#include "imaging/Encoders.h"

#include <atomic>

#include "imaging/png/PngWriter.h"
#include "imaging/testing/ImagingTestSeams.h"

namespace platform {
namespace {
// Tests put a writer of their own in its place (see ReplacePngWriter).
std::atomic<PictureWriter> pngWriter{static_cast<PictureWriter>(&WritePng)};
}  // namespace

std::vector<ImageCodecInfo> ImageEncoders()
{
    return {ImageCodecInfo{kPngEncoderClsid, QStringLiteral("image/png")}};
}

PictureWriter WriterFor(const Guid& encoder)
{
    return encoder == kPngEncoderClsid ? pngWriter.load() : nullptr;
}

void ReplacePngWriter(PictureWriter writer)
{
    pngWriter = writer ? writer : static_cast<PictureWriter>(&WritePng);
}

}  // namespace platform
