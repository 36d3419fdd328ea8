#include "convert/EncoderLookup.h"

#include "imaging/Encoders.h"

int FindEncoderByMimeType(const QString& mimeType, platform::Guid& clsid)
{
    const auto encoders = platform::ImageEncoders();
    for (std::size_t i = 0; i < encoders.size(); ++i) {
        if (encoders[i].mimeType == mimeType) {
            clsid = encoders[i].clsid;
            return static_cast<int>(i);
        }
    }
    return -1;
}
