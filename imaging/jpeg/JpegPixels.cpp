#include "imaging/jpeg/JpegPixels.h"

namespace platform {
namespace {

// Strips of full rows, top to bottom: vips_sequential hands them over in that order.
constexpr int kStripRows = 8;

int GenerateRows(VipsRegion* region, void*, void* a, void*, gboolean*)
{
    auto* decoder = static_cast<JpegDecoder*>(a);
    const VipsRect& r = region->valid;
    if (r.left != 0 || r.top != decoder->NextRow() ||
        !decoder->ReadRows(reinterpret_cast<std::uint8_t*>(VIPS_REGION_ADDR(region, 0, r.top)),
                           VIPS_REGION_LSKIP(region), r.height)) {
        vips_error("jpeg", "damaged JPEG data");
        return -1;
    }
    return 0;
}

void FreeDecoder(VipsImage*, gpointer decoder)
{
    delete static_cast<JpegDecoder*>(decoder);
}

VipsInterpretation InterpretationFor(int components)
{
    switch (components) {
    case 1: return VIPS_INTERPRETATION_B_W;
    case 4: return VIPS_INTERPRETATION_CMYK;
    default: return VIPS_INTERPRETATION_sRGB;
    }
}

}  // namespace

vips::VImage JpegPixels(std::unique_ptr<JpegDecoder> decoder, const vips::VImage& header)
{
    VipsImage* rows = vips_image_new();
    vips_image_init_fields(rows, decoder->OutputWidth(), decoder->OutputHeight(), decoder->Components(),
                           VIPS_FORMAT_UCHAR, VIPS_CODING_NONE, InterpretationFor(decoder->Components()),
                           header.xres(), header.yres());
    vips_image_pipelinev(rows, VIPS_DEMAND_STYLE_FATSTRIP, nullptr);
    const void* profile = nullptr;
    std::size_t profileBytes = 0;
    if (vips_image_get_typeof(header.get_image(), VIPS_META_ICC_NAME) &&
        vips_image_get_blob(header.get_image(), VIPS_META_ICC_NAME, &profile, &profileBytes) == 0)
        vips_image_set_blob_copy(rows, VIPS_META_ICC_NAME, profile, profileBytes);
    JpegDecoder* owned = decoder.release();
    g_signal_connect(rows, "close", G_CALLBACK(FreeDecoder), owned);
    VipsImage* ordered = nullptr;
    const bool made = vips_image_generate(rows, nullptr, GenerateRows, nullptr, owned, nullptr) == 0 &&
                      vips_sequential(rows, &ordered, "tile_height", kStripRows, nullptr) == 0;
    g_object_unref(rows);
    if (!made)
        throw vips::VError();
    return vips::VImage(ordered);
}

}  // namespace platform
