#include "imaging/frames/FrameSource.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "imaging/EngineSeams.h"
#include "imaging/ImagingFailure.h"
#include "imaging/ImagingLimits.h"
#include "system/LocalFileName.h"
#include "system/MappedFile.h"
#include "system/OpenRegularFile.h"
#include "system/ReopenFile.h"
#include "system/RetryingIo.h"
#include "imaging/checks/PhotoFormat.h"
#include "imaging/frames/PhotoOrientation.h"
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

// The source the file open on fd and named local needs, in format; throws ImagingFailure saying
// why when no decoder takes it.
std::unique_ptr<FrameSource> SourceFor(const QByteArray& local, const FileDescriptor& fd, PhotoFormat format,
                                       bool autoOrient)
{
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
            const bool noBits =
                raw->IsDng() && TiffSampleBitsAt(file.Data(), file.Size(), std::uint64_t(raw->DataOffset())) == 0u;
            const bool ordinaryTiff = format == PhotoFormat::Tiff && !raw->IsDng() &&
                                      TiffHasPictureAt(file.Data(), file.Size(), std::uint64_t(raw->DataOffset()));
            if (file.Changed())
                throw ImagingFailure(Failure::Of(Failure::Kind::FileChanged));
            if (noBits)
                throw ImagingFailure(Failure::Of(Failure::Kind::Mismatch));
            if (!ordinaryTiff)
                return RawFrameSource::FromPhoto(local, *raw, autoOrient);
        }
    }
    // Our PNG decoder reads the header and the chunks before the image data here, refusing a
    // damaged header or a picture beyond the pixel limit; the rest it checks while decoding.
    if (format == PhotoFormat::Png) {
        Failure why;
        if (!PngDecoder::Open(ReopenFile(fd.Get(), local), &why))
            throw ImagingFailure(why);
        return std::make_unique<PngFrameSource>(local, autoOrient);
    }
    const char* loader = VipsLoaderFor(format);
    if (!loader)
        throw ImagingFailure(Failure::Of(Failure::Kind::NotAPhoto));
    try {
        const vips::VSource source = vips::VSource::new_from_descriptor(fd.Get());
        // Read the header only: size limits are checked before a single pixel is decoded.
        vips::VImage header = LoadPhoto(loader, source, vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
        if (!FitsImageLimit(header.width(), header.height()))
            throw ImagingFailure(Failure::TooLargeAt(header.width(), header.height()));
        if (format == PhotoFormat::Jpeg)
            return std::make_unique<JpegFrameSource>(local, autoOrient);
        int pages = 1;
        if (VipsFrameSource::IsPaged(loader) && vips_image_get_typeof(header.get_image(), VIPS_META_N_PAGES))
            pages = std::clamp(header.get_int(VIPS_META_N_PAGES), 1, format == PhotoFormat::Gif ? kMaxGifFrames : kMaxPages);
        return std::make_unique<VipsFrameSource>(local, loader, pages, autoOrient);
    } catch (const vips::VError& error) {
        vips_error_clear();
        throw ImagingFailure(FailureOfLibraryText(error.what()));
    }
}

}  // namespace

FileDescriptor FrameSource::OpenKeptFile(const QByteArray& localName) const
{
    return file_ ? ReopenFile(file_.Get(), localName) : OpenRegularFile(localName);
}

bool FrameSource::FileChanged() const
{
    return file_ && StampOf(file_.Get()) != opened_;
}

RotateFlipType FrameSource::UprightTurn(int recordedOrientation) const
{
    if (recordedOrientation < 1 || recordedOrientation > 8)
        Warn(PhotoWarning::OrientationIgnored);
    return TurnForOrientation(recordedOrientation);
}

Failure FrameSource::Explained(Failure why) const
{
    const std::optional<Failure> noted = note_.Take();
    if (FileChanged())
        return Failure::Of(Failure::Kind::FileChanged);
    return noted ? *noted : why;
}

std::unique_ptr<FrameSource> OpenFrameSource(const QString& path, bool autoOrient, std::optional<PhotoFormat> format)
{
    const QByteArray local = LocalFileName(path);
    if (local.isEmpty())
        throw ImagingFailure(Failure::SystemError(ENOENT));
    FileDescriptor fd = OpenRegularFile(local);
    if (!fd)
        throw ImagingFailure(Failure::SystemError(errno ? errno : ENOENT));
    const std::optional<FileStamp> opened = StampOf(fd.Get());
    if (const auto seam = Seams().photoOpened.load())
        seam(fd.Get());
    // Our own look at the first bytes picks the one decoder that may read the file: no library
    // probes it with every loader it has.
    if (!format)
        format = SniffFile(fd.Get());
    if (*format == PhotoFormat::Unknown)
        throw ImagingFailure(Failure::Of(Failure::Kind::NotAPhoto));
    std::unique_ptr<FrameSource> source;
    try {
        source = SourceFor(local, fd, *format, autoOrient);
    } catch (const std::exception&) {
        // A file cut or written while it was read fails for that, whatever the decoder made of it.
        if (StampOf(fd.Get()) != opened)
            throw ImagingFailure(Failure::Of(Failure::Kind::FileChanged));
        throw;
    }
    source->KeepFile(std::move(fd), opened, *format);
    return source;
}

}  // namespace platform
