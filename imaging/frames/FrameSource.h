#pragma once
// Private to imaging: uses libvips types.
#include <atomic>
#include <memory>
#include <optional>

#include <QColor>
#include <QString>
#include <vips/vips8>

#include "system/FileDescriptor.h"
#include "system/FileStamp.h"
#include "imaging/Failure.h"
#include "imaging/FailureNote.h"
#include "imaging/Guid.h"
#include "imaging/PhotoWarning.h"
#include "imaging/checks/PhotoFormat.h"
#include "imaging/frames/FrameInfo.h"

namespace platform {

// Where the frames of one photo file come from.
class FrameSource {
public:
    virtual ~FrameSource() = default;
    virtual Guid Dimension() const = 0;
    virtual int FrameCount() const = 0;
    // Opens frame index; throws vips::VError when it cannot be decoded whole or is too large
    // (std::bad_alloc when memory runs out).
    virtual FrameInfo Open(int index) const = 0;
    // Frame index as stored (before its turn), stretched to exactly width x height onto
    // background (where it is transparent), as 8-bit sRGB. Decoding
    // happens when the result's pixels are asked for; a failure then throws vips::VError
    // (or std::bad_alloc), which the caller must catch.
    virtual vips::VImage Render(int index, int width, int height, VipsKernel kernel, QRgb background) const = 0;
    // Whether a decoder warning met while decoding means corrupt data, not a harmless oddity.
    virtual bool WarningsAreDamage() const { return false; }
    // Bytes the decoder holds of the whole opened frame while it decodes it for drawing, beyond
    // what its format always holds (an interlaced PNG, whose rows all come at the last pass).
    virtual std::int64_t WholeFrameBytes() const { return 0; }

    // Whether Open makes the preview copy. Without it Open reads only the header, and a frame
    // that cannot be decoded fails when it is rendered: for conversions that show no preview.
    void SetPreviewWanted(bool wanted) { previewWanted_ = wanted; }

    // Keeps the file the source was opened from: every later read is of that file, even when
    // another is put in its place under the same name (one changed in place is read as it is then).
    // opened is the file's stamp when it was opened.
    // format is what its first bytes announced.
    void KeepFile(FileDescriptor file, std::optional<FileStamp> opened, PhotoFormat format)
    {
        file_ = std::move(file);
        opened_ = opened;
        format_ = format;
    }
    // The kept file (-1 when none was kept) and its format, for reading what else it holds.
    int KeptFile() const { return file_.Get(); }
    PhotoFormat Format() const { return format_; }
    // Whether the kept file was written or cut since it was opened: what a decoder failed on may
    // not be the photo it opened.
    bool FileChanged() const;
    // Why the source failed, given why as the boundary caught it: the kept file changed since
    // it was opened, or else what a decoder noted, or else why. Forgets what was noted.
    Failure Explained(Failure why) const;
    // Forgets what a decoder noted, before a new decode.
    void ForgetNoted() const { note_.Take(); }
    // What the photo was read despite, so far (opening finds some, decoding the rest).
    bool Warned(PhotoWarning warning) const { return (warnings_.load() & static_cast<unsigned>(warning)) != 0; }
    void Warn(PhotoWarning warning) const { warnings_.fetch_or(static_cast<unsigned>(warning)); }

protected:
    // The kept file with a read position of its own (see ReopenFile), or the file localName names
    // when none was kept; invalid when neither can be had.
    FileDescriptor OpenKeptFile(const QByteArray& localName) const;
    // The kept file's present state; nothing when no file was kept.
    std::optional<FileStamp> KeptFileStamp() const { return StampOf(file_.Get()); }

    // Where decoders run by libvips note why they stopped.
    FailureNote* Noted() const { return &note_; }
    // The turn that stands the frame upright for the orientation recorded; none, with a warning,
    // for a value EXIF does not define.
    RotateFlipType UprightTurn(int recordedOrientation) const;

    bool previewWanted_ = true;

private:
    FileDescriptor file_;
    std::optional<FileStamp> opened_;
    PhotoFormat format_ = PhotoFormat::Unknown;
    mutable FailureNote note_;
    mutable std::atomic<unsigned> warnings_{0};
};

// A source for the file path names, of format when its first bytes were read already (else they
// are read here). With autoOrient, frames stand upright as the camera recorded; without, they keep
// their stored pixels. Throws ImagingFailure saying why no decoder takes the file, or
// std::bad_alloc when memory runs out.
std::unique_ptr<FrameSource> OpenFrameSource(const QString& path, bool autoOrient = true,
                                             std::optional<PhotoFormat> format = std::nullopt);

}  // namespace platform
