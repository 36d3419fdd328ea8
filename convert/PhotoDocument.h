#pragma once
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include <QString>

#include "convert/FrameDimensionNames.h"
#include "imaging/Guid.h"
#include "imaging/Image.h"
#include "imaging/Status.h"

class QPainter;
class QRect;

// The open photo: its path, the decoded image in its active frame, and the frame dimensions with
// their frame counts. No widgets, so the window and the command line open photos the same way.
class PhotoDocument {
public:
    // Forgets the last photo and loads the file at path. The path is kept even when the file
    // cannot be decoded; the image's sizes then read 0 and drawing it fails.
    // A conversion that shows no preview opens without one: the file is then decoded once, when drawn.
    // The photo stands upright as its camera recorded, unless autoOrient is false.
    // format is what the file's first bytes announce, where the caller read them already.
    void Open(const QString& path, bool withPreview = true, bool autoOrient = true,
              std::optional<platform::PhotoFormat> format = std::nullopt);

    const QString& Path() const { return path_; }
    // Whether a photo was chosen at all, decodable or not.
    bool IsChosen() const { return !path_.isEmpty(); }
    int Width() const;
    int Height() const;
    float HorizontalResolution() const;

    // Reads the photo's frame dimensions (at most kMaxFrameDimensions) and their frame counts.
    void ListFrameDimensions();
    unsigned DimensionCount() const { return static_cast<unsigned>(dimensionIds_.size()); }
    const platform::Guid& Dimension(int index) const { return dimensionIds_.at(static_cast<std::size_t>(index)); }
    // Frames in the listed dimension; 0 outside the list.
    int FrameCount(int dimension) const;
    // Makes frame the active one of the listed dimension; later sizes and drawing use it.
    platform::Status SelectFrame(int dimension, int frame);

    // Paints the whole active frame stretched over target.
    platform::Status DrawPreview(QPainter& painter, const QRect& target) const;
    // The decoded photo, or nothing before the first Open.
    const platform::Image* Image() const { return image_.get(); }
    // Why the photo could not be opened or its frame selected; empty when nothing failed.
    platform::Failure LastFailure() const { return image_ ? image_->LastFailure() : platform::Failure{}; }

private:
    QString path_;
    std::unique_ptr<platform::Image> image_;
    std::vector<platform::Guid> dimensionIds_;
    std::array<int, kMaxFrameDimensions> frameCounts_{};
};
