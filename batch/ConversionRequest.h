#pragma once
#include <optional>

#include <QColor>
#include <QString>
#include <QStringList>

#include "batch/CaptionStyle.h"
#include "batch/NamingPattern.h"
#include "convert/SizeRule.h"
#include "imaging/details/DetailsChoice.h"
#include "imaging/png/PngEffort.h"

// What a batch is asked to do: the command line's options, or the Convert Several Photos
// window's choices; values not given stay unset.
struct ConversionRequest {
    QStringList photos;
    QString outputFile;    // one photo only
    QString outputFolder;
    bool besidePhotos = false;  // each output in its photo's own folder
    std::optional<int> width;
    std::optional<int> height;
    bool fit = false;        // width and height are a box to fit in
    bool noEnlarge = false;  // a photo already within the size keeps its own
    bool recursive = false;  // a photo that is a folder stands for its photos
    int rotate = 0;  // 0, 90, 180 or 270
    int flip = 0;    // 0 none, 1 horizontal, 2 vertical, as the window's buttons
    std::optional<int> frame;
    QString text;          // the caption; none when empty
    CaptionStyle caption;  // how it is drawn
    bool overwrite = false;
    bool quiet = false;
    bool autoOrient = true;  // turn each photo upright as its camera recorded
    platform::DetailsChoice details = platform::DetailsChoice::None;  // the photo's details kept
    bool dateAsTaken = false;  // each output dated when its photo was taken
    std::optional<int> dpi;    // the resolution written; the photo's own when unset
    QString namingPattern = kDefaultNamingPattern;  // each output's name (NamingPattern.h)
    platform::PngEffort png = platform::PngEffort::Normal;  // how hard each file is packed
    QRgb background = qRgb(0, 0, 0);  // what transparent pixels are composited onto
};

// The size rule the request's size options make.
SizeRule SizeRuleOf(const ConversionRequest& request);
// Sets the request's size options so that they make rule.
void SetSizeRule(ConversionRequest& request, const SizeRule& rule);
