#include "convert/PhotoConversion.h"

#include "convert/PhotoDocument.h"
#include "imaging/Bitmap.h"
#include "imaging/details/OutputDetails.h"
#include "imaging/TextDrawing.h"

PhotoConversion::PhotoConversion(const PhotoDocument& photo, int width, int height, const std::atomic<bool>* cancel,
                                 platform::ConversionProgress* progress)
    : photo_(photo), bitmap_(platform::Bitmap::Create(width, height))
{
    bitmap_->SetCancel(cancel);
    bitmap_->SetProgress(progress);
}

bool PhotoConversion::Cancelled() const
{
    return bitmap_->Cancelled();
}

PhotoConversion::~PhotoConversion() = default;

platform::Status PhotoConversion::SetResolution(std::optional<int> dpi)
{
    const float value = dpi ? static_cast<float>(*dpi) : photo_.HorizontalResolution();
    return bitmap_->SetResolution(value, value);
}

bool PhotoConversion::Keep(const OutputKeeping& keep, int width, int height)
{
    bitmap_->SetPngEffort(keep.png);
    bitmap_->SetBackground(keep.background);
    if (keep.details == platform::DetailsChoice::None && !keep.dateAsTaken)
        return true;
    const platform::Image* image = photo_.Image();
    const platform::PhotoDetails details = image ? image->Details() : platform::PhotoDetails();
    auto out = std::make_shared<platform::OutputDetails>(details.ForOutput(keep.details, width, height));
    const std::optional<platform::TakenTime> taken = keep.dateAsTaken ? details.Taken() : std::nullopt;
    if (taken)
        out->modified = taken->Seconds();
    bitmap_->SetDetails(std::move(out));
    return !keep.dateAsTaken || taken;
}

platform::Status PhotoConversion::SetInterpolationMode()
{
    return bitmap_->SetInterpolationMode(platform::InterpolationMode::HighQualityBicubic);
}

platform::Failure PhotoConversion::LastFailure() const
{
    return bitmap_->LastFailure();
}

platform::Status PhotoConversion::DrawPhoto()
{
    if (!photo_.Image())
        return platform::Status::WrongState;
    return bitmap_->DrawImage(*photo_.Image());
}

platform::Status PhotoConversion::DrawText(const QString& text, const QFont& font, const QColor& colour, int x,
                                           int y)
{
    return platform::DrawString(*bitmap_, text, font, colour, x, y);
}

platform::Status PhotoConversion::RotateFlip(platform::RotateFlipType type)
{
    return bitmap_->RotateFlip(type);
}

PhotoConversion::DrawnAndSaved PhotoConversion::DrawPhotoAndSave(const QByteArray& localName,
                                                                 const platform::Guid& encoder,
                                                                 platform::Publish publish)
{
    if (!photo_.Image())
        return {platform::Status::WrongState, platform::Status::WrongState};
    const auto [drawn, saved] = bitmap_->DrawAndSave(*photo_.Image(), localName, encoder, publish);
    return {drawn, saved};
}

platform::Status PhotoConversion::Save(const QByteArray& localName, const platform::Guid& encoder,
                                       platform::Publish publish) const
{
    return bitmap_->Save(localName, encoder, publish);
}

platform::Status PhotoConversion::Save(const QString& path, const platform::Guid& encoder,
                                       platform::Publish publish) const
{
    return bitmap_->Save(path, encoder, publish);
}
