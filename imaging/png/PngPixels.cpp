#include "imaging/png/PngPixels.h"

#include <new>

namespace platform {
namespace {

// Strips of full rows, top to bottom: vips_sequential hands them over in that order.
constexpr int kStripRows = 8;

int GenerateRows(VipsRegion* region, void*, void* a, void*, gboolean*)
{
    auto* decoder = static_cast<PngDecoder*>(a);
    const VipsRect& r = region->valid;
    bool read = false;
    try {
        read = r.left == 0 && r.top == decoder->NextRow() &&
               decoder->ReadRows(reinterpret_cast<std::uint8_t*>(VIPS_REGION_ADDR(region, 0, r.top)),
                                 VIPS_REGION_LSKIP(region), r.height);
    } catch (const std::bad_alloc&) {  // an interlaced picture is decoded whole first
        vips_error("png", "out of memory");
        return -1;
    }
    if (!read) {
        vips_error("png", "damaged PNG data: %s", decoder->Error().c_str());
        return -1;
    }
    return 0;
}

void FreeDecoder(VipsImage*, gpointer decoder)
{
    delete static_cast<PngDecoder*>(decoder);
}

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

vips::VImage PngPixels(std::unique_ptr<PngDecoder> decoder)
{
    VipsImage* rows = vips_image_new();
    DescribeAs(rows, *decoder);
    vips_image_pipelinev(rows, VIPS_DEMAND_STYLE_FATSTRIP, nullptr);
    PngDecoder* owned = decoder.release();
    g_signal_connect(rows, "close", G_CALLBACK(FreeDecoder), owned);
    VipsImage* ordered = nullptr;
    const bool made = vips_image_generate(rows, nullptr, GenerateRows, nullptr, owned, nullptr) == 0 &&
                      vips_sequential(rows, &ordered, "tile_height", kStripRows, nullptr) == 0;
    g_object_unref(rows);
    if (!made)
        throw vips::VError();
    // Marked as libvips' loaders mark what they read in order: the steps after (the resampling
    // above all) then keep the rows they need instead of asking for them again.
    vips_image_set_int(ordered, VIPS_META_SEQUENTIAL, 1);
    return vips::VImage(ordered);
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
        throw vips::VError("damaged PNG data: " + decoder.Error());
    return image;
}

}  // namespace platform
