#include "imaging/raw/RawPhoto.h"

#include <new>

#include <libraw/libraw.h>

#include "imaging/ImagingLimits.h"
#include "imaging/frames/MemoryCopy.h"
#include "imaging/frames/PhotoSource.h"
#include "imaging/frames/PixelPipeline.h"
#include "imaging/raw/RawDecodePlan.h"
#include "imaging/raw/RawFileStream.h"
#include "imaging/raw/RawOrientation.h"

namespace platform {
namespace {

// LibRaw prints damage and memory trouble on stderr; its return codes say the same to us.
void Quietly(void*, const char*, const int) {}
void QuietlyAboutMemory(void*, const char*, const char*) {}

void Check(int code)
{
    if (code == LIBRAW_UNSUFFICIENT_MEMORY || code == LIBRAW_TOO_BIG)
        throw std::bad_alloc();
    if (code != LIBRAW_SUCCESS)
        throw vips::VError(LibRaw::strerror(code));
}

using ProcessedImage = std::unique_ptr<libraw_processed_image_t, void (*)(libraw_processed_image_t*)>;

}  // namespace

RawPhoto::RawPhoto(std::unique_ptr<RawFileStream> stream, std::unique_ptr<LibRaw> raw)
    : stream_(std::move(stream)), raw_(std::move(raw))
{
    const libraw_image_sizes_t& sizes = raw_->imgdata.sizes;
    header_.sensorWidth = sizes.raw_width;
    header_.sensorHeight = sizes.raw_height;
    header_.mosaic = raw_->imgdata.idata.filters != 0;
    header_.samples = header_.mosaic ? 1 : 4;  // LibRaw keeps other sensors' data as 4 values a pixel
    header_.width = sizes.width;
    header_.height = sizes.height;
    header_.flip = raw_->imgdata.params.user_flip == 0 ? 0 : sizes.flip;
}

RawPhoto::~RawPhoto() = default;

std::unique_ptr<RawPhoto> RawPhoto::Open(int fd, bool autoOrient)
{
    auto stream = std::make_unique<RawFileStream>(fd);
    if (!stream->valid())
        return nullptr;
    auto raw = std::make_unique<LibRaw>(LIBRAW_OPTIONS_NONE);  // about a megabyte: never on the stack
    raw->set_dataerror_handler(Quietly, nullptr);
    raw->set_memerror_handler(QuietlyAboutMemory, nullptr);
    raw->imgdata.params.max_raw_memory_mb = static_cast<unsigned>(kMaxRawDevelopBytes >> 20);
    raw->imgdata.params.user_flip = autoOrient ? -1 : 0;  // -1: the file's own orientation
    if (raw->open_datastream(stream.get()) != LIBRAW_SUCCESS)
        return nullptr;
    // LibRaw also reads some ordinary TIFFs; a camera RAW is a DNG or names its camera.
    const libraw_iparams_t& id = raw->imgdata.idata;
    if (!id.dng_version && !id.make[0])
        return nullptr;
    return std::unique_ptr<RawPhoto>(new RawPhoto(std::move(stream), std::move(raw)));
}

bool RawPhoto::IsDng() const
{
    return raw_->imgdata.idata.dng_version != 0;
}

std::int64_t RawPhoto::DataOffset() const
{
    return raw_->get_internal_data_pointer()->unpacker_data.data_offset;
}

bool RawPhoto::DataWithinFile()
{
    // Data that starts beyond the end is a file cut short; a DNG's strips and tiles say exactly
    // how long they are (other makers' counts are not always exact, so theirs are left to unpacking).
    const auto& unpacker = raw_->get_internal_data_pointer()->unpacker_data;
    const INT64 end = stream_->size();
    if (unpacker.data_offset < 0 || unpacker.data_offset >= end)
        return false;
    return !raw_->imgdata.idata.dng_version || unpacker.data_size == 0 ||
           unpacker.data_offset + INT64{unpacker.data_size} <= end;
}

std::pair<int, int> RawPhoto::DevelopedSize()
{
    Check(raw_->adjust_sizes_info_only());
    return {raw_->imgdata.sizes.iwidth, raw_->imgdata.sizes.iheight};
}

std::int64_t RawPhoto::DevelopBytes(bool halfSize) const
{
    const std::int64_t sensor = std::int64_t{header_.sensorWidth} * header_.sensorHeight;
    std::int64_t width = header_.width;
    std::int64_t height = header_.height;
    if (halfSize && header_.mosaic) {
        width = (width + 1) / 2;
        height = (height + 1) / 2;
    }
    return RawDevelopBytes(sensor, header_.samples, width * height);
}

vips::VImage RawPhoto::Develop(bool halfSize)
{
    if (DevelopBytes(halfSize) > kMaxRawDevelopBytes)
        throw std::bad_alloc();
    libraw_output_params_t& params = raw_->imgdata.params;
    params.half_size = halfSize ? 1 : 0;
    params.use_camera_wb = 1;
    params.output_color = 1;  // sRGB
    params.output_bps = 8;
    Check(raw_->unpack());
    // Damage LibRaw steps over (it counts it) would show as streaks: the file is broken.
    if (raw_->error_count() > 0)
        throw vips::VError("the camera RAW data is damaged");
    Check(raw_->dcraw_process());
    int width = 0, height = 0, colors = 0, bits = 0;
    raw_->get_mem_image_format(&width, &height, &colors, &bits);
    if (bits != 8 || (colors != 1 && colors != 3) || !FitsImageLimit(width, height))
        throw vips::VError("the camera RAW development is unusable");
    // LibRaw writes its result straight into our memory image: no third copy of the picture.
    vips::VImage out = CopyToMemory(
        vips::VImage::black(width, height, vips::VImage::option()->set("bands", colors)).cast(VIPS_FORMAT_UCHAR));
    VipsImage* target = out.get_image();
    Check(raw_->copy_mem_image(VIPS_IMAGE_ADDR(target, 0, 0), static_cast<int>(VIPS_IMAGE_SIZEOF_LINE(target)), 0));
    raw_->recycle();
    out = out.copy(vips::VImage::option()->set(
        "interpretation", colors == 3 ? VIPS_INTERPRETATION_sRGB : VIPS_INTERPRETATION_B_W));
    return NormalisePixels(out);
}

std::optional<vips::VImage> RawPhoto::Thumbnail(int photoWidth, int photoHeight)
{
    const libraw_thumbnail_t& thumb = raw_->imgdata.thumbnail;
    if (thumb.tlength == 0 || thumb.tlength > kMaxRawThumbnailBytes)
        return std::nullopt;
    // LibRaw tells the thumbnail's format only once it has read it.
    if (raw_->unpack_thumb() != LIBRAW_SUCCESS)
        return std::nullopt;
    if (thumb.tformat != LIBRAW_THUMBNAIL_JPEG && thumb.tformat != LIBRAW_THUMBNAIL_BITMAP)
        return std::nullopt;
    int error = 0;
    const ProcessedImage image(raw_->dcraw_make_mem_thumb(&error), LibRaw::dcraw_clear_mem);
    if (!image)
        return std::nullopt;
    const bool turned = (header_.flip & 4) != 0;
    try {
        vips::VImage pixels;
        if (image->type == LIBRAW_IMAGE_JPEG) {
            const auto source = [&] { return vips::VSource::new_from_memory(image->data, image->data_size); };
            const vips::VImage header =
                LoadPhoto("jpegload", source(), vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
            const int w = header.width(), h = header.height();
            if (!FitsImageLimit(w, h) || !ThumbnailServesPreview(turned ? h : w, turned ? w : h, photoWidth, photoHeight))
                return std::nullopt;
            pixels = LoadPhoto("jpegload", source(),
                               vips::VImage::option()
                                   ->set("access", VIPS_ACCESS_SEQUENTIAL)
                                   ->set("fail_on", VIPS_FAIL_ON_TRUNCATED)
                                   ->set("shrink", JpegShrinkFor(w, h, kPreviewSide, kPreviewSide)));
        } else {
            const int w = image->width, h = image->height;
            if (image->colors != 3 || image->bits != 8 || !FitsImageLimit(w, h) ||
                image->data_size < std::uint64_t(w) * h * 3 ||
                !ThumbnailServesPreview(turned ? h : w, turned ? w : h, photoWidth, photoHeight))
                return std::nullopt;
            pixels = vips::VImage::new_from_memory(image->data, image->data_size, w, h, 3, VIPS_FORMAT_UCHAR)
                         .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
        }
        // Copied into memory of its own before LibRaw's copy is freed.
        return PreviewCopy(NormalisePixels(OrientAsDeveloped(pixels, header_.flip)));
    } catch (const vips::VError&) {  // a damaged thumbnail: the photo itself may still be fine
        vips_error_clear();
        return std::nullopt;
    }
}

}  // namespace platform
