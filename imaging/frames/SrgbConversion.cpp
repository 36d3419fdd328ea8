#include "imaging/frames/SrgbConversion.h"

#include "imaging/checks/IccProfileBehaviour.h"
#include "imaging/checks/IccProfileHeader.h"

namespace platform {
namespace {

vips::VImage WithoutProfile(const vips::VImage& image)
{
    vips::VImage out = image.copy();
    vips_image_remove(out.get_image(), VIPS_META_ICC_NAME);
    return out;
}

bool ProfileFits(const vips::VImage& image)
{
    const void* data = nullptr;
    std::size_t size = 0;
    if (vips_image_get_blob(image.get_image(), VIPS_META_ICC_NAME, &data, &size) != 0) {
        vips_error_clear();
        return false;
    }
    const int colourBands = image.bands() >= 3 ? 3 : 1;
    const bool depthFits = image.format() == VIPS_FORMAT_UCHAR || image.format() == VIPS_FORMAT_USHORT;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    return depthFits && image.bands() <= 4 && IccProfileFits(bytes, size, colourBands) &&
           IccProfileBehaves(bytes, size, colourBands);
}

}  // namespace

SrgbPixels ConvertedToSrgb(const vips::VImage& decoded)
{
    if (!vips_image_get_typeof(decoded.get_image(), VIPS_META_ICC_NAME) ||
        decoded.interpretation() == VIPS_INTERPRETATION_CMYK)
        return {decoded, false};
    if (!ProfileFits(decoded))
        return {WithoutProfile(decoded), true};
    try {
        // Relative colorimetric: colours sRGB can show stay exactly as the photo has them, the
        // others are clipped to the nearest sRGB can show. The profiles cameras and phones embed
        // are matrix profiles, for which lcms2 has no perceptual rendering anyway.
        const int depth = decoded.format() == VIPS_FORMAT_USHORT ? 16 : 8;
        const vips::VImage srgb = decoded.icc_transform("srgb", vips::VImage::option()
                                                                    ->set("embedded", true)
                                                                    ->set("intent", VIPS_INTENT_RELATIVE)
                                                                    ->set("depth", depth));
        return {WithoutProfile(srgb), false};
    } catch (const vips::VError&) {  // lcms2 refused the profile
        vips_error_clear();
        return {WithoutProfile(decoded), true};
    }
}

}  // namespace platform
