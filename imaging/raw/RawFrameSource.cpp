#include "imaging/raw/RawFrameSource.h"

#include "imaging/ImagingFailure.h"
#include "imaging/ImagingLimits.h"
#include "imaging/frames/PixelPipeline.h"
#include "imaging/raw/RawDecodePlan.h"
#include "imaging/raw/RawPhoto.h"

namespace platform {
namespace {

// Runs a step that calls LibRaw, whose own failures are not std::exceptions: none of them may
// leave the imaging layer as anything but vips::VError or std::bad_alloc.
template <typename Step>
auto Guarded(Step step)
{
    try {
        return step();
    } catch (const std::exception&) {
        throw;
    } catch (...) {
        throw vips::VError("LibRaw failed");
    }
}

}  // namespace

// Dropped in the reverse order: LibRaw before the file it reads.
struct RawFrameSource::OpenedRaw {
    FileDescriptor fd;
    std::unique_ptr<RawPhoto> photo;
};

RawFrameSource::OpenedRaw RawFrameSource::OpenRaw() const
{
    OpenedRaw raw;
    raw.fd = OpenKeptFile(localName_);
    if (raw.fd)
        raw.photo = RawPhoto::Open(raw.fd.Get(), autoOrient_);
    if (!raw.photo || !raw.photo->DataWithinFile())  // the file may have changed since it was opened
        throw ImagingFailure(Failure::Of(Failure::Kind::FileChanged));
    return raw;
}

RawFrameSource::RawFrameSource(QByteArray localName, int width, int height, bool autoOrient)
    : localName_(std::move(localName)), width_(width), height_(height), autoOrient_(autoOrient)
{
}

std::unique_ptr<FrameSource> RawFrameSource::FromPhoto(const QByteArray& localName, RawPhoto& photo, bool autoOrient)
{
    return Guarded([&] { return FromHeader(localName, photo, autoOrient); });
}

std::unique_ptr<FrameSource> RawFrameSource::FromHeader(const QByteArray& localName, RawPhoto& photo,
                                                        bool autoOrient)
{
    // Checked from the header, before LibRaw reads or allocates anything for the pixels.
    const RawHeader& header = photo.Header();
    if (!photo.DataWithinFile())
        throw ImagingFailure(Failure::Of(Failure::Kind::EndsEarly));
    if (!FitsImageLimit(header.sensorWidth, header.sensorHeight))
        throw ImagingFailure(Failure::TooLargeAt(header.sensorWidth, header.sensorHeight));
    if (!FitsImageLimit(header.width, header.height))
        throw ImagingFailure(Failure::TooLargeAt(header.width, header.height));
    // Developing it would take more than a photo may.
    if (photo.DevelopBytes(true) > kMaxRawDevelopBytes)
        throw ImagingFailure(Failure::Of(Failure::Kind::OutOfMemory));
    const auto [width, height] = photo.DevelopedSize();
    if (!FitsImageLimit(width, height))
        throw ImagingFailure(Failure::TooLargeAt(width, height));
    return std::make_unique<RawFrameSource>(localName, width, height, autoOrient);
}

FrameInfo RawFrameSource::Open(int index) const
{
    if (index != 0)
        throw vips::VError("a camera RAW photo has one frame");
    return Guarded([&] {
        // LibRaw develops the photo upright, and reports no resolution of a RAW's own.
        FrameInfo info = FrameInfoFor(width_, height_, kDefaultDpi);
        if (!previewWanted_)
            return info;
        OpenedRaw raw = OpenRaw();
        // The camera's own preview is ready made; otherwise the quickest development.
        std::optional<vips::VImage> thumbnail = raw.photo->Thumbnail(width_, height_);
        info.preview = thumbnail ? *thumbnail : PreviewCopy(raw.photo->Develop(true));
        return info;
    });
}

vips::VImage RawFrameSource::Render(int index, int width, int height, VipsKernel kernel, QRgb background) const
{
    if (index != 0)
        throw vips::VError("a camera RAW photo has one frame");
    const bool half = HalfSizeSuffices(width_, height_, width, height);
    const vips::VImage developed = Guarded([&] { return OpenRaw().photo->Develop(half); });
    return StretchOntoBackground(developed, width, height, kernel, background);
}

}  // namespace platform
