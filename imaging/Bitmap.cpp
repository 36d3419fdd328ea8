#include "imaging/Bitmap.h"

#include <QFile>

#include <cmath>
#include <cstring>
#include <system_error>
#include <thread>

#include <glib.h>
#include <vips/vips8>

#include "imaging/ConversionProgress.h"
#include "imaging/Encoders.h"
#include "imaging/Image.h"
#include "imaging/ImageImpl.h"
#include "imaging/ImagingLimits.h"
#include "imaging/details/OutputDetails.h"
#include "imaging/png/PngWriter.h"
#include "imaging/RotateInPlace.h"
#include "imaging/RowHandOver.h"
#include "imaging/RowsInOrder.h"
#include "imaging/SaveFile.h"
#include "imaging/SinkRows.h"
#include "imaging/TileFailures.h"
#include "imaging/VipsGuard.h"
#include "system/PhaseTimes.h"
#include "imaging/frames/PhotoOrientation.h"

namespace platform {
namespace {

VipsKernel KernelFor(InterpolationMode mode)
{
    switch (mode) {
    case InterpolationMode::NearestNeighbor: return VIPS_KERNEL_NEAREST;
    case InterpolationMode::Bilinear:
    case InterpolationMode::HighQualityBilinear: return VIPS_KERNEL_LINEAR;
    default: return VIPS_KERNEL_CUBIC;
    }
}

}  // namespace

void Bitmap::GFree::operator()(std::uint8_t* p) const
{
    g_free(p);
}

std::unique_ptr<Bitmap> Bitmap::Create(int width, int height)
{
    std::unique_ptr<Bitmap> bitmap(new Bitmap);
    if (!FitsImageLimit(width, height)) {
        bitmap->failure_ = Failure::TooLargeAt(width, height);
        return bitmap;
    }
    const gsize bytes = static_cast<gsize>(width) * static_cast<gsize>(height) * 3;
    auto* p = static_cast<std::uint8_t*>(g_try_malloc0(bytes));
    if (!p) {
        bitmap->failure_ = Failure::Of(Failure::Kind::OutOfMemory);
        return bitmap;
    }
    bitmap->pixels_.reset(p);
    bitmap->width_ = width;
    bitmap->height_ = height;
    return bitmap;
}

Bitmap::~Bitmap() = default;

Status Bitmap::SetResolution(float dpiX, float dpiY)
{
    if (IsEmpty())
        return Status::WrongState;
    // A photo that reports no resolution (one that failed to decode) leaves the default.
    if (dpiX > 0 && std::isfinite(dpiX))
        dpiX_ = dpiX;
    if (dpiY > 0 && std::isfinite(dpiY))
        dpiY_ = dpiY;
    return Status::Ok;
}

Status Bitmap::SetInterpolationMode(InterpolationMode mode)
{
    if (IsEmpty())
        return Status::WrongState;
    interpolation_ = mode;
    return Status::Ok;
}

Status Bitmap::Render(const Image& source, int width, int height, RowHandOver* handOver,
                      const std::function<void()>& beforeRerun)
{
    Status failure = Status::OutOfMemory;
    failure_ = {};
    if (source.impl_->source)
        source.impl_->source->ForgetNoted();
    int runs = 0;
    MarkPhase(Phase::DrawStarted);
    const bool drawn = DrawWithoutTileFailures([&] {
        if (runs++ > 0 && beforeRerun)
            beforeRerun();
        const Status status = VipsGuarded(Status::OutOfMemory, failure_, [&] {
            const vips::VImage rendered = source.impl_->RenderActiveFrame(width, height, KernelFor(interpolation_), background_);
            if (rendered.width() != width || rendered.height() != height || rendered.bands() != 3 ||
                rendered.format() != VIPS_FORMAT_UCHAR)
                return Status::GenericError;
            if (progress_)
                progress_->drawRows = height;
            const bool sunk = SinkRowsInto(rendered, pixels_.get(), static_cast<std::size_t>(width) * 3,
                                           [this] { return Cancelled(); }, progress_ ? &progress_->drawn : nullptr,
                                           handOver);
            return sunk ? Status::Ok : Status::OutOfMemory;  // not sunk: cancelled
        });
        if (status != Status::Ok)
            failure = status;
        return status == Status::Ok;
    }, source.impl_->source && source.impl_->source->WarningsAreDamage());
    MarkPhase(Phase::DrawEnded);
    if (drawn) {
        failure_ = {};  // a run that failed beside another photo's damage, then ran again whole
        return Status::Ok;
    }
    // A tile made black fails the drawing without an error of its own: libvips' error buffer
    // still says whether memory ran out there; anything else is damage.
    if (!failure_ && !Cancelled()) {
        const bool memory = FailureOfLibraryText(vips_error_buffer()).kind == Failure::Kind::OutOfMemory;
        failure_ = Failure::Of(memory ? Failure::Kind::OutOfMemory : Failure::Kind::Damaged);
    }
    vips_error_clear();
    if (source.impl_->source)
        failure_ = source.impl_->source->Explained(failure_);
    return failure;
}

void Bitmap::Clear()
{
    std::memset(pixels_.get(), 0, static_cast<std::size_t>(Stride()) * height_);
}

Status Bitmap::DrawImage(const Image& source)
{
    if (IsEmpty())
        return Status::WrongState;
    if (!source.impl_ || !source.impl_->HasActiveFrame()) {
        failure_ = source.LastFailure();
        return Status::WrongState;
    }
    // A photo stored turned is drawn as stored, then stood upright in our own memory: turning it
    // in libvips would need the whole decoded frame at once.
    const int turn = static_cast<int>(source.impl_->ActiveTurn());
    const bool swapped = SwapsSides(source.impl_->ActiveTurn());
    int width = swapped ? height_ : width_;
    int height = swapped ? width_ : height_;
    const Status rendered = Render(source, width, height, nullptr, {});
    if (rendered == Status::Ok && (turn == 0 || RotateFlipInPlace(pixels_.get(), width, height, turn)))
        return Status::Ok;
    if (rendered != Status::Ok && rendered != Status::OutOfMemory)
        return rendered;
    if (rendered == Status::Ok)
        failure_ = Failure::Of(Failure::Kind::OutOfMemory);  // the turn in place
    // A failed drawing leaves the picture black, as it started.
    Clear();
    return Status::OutOfMemory;
}

Bitmap::DrawnAndSaved Bitmap::DrawAndSave(const Image& source, const QByteArray& localName, const Guid& encoder,
                                          Publish publish)
{
    const PictureWriter write = WriterFor(encoder);
    const bool inOrder = !IsEmpty() && write && source.impl_ && source.impl_->HasActiveFrame() &&
                         source.impl_->ActiveTurn() == RotateFlipType::RotateNoneFlipNone &&
                         dynamic_cast<const RowsInOrder*>(source.impl_->source.get());
    if (!inOrder) {
        const Status drawn = DrawImage(source);
        return {drawn, drawn == Status::Ok ? Save(localName, encoder, publish) : Status::WrongState};
    }
    // The writer runs on its own thread and reads only the rows handed over; every way out of
    // here ends the hand-over first, so the writer never waits for rows that will not come.
    RowHandOver handOver;
    Status saved = Status::Win32Error;
    Failure savedWhy;  // the writer's own, on its thread
    struct Saver {
        RowHandOver& handOver;
        std::thread thread;
        void Join(bool complete)
        {
            if (complete)
                handOver.Complete();
            else
                handOver.Abandon();
            if (thread.joinable())
                thread.join();
        }
        ~Saver()
        {
            if (thread.joinable())
                Join(false);
        }
    } saver{handOver, {}};
    try {
        saver.thread = std::thread([&] { saved = SaveWith(write, localName, publish, &handOver, savedWhy); });
    } catch (const std::system_error&) {  // no thread to be had: the one after the other
        const Status drawn = DrawImage(source);
        return {drawn, drawn == Status::Ok ? Save(localName, encoder, publish) : Status::WrongState};
    }
    // A drawing run again (another photo's damage met beside it) gives its rows a second time:
    // the file begun on the first run is dropped and written again once the drawing is whole.
    bool handedOver = true;
    const Status drawn = Render(source, width_, height_, &handOver, [&] {
        saver.Join(false);
        handedOver = false;
    });
    if (drawn == Status::Ok && progress_)
        progress_->writeRows = height_;
    saver.Join(drawn == Status::Ok);
    if (drawn != Status::Ok) {
        if (drawn == Status::OutOfMemory)
            Clear();  // as DrawImage leaves it
        return {drawn, Status::WrongState};
    }
    if (!handedOver)
        return {drawn, Save(localName, encoder, publish)};
    failure_ = savedWhy;
    return {drawn, saved};
}

Status Bitmap::RotateFlip(RotateFlipType type)
{
    if (IsEmpty())
        return Status::WrongState;
    const int value = static_cast<int>(type);
    if (value < 0 || value > 7)
        return Status::InvalidParameter;
    if (value == 0)
        return Status::Ok;
    // Turned in place: a picture as large as the limit allows is never held twice.
    if (RotateFlipInPlace(pixels_.get(), width_, height_, value))
        return Status::Ok;
    failure_ = Failure::Of(Failure::Kind::OutOfMemory);
    return Status::OutOfMemory;
}

Status Bitmap::Save(const QString& path, const Guid& encoder, Publish publish) const
{
    return Save(QFile::encodeName(path), encoder, publish);
}

Status Bitmap::Save(const QByteArray& path, const Guid& encoder, Publish publish) const
{
    if (IsEmpty())
        return Status::WrongState;
    const PictureWriter write = WriterFor(encoder);
    failure_ = {};
    if (!write)
        return Status::FileNotFound;
    return SaveWith(write, path, publish, nullptr, failure_);
}

Status Bitmap::SaveWith(PictureWriter write, const QByteArray& path, Publish publish,
                        const RowHandOver* arriving, Failure& why) const
{
    RgbRows rows{pixels_.get(), width_, height_, Stride()};
    rows.arriving = arriving;
    rows.details = details_.get();
    rows.effort = effort_;
    if (progress_) {
        // Rows written while the picture is drawn count once the drawing is over (DrawAndSave), so
        // that the progress shows the drawing until then.
        if (!arriving)
            progress_->writeRows = height_;
        rows.rowsWritten = &progress_->written;
    }
    const double dpi = dpiX_;
    // Refusing the bytes makes the writer fail, and the unfinished file goes; so does a drawing
    // that fails after its last rows were written.
    return SaveFile(path, publish, [&](const ByteSink& sink) {
        return write(rows, dpi, [&](const std::uint8_t* data, std::size_t size) { return !Cancelled() && sink(data, size); }) &&
               (!arriving || arriving->WaitForEnd());
    }, &why, details_ ? details_->modified : std::nullopt);
}

}  // namespace platform
