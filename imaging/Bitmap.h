#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include <QColor>
#include <QString>

#include "system/PublishMode.h"
#include "imaging/Encoders.h"
#include "imaging/Failure.h"
#include "imaging/Guid.h"
#include "imaging/RotateFlipType.h"
#include "imaging/png/PngEffort.h"
#include "imaging/Status.h"

namespace platform {

class Image;
class RowHandOver;
struct OutputDetails;
struct ConversionProgress;

// The output picture: 8-bit RGB, no alpha, starting black, carrying a resolution.
// A size that cannot be allocated leaves it empty; every operation on an empty bitmap fails.
class Bitmap {
public:
    static std::unique_ptr<Bitmap> Create(int width, int height);
    ~Bitmap();

    bool IsEmpty() const { return !pixels_; }
    // Why it is empty, or why the last drawing, turn or save failed: what the decoder, the
    // drawing or the operating system said where it stopped. Empty when nothing says why (a
    // cancelled save, an unknown encoder).
    const Failure& LastFailure() const { return failure_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return width_ * 3; }
    const std::uint8_t* Bits() const { return pixels_.get(); }
    std::uint8_t* Bits() { return pixels_.get(); }

    Status SetResolution(float dpiX, float dpiY);
    float HorizontalResolution() const { return dpiX_; }
    float VerticalResolution() const { return dpiY_; }

    Status SetInterpolationMode(InterpolationMode mode);
    // What the saved file carries of its photo besides the pixels, and the date it is given.
    void SetDetails(std::shared_ptr<const OutputDetails> details) { details_ = std::move(details); }
    // How hard a PNG save works at the file's size.
    void SetPngEffort(PngEffort effort) { effort_ = effort; }
    // What the photo's transparent pixels are composited onto when it is drawn; black unless set.
    void SetBackground(QRgb background) { background_ = background; }
    // A flag that, once set (from any thread), makes the drawing and the save under way stop and
    // fail; a save stopped so leaves any old file as it was.
    void SetCancel(const std::atomic<bool>* cancel) { cancel_ = cancel; }
    bool Cancelled() const { return cancel_ && cancel_->load(); }
    // Where the drawing and the save count the rows they finish, for a progress shown meanwhile.
    void SetProgress(ConversionProgress* progress) { progress_ = progress; }
    // The whole active frame of source stretched over the whole bitmap, composited onto the background.
    Status DrawImage(const Image& source);
    Status RotateFlip(RotateFlipType type);
    // Writes the file through the encoder; an existing file is replaced only by a complete new one.
    // Only where nothing is at path when the file is complete, with Publish::OnlyNew. localName is
    // the name's bytes on disk (a name that is not UTF-8 keeps them); path is taken as Qt encodes it.
    Status Save(const QByteArray& localName, const Guid& encoder, Publish publish = Publish::Replace) const;
    Status Save(const QString& path, const Guid& encoder, Publish publish = Publish::Replace) const;

    struct DrawnAndSaved {
        Status drawn;
        Status saved;  // WrongState when the drawing failed: nothing was written
    };
    // DrawImage then Save, for a picture that is not turned afterwards. Where the photo's decoder
    // gives its rows in order (RowsInOrder) and the photo needs no turn of its own, the writer
    // takes the rows already drawn while the next are decoded; the file is the same either way,
    // and published only once the drawing has succeeded.
    DrawnAndSaved DrawAndSave(const Image& source, const QByteArray& localName, const Guid& encoder,
                              Publish publish = Publish::Replace);

private:
    struct GFree {
        void operator()(std::uint8_t* p) const;
    };
    Bitmap() = default;
    // The active frame as stored, width x height, into the pixels; handOver gets the rows as they
    // come. beforeRerun is called when a drawing that met another photo's damage runs again alone.
    Status Render(const Image& source, int width, int height, RowHandOver* handOver,
                  const std::function<void()>& beforeRerun);
    void Clear();
    Status SaveWith(PictureWriter write, const QByteArray& localName, Publish publish,
                    const RowHandOver* arriving, Failure& why) const;

    int width_ = 0;
    int height_ = 0;
    float dpiX_ = 96.0f;
    float dpiY_ = 96.0f;
    InterpolationMode interpolation_ = InterpolationMode::Default;
    std::unique_ptr<std::uint8_t, GFree> pixels_;
    const std::atomic<bool>* cancel_ = nullptr;
    ConversionProgress* progress_ = nullptr;
    std::shared_ptr<const OutputDetails> details_;
    PngEffort effort_ = PngEffort::Normal;
    QRgb background_ = qRgb(0, 0, 0);
    mutable Failure failure_;  // the save is const, and says why it failed too
};

}  // namespace platform
