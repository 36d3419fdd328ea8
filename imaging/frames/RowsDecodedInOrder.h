#pragma once
// Private to imaging: uses libvips types.
#include <cstdint>
#include <memory>
#include <new>
#include <string>

#include <vips/vips8>

namespace platform {

namespace rows_in_order {

// Strips of full rows, top to bottom: vips_sequential hands them over in that order.
inline constexpr int kStripRows = 8;

template <class Decoder, class Why>
struct Owned {
    std::unique_ptr<Decoder> decoder;
    Why why;
    const char* domain;
};

template <class O>
int Generate(VipsRegion* region, void*, void* a, void*, gboolean*)
{
    auto* owned = static_cast<O*>(a);
    const VipsRect& r = region->valid;
    // Asked again for rows already given: a computation that failed downstream (memory running
    // out, most often) is being retried. The decoder has nothing to say about that.
    if (r.left != 0 || r.top != owned->decoder->NextRow()) {
        vips_error(owned->domain, "rows asked for out of order");
        return -1;
    }
    bool read = false;
    try {
        read = owned->decoder->ReadRows(reinterpret_cast<std::uint8_t*>(VIPS_REGION_ADDR(region, 0, r.top)),
                                        VIPS_REGION_LSKIP(region), r.height);
    } catch (const std::bad_alloc&) {  // a decoder that must hold the whole picture first
        vips_error(owned->domain, "out of memory");
        return -1;
    }
    if (!read) {
        vips_error(owned->domain, "%s", std::string(owned->why(*owned->decoder)).c_str());
        return -1;
    }
    return 0;
}

template <class O>
void Free(VipsImage*, gpointer owned)
{
    delete static_cast<O*>(owned);
}

}  // namespace rows_in_order

// The rows of decoder, which reads top to bottom (NextRow, ReadRows(into, stride, count)), as a
// libvips image whose strips are decoded when they are asked for, in order. rows, described by the
// caller (size, bands, format, profile), is taken over; the image returned owns the decoder. A
// decoder that stops fails the computation with why(decoder) under domain. Throws vips::VError
// when the image cannot be set up.
template <class Decoder, class Why>
vips::VImage RowsDecodedInOrder(VipsImage* rows, std::unique_ptr<Decoder> decoder, const char* domain, Why why)
{
    using O = rows_in_order::Owned<Decoder, Why>;
    vips_image_pipelinev(rows, VIPS_DEMAND_STYLE_FATSTRIP, nullptr);
    auto* owned = new O{std::move(decoder), std::move(why), domain};
    g_signal_connect(rows, "close", G_CALLBACK(rows_in_order::Free<O>), owned);
    VipsImage* ordered = nullptr;
    const bool made = vips_image_generate(rows, nullptr, rows_in_order::Generate<O>, nullptr, owned, nullptr) == 0 &&
                      vips_sequential(rows, &ordered, "tile_height", rows_in_order::kStripRows, nullptr) == 0;
    g_object_unref(rows);
    if (!made)
        throw vips::VError();
    return vips::VImage(ordered);
}

}  // namespace platform
