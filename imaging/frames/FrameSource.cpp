#include "imaging/frames/FrameSource.h"

#include <unistd.h>

#include <algorithm>

#include "imaging/ImagingLimits.h"
#include "system/LocalFileName.h"
#include "system/MappedFile.h"
#include "system/OpenRegularFile.h"
#include "system/ReopenFile.h"
#include "system/RetryingIo.h"
#include "imaging/checks/PhotoFormat.h"
#include "imaging/frames/PhotoSource.h"
#include "imaging/checks/TiffPictureData.h"
#include "imaging/checks/TiffSampleBits.h"
#include "imaging/frames/QtFrameSource.h"
#include "imaging/raw/RawFrameSource.h"
#include "imaging/raw/RawPhoto.h"
#include "imaging/frames/VipsFrameSource.h"
#include "imaging/jpeg/JpegFrameSource.h"
#include "imaging/png/PngDecoder.h"
#include "imaging/png/PngFrameSource.h"

namespace platform {
namespace {

PhotoFormat SniffFile(int fd)
{
    std::uint8_t head[kSniffBytes];
    return SniffPhotoFormat(head, ReadUpToAt(fd, head, sizeof head, 0));
}

// The source the file open on fd and named local needs, if any decoder takes it.
std::unique_ptr<FrameSource> SourceFor(const QByteArray& local, const FileDescriptor& fd, bool autoOrient)
{
    // Our own look at the first bytes picks the one decoder that may read the file: no library
    // probes it with every loader it has.
    const PhotoFormat format = SniffFile(fd.Get());
    if (format == PhotoFormat::Bmp || format == PhotoFormat::Ico)
        return QtFrameSource::FromFile(local, fd.Get(), format);
    // Most camera RAWs are TIFFs too: LibRaw decides, and what it does not take stays a TIFF. A
    // RAW it takes but that is broken or too large is refused, not handed to the TIFF decoder.
    // LibRaw also takes ordinary TIFFs that name a camera's maker: what it would develop must be
    // sensor data (or a DNG's).
    if (format == PhotoFormat::Tiff || format == PhotoFormat::CameraRaw) {
        if (const std::unique_ptr<RawPhoto> raw = RawPhoto::Open(fd.Get(), autoOrient)) {
            const MappedFile file(fd.Get());
            // A DNG that declares samples of 0 bits is damaged, though LibRaw develops it as noise.
            if (raw->IsDng() && TiffSampleBitsAt(file.Data(), file.Size(), std::uint64_t(raw->DataOffset())) == 0u)
                return nullptr;
            const bool ordinaryTiff = format == PhotoFormat::Tiff && !raw->IsDng() &&
                                      TiffHasPictureAt(file.Data(), file.Size(), std::uint64_t(raw->DataOffset()));
            if (!ordinaryTiff)
                return RawFrameSource::FromPhoto(local, *raw, autoOrient);
        }
    }
    // Our PNG decoder reads the header and the chunks before the image data here, refusing a
    // damaged header or a picture beyond the pixel limit; the rest it checks while decoding.
    if (format == PhotoFormat::Png)
        return PngDecoder::Open(ReopenFile(fd.Get(), local)) ? std::make_unique<PngFrameSource>(local, autoOrient)
                                                             : nullptr;
    const char* loader = VipsLoaderFor(format);
    if (!loader)
        return nullptr;
    try {
        const vips::VSource source = vips::VSource::new_from_descriptor(fd.Get());
        // Read the header only: size limits are checked before a single pixel is decoded.
        vips::VImage header = LoadPhoto(loader, source, vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
        if (!FitsImageLimit(header.width(), header.height()))
            return nullptr;
        if (format == PhotoFormat::Jpeg)
            return std::make_unique<JpegFrameSource>(local, autoOrient);
        int pages = 1;
        if (VipsFrameSource::IsPaged(loader) && vips_image_get_typeof(header.get_image(), VIPS_META_N_PAGES))
            pages = std::clamp(header.get_int(VIPS_META_N_PAGES), 1, format == PhotoFormat::Gif ? kMaxGifFrames : kMaxPages);
        return std::make_unique<VipsFrameSource>(local, loader, pages, autoOrient);
    } catch (const vips::VError&) {
        vips_error_clear();
        return nullptr;
    }
}

}  // namespace

FileDescriptor FrameSource::OpenKeptFile(const QByteArray& localName) const
{
    return file_ ? ReopenFile(file_.Get(), localName) : OpenRegularFile(localName);
}

std::unique_ptr<FrameSource> OpenFrameSource(const QString& path, bool autoOrient)
{
    const QByteArray local = LocalFileName(path);
    if (local.isEmpty())
        return nullptr;
    FileDescriptor fd = OpenRegularFile(local);
    if (!fd)
        return nullptr;
    std::unique_ptr<FrameSource> source = SourceFor(local, fd, autoOrient);
    if (source)
        source->KeepFile(std::move(fd));
    return source;
}

}  // namespace platform
