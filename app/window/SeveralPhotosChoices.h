#pragma once
#include <optional>

#include <QString>

#include "batch/ConversionRequest.h"
#include "batch/CaptionStyle.h"
#include "convert/SizeRule.h"

// The largest side or text position the window takes; the pixel limit refuses far less anyway.
inline constexpr int kMaxSideInWindow = 1000000;

// The resolution range the window offers, and what it proposes when the photo's own is given up.
inline constexpr int kMinDpiInWindow = 1;
inline constexpr int kMaxDpiInWindow = 10000;
inline constexpr int kProposedDpi = 300;

// The caption a first run gives: 4 % of the height in the bottom-right corner, 2 % from the edges.
CaptionStyle DefaultWindowCaption();

// What the Convert Several Photos window converts with, kept in a settings section of its own.
struct SeveralPhotosChoices {
    SizeRule size{SizeRule::Mode::Keep, 1920, 1080, false};
    int rotate = 0;  // 0, 90, 180 or 270
    int flip = 0;    // 0 none, 1 horizontal, 2 vertical
    bool textOn = false;
    QString text;
    CaptionStyle caption = DefaultWindowCaption();
    QString outputFolder;
    bool besidePhotos = false;  // each output next to its photo instead of into outputFolder
    bool replace = false;
    bool subfolders = true;  // Add Folder takes its subfolders' photos too
    platform::DetailsChoice details = platform::DetailsChoice::None;
    bool dateAsTaken = false;
    std::optional<int> dpi;  // the photo's own when unset
    QString namingPattern = kDefaultNamingPattern;
    QRgb background = qRgb(0, 0, 0);
    platform::PngEffort png = platform::PngEffort::Normal;
};

// The choices last kept, each value out of range replaced by its default; proposedFolder when no
// output folder was kept.
SeveralPhotosChoices LoadSeveralPhotosChoices(const QString& proposedFolder);
void SaveSeveralPhotosChoices(const SeveralPhotosChoices& choices);

// The batch the choices ask for.
ConversionRequest RequestOf(const SeveralPhotosChoices& choices);
// The choices that ask for request (a preset's), what it leaves unsaid taken from current: the
// sides a size rule does not use, the caption's words and style when it has none, where the
// outputs go (and the output folder) when it names neither a folder nor beside the photos, and
// whether Add Folder takes subfolders. RequestOf gives back every
// choice a preset keeps.
SeveralPhotosChoices ChoicesOf(const ConversionRequest& request, const SeveralPhotosChoices& current);
