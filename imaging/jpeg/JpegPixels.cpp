#include "imaging/jpeg/JpegPixels.h"

#include "imaging/ImagingFailure.h"
#include "imaging/frames/RowsDecodedInOrder.h"

namespace platform {
namespace {

VipsInterpretation InterpretationFor(int components)
{
    switch (components) {
    case 1: return VIPS_INTERPRETATION_B_W;
    case 4: return VIPS_INTERPRETATION_CMYK;
    default: return VIPS_INTERPRETATION_sRGB;
    }
}

}  // namespace

vips::VImage JpegPixels(std::unique_ptr<JpegDecoder> decoder, const vips::VImage& header, FailureNote* note)
{
    VipsImage* rows = vips_image_new();
    vips_image_init_fields(rows, decoder->OutputWidth(), decoder->OutputHeight(), decoder->Components(),
                           VIPS_FORMAT_UCHAR, VIPS_CODING_NONE, InterpretationFor(decoder->Components()),
                           header.xres(), header.yres());
    const void* profile = nullptr;
    std::size_t profileBytes = 0;
    if (vips_image_get_typeof(header.get_image(), VIPS_META_ICC_NAME) &&
        vips_image_get_blob(header.get_image(), VIPS_META_ICC_NAME, &profile, &profileBytes) == 0)
        vips_image_set_blob_copy(rows, VIPS_META_ICC_NAME, profile, profileBytes);
    return RowsDecodedInOrder(rows, std::move(decoder), "jpeg", [note](const JpegDecoder& d) {
        std::string why = d.Why();
        if (note)
            note->Note(FailureOfLibraryText(why));
        return why;
    });
}

}  // namespace platform
