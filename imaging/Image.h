#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "imaging/Failure.h"
#include "imaging/Guid.h"
#include "imaging/PhotoWarning.h"
#include "imaging/checks/PhotoFormat.h"
#include "imaging/Status.h"
#include "imaging/details/PhotoDetails.h"

class QPainter;
class QRect;
class QString;

namespace platform {

class Bitmap;
struct ImageImpl;

// A photo loaded from a file, with its frame dimensions and its active frame, standing upright
// as its camera recorded and in sRGB: sizes, the preview and drawing all see that photo.
// A file that cannot be decoded gives an empty image: its sizes read 0 and drawing it fails.
// No operation throws: failures are statuses, or an empty image.
class Image {
public:
    // Without a preview, only the header is read until the photo is drawn (see FrameSource).
    // Without autoOrient, the pixels keep the orientation they are stored in.
    // format is what the file's first bytes announce, where the caller read them already.
    static std::unique_ptr<Image> LoadFromFile(const QString& path, bool withPreview = true, bool autoOrient = true,
                                               std::optional<PhotoFormat> format = std::nullopt);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    bool IsEmpty() const;
    unsigned Width() const;
    unsigned Height() const;
    float HorizontalResolution() const;
    // Whether the active frame's embedded colour profile was unusable (damaged, of another colour
    // space, too large), so that its pixels are taken as sRGB.
    bool ColourProfileIgnored() const;
    // What else the photo was read despite: found when it was opened, or (the end of its data)
    // once it was drawn.
    bool Warned(PhotoWarning warning) const;
    // Bytes its decoder will hold of the whole active frame while drawing it, beyond what its
    // format always holds: for a memory budget, counted before anything is decoded.
    std::int64_t WholeFrameBytes() const;

    // The photo's own details (EXIF, XMP, IPTC), read from the file it was opened from; details
    // that could not be trusted are dropped and warned of (PhotoWarning::DetailsDropped).
    PhotoDetails Details() const;

    unsigned FrameDimensionsCount() const;
    std::vector<Guid> FrameDimensionsList() const;
    unsigned FrameCount(const Guid& dimension) const;
    // Later queries and drawing use that frame; a frame that cannot be decoded empties the image.
    Status SelectActiveFrame(const Guid& dimension, unsigned index);
    // Why the photo could not be opened, or its frame selected; empty when nothing failed.
    const Failure& LastFailure() const { return failure_; }

    // Draws the whole active frame stretched over target (the preview), at the painter device's
    // pixel density.
    Status DrawStretched(QPainter& painter, const QRect& target) const;

private:
    friend class Bitmap;  // renders the active frame into its own pixels
    Image();

    std::unique_ptr<ImageImpl> impl_;  // null when the file could not be opened
    Failure failure_;
};

}  // namespace platform
