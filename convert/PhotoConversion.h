#pragma once
#include <atomic>
#include <memory>
#include <optional>

#include <QColor>
#include <QFont>
#include <QString>

#include "convert/OutputKeeping.h"
#include "system/PublishMode.h"
#include "imaging/Failure.h"
#include "imaging/Guid.h"
#include "imaging/RotateFlipType.h"
#include "imaging/Status.h"

class PhotoDocument;
namespace platform {
class Bitmap;
struct ConversionProgress;
}

// One conversion of the photo's active frame into an output picture, step by step. Each step
// returns its status and the caller decides whether to report it and go on, so the window and
// the command line run the same steps in the same order.
class PhotoConversion {
public:
    // Makes the black output picture of width x height; when that cannot be allocated every
    // step fails. Once cancel is set (from any thread) the drawing and the save stop and fail.
    // The drawing and the save count their rows in progress, when given.
    PhotoConversion(const PhotoDocument& photo, int width, int height, const std::atomic<bool>* cancel = nullptr,
                    platform::ConversionProgress* progress = nullptr);
    ~PhotoConversion();
    PhotoConversion(const PhotoConversion&) = delete;
    PhotoConversion& operator=(const PhotoConversion&) = delete;

    // dpi on both axes, or else the photo's horizontal resolution.
    platform::Status SetResolution(std::optional<int> dpi = std::nullopt);
    // Makes the picture, saved at width x height, carry what keep asks of the photo's details and
    // date; false when its date was asked and the photo says nowhere when it was taken.
    bool Keep(const OutputKeeping& keep, int width, int height);
    platform::Status SetInterpolationMode();
    // The whole active frame stretched over the whole picture.
    platform::Status DrawPhoto();
    // One line of text with (x, y) the top-left of its box, drawn before the picture turns so
    // that it turns with it.
    platform::Status DrawText(const QString& text, const QFont& font, const QColor& colour, int x, int y);
    platform::Status RotateFlip(platform::RotateFlipType type);
    // DrawPhoto then Save, for a picture with no text and no turn: the writer may take the rows
    // already drawn while the next are decoded (platform::Bitmap::DrawAndSave). saved is
    // WrongState when the drawing failed and nothing was written.
    struct DrawnAndSaved {
        platform::Status drawn;
        platform::Status saved;
    };
    DrawnAndSaved DrawPhotoAndSave(const QByteArray& localName, const platform::Guid& encoder,
                                   platform::Publish publish = platform::Publish::Replace);
    // Writes the picture; an existing file is replaced only by a complete new one, and with
    // Publish::OnlyNew not at all (Status::OutputExists).
    // localName is the name's bytes on disk; path is taken as Qt encodes it.
    platform::Status Save(const QByteArray& localName, const platform::Guid& encoder,
                          platform::Publish publish = platform::Publish::Replace) const;
    platform::Status Save(const QString& path, const platform::Guid& encoder,
                          platform::Publish publish = platform::Publish::Replace) const;
    bool Cancelled() const;
    // Why the last step that failed did: the picture's own reason, or the photo's when it had
    // no frame to draw.
    platform::Failure LastFailure() const;

private:
    friend class PhotoConversionProbe;  // tests look at the picture between the steps

    const PhotoDocument& photo_;
    std::unique_ptr<platform::Bitmap> bitmap_;
};
