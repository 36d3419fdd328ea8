#include "imaging/png/PngPixels.h"

#include <new>

#include "imaging/ImagingFailure.h"
#include "imaging/frames/RowsDecodedInOrder.h"

namespace platform {
namespace {

VipsInterpretation InterpretationFor(const PngDecoder& decoder)
{
    if (decoder.Bands() < 3)
        return decoder.Deep() ? VIPS_INTERPRETATION_GREY16 : VIPS_INTERPRETATION_B_W;
    return decoder.Deep() ? VIPS_INTERPRETATION_RGB16 : VIPS_INTERPRETATION_sRGB;
}

// Gives image the decoder's size, bands, depth and colour profile.
void DescribeAs(VipsImage* image, const PngDecoder& decoder)
{
    vips_image_init_fields(image, decoder.Width(), decoder.Height(), decoder.Bands(),
                           decoder.Deep() ? VIPS_FORMAT_USHORT : VIPS_FORMAT_UCHAR, VIPS_CODING_NONE,
                           InterpretationFor(decoder), 1.0, 1.0);
    if (const auto& profile = decoder.Profile(); profile && !profile->empty())
        vips_image_set_blob_copy(image, VIPS_META_ICC_NAME, profile->data(), profile->size());
}

}  // namespace

vips::VImage PngPixels(std::unique_ptr<PngDecoder> decoder, FailureNote* note)
{
    VipsImage* rows = vips_image_new();
    DescribeAs(rows, *decoder);
    vips::VImage ordered = RowsDecodedInOrder(rows, std::move(decoder), "png", [note](const PngDecoder& d) {
        if (note)
            note->Note(FailureOfLibraryText(d.Error()));
        return d.Error();
    });
    // Marked as libvips' loaders mark what they read in order: the steps after (the resampling
    // above all) then keep the rows they need instead of asking for them again.
    vips_image_set_int(ordered.get_image(), VIPS_META_SEQUENTIAL, 1);
    return ordered;
}

vips::VImage PngPixelsInMemory(PngDecoder& decoder)
{
    vips::VImage image(vips_image_new_memory());
    DescribeAs(image.get_image(), decoder);
    // Marked as a copy of what PngPixels gives would be (see there).
    vips_image_pipelinev(image.get_image(), VIPS_DEMAND_STYLE_THINSTRIP, nullptr);
    vips_image_set_int(image.get_image(), VIPS_META_SEQUENTIAL, 1);
    if (vips_image_write_prepare(image.get_image()) != 0) {
        vips_error_clear();
        throw std::bad_alloc();
    }
    if (!decoder.ReadWhole(VIPS_IMAGE_ADDR(image.get_image(), 0, 0), VIPS_IMAGE_SIZEOF_IMAGE(image.get_image())))
        throw ImagingFailure(FailureOfLibraryText(decoder.Error()));
    return image;
}

}  // namespace platform
