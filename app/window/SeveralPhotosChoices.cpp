#include "app/window/SeveralPhotosChoices.h"

#include "batch/ChoiceWords.h"
#include "services/SettingsStore.h"
#include "settings/FontRecordConversion.h"
#include "settings/LogFont.h"
#include "settings/SettingsKeys.h"

using platform::SettingsStore;

namespace {

int Int(const QString& key, int def, int low, int high)
{
    const int value = SettingsStore::GetProfileInt(keys::kSeveral, key, def);
    return value < low || value > high ? def : value;
}

void Put(const QString& key, int value)
{
    SettingsStore::WriteProfileInt(keys::kSeveral, key, value);
}

}  // namespace

CaptionStyle DefaultWindowCaption()
{
    CaptionStyle style;
    style.place = CaptionPlace::BottomRight;
    return style;
}

SeveralPhotosChoices LoadSeveralPhotosChoices(const QString& proposedFolder)
{
    SeveralPhotosChoices c;
    c.size.mode = static_cast<SizeRule::Mode>(Int(keys::kSeveralSizeMode, 0, 0, static_cast<int>(SizeRule::Mode::Exact)));
    c.size.width = Int(keys::kSeveralWidth, c.size.width, 1, kMaxSideInWindow);
    c.size.height = Int(keys::kSeveralHeight, c.size.height, 1, kMaxSideInWindow);
    c.size.noEnlarge = Int(keys::kSeveralNoEnlarge, 0, 0, 1) != 0;
    c.rotate = Int(keys::kSeveralRotate, 0, 0, 270);
    if (c.rotate % 90 != 0)
        c.rotate = 0;
    c.flip = Int(keys::kSeveralFlip, 0, 0, 2);
    c.textOn = Int(keys::kSeveralTextOn, 0, 0, 1) != 0;
    c.text = SettingsStore::GetProfileString(keys::kSeveral, keys::kSeveralText, QString());
    CaptionStyle& t = c.caption;
    t.family = SettingsStore::GetProfileString(keys::kSeveral, keys::kSeveralCaptionFont, QString()).left(kFaceNameChars);
    t.bold = Int(keys::kSeveralCaptionBold, 0, 0, 1) != 0;
    t.italic = Int(keys::kSeveralCaptionItalic, 0, 0, 1) != 0;
    t.size.percent = Int(keys::kSeveralCaptionSizeInPixels, 0, 0, 1) == 0;
    t.size.value = Int(keys::kSeveralCaptionSize, 4, 1, t.size.percent ? 100 : kMaxFontPixels);
    t.colour = QColor::fromRgb(static_cast<QRgb>(Int(keys::kSeveralCaptionColour, 0, 0, 0xFFFFFF)));
    t.place = static_cast<CaptionPlace>(Int(keys::kSeveralCaptionPlace, static_cast<int>(t.place), 0,
                                            static_cast<int>(CaptionPlace::AtPoint)));
    t.x = Int(keys::kSeveralTextX, 0, 0, kMaxSideInWindow);
    t.y = Int(keys::kSeveralTextY, 0, 0, kMaxSideInWindow);
    t.margin.percent = Int(keys::kSeveralCaptionMarginInPixels, 0, 0, 1) == 0;
    t.margin.value = Int(keys::kSeveralCaptionMargin, 2, 0, t.margin.percent ? 50 : kMaxSideInWindow);
    c.outputFolder = SettingsStore::GetProfileString(keys::kSeveral, keys::kSeveralOutputFolder, QString());
    if (c.outputFolder.isEmpty())
        c.outputFolder = proposedFolder;
    c.replace = Int(keys::kSeveralReplace, 0, 0, 1) != 0;
    c.subfolders = Int(keys::kSeveralSubfolders, 1, 0, 1) != 0;
    c.details = static_cast<platform::DetailsChoice>(
        Int(keys::kSeveralDetails, 0, 0, static_cast<int>(platform::DetailsChoice::All)));
    c.dateAsTaken = Int(keys::kSeveralDateAsTaken, 0, 0, 1) != 0;
    if (const int dpi = Int(keys::kSeveralDpi, 0, kMinDpiInWindow, kMaxDpiInWindow))
        c.dpi = dpi;
    // A pattern that cannot name outputs (left so in the field, or edited by hand) gives way to
    // the default.
    const QString pattern = SettingsStore::GetProfileString(keys::kSeveral, keys::kSeveralNamePattern, QString());
    if (!pattern.isEmpty() && !NamingPatternProblem(pattern))
        c.namingPattern = pattern;
    c.besidePhotos = Int(keys::kSeveralBesidePhotos, 0, 0, 1) != 0;
    c.background = qRgb(0, 0, 0) | static_cast<QRgb>(Int(keys::kSeveralBackground, 0, 0, 0xFFFFFF));
    c.png = PngEffortNamed(SettingsStore::GetProfileString(keys::kSeveral, keys::kSeveralPngEffort, QString()))
                .value_or(platform::PngEffort::Normal);
    return c;
}

void SaveSeveralPhotosChoices(const SeveralPhotosChoices& c)
{
    Put(keys::kSeveralSizeMode, static_cast<int>(c.size.mode));
    Put(keys::kSeveralWidth, c.size.width);
    Put(keys::kSeveralHeight, c.size.height);
    Put(keys::kSeveralNoEnlarge, c.size.noEnlarge);
    Put(keys::kSeveralRotate, c.rotate);
    Put(keys::kSeveralFlip, c.flip);
    Put(keys::kSeveralTextOn, c.textOn);
    SettingsStore::WriteProfileString(keys::kSeveral, keys::kSeveralText, c.text);
    const CaptionStyle& t = c.caption;
    SettingsStore::WriteProfileString(keys::kSeveral, keys::kSeveralCaptionFont, t.family);
    Put(keys::kSeveralCaptionBold, t.bold);
    Put(keys::kSeveralCaptionItalic, t.italic);
    Put(keys::kSeveralCaptionSize, static_cast<int>(t.size.value));
    Put(keys::kSeveralCaptionSizeInPixels, !t.size.percent);
    Put(keys::kSeveralCaptionColour, static_cast<int>(t.colour.rgb() & 0xFFFFFF));
    Put(keys::kSeveralCaptionPlace, static_cast<int>(t.place));
    Put(keys::kSeveralTextX, t.x);
    Put(keys::kSeveralTextY, t.y);
    Put(keys::kSeveralCaptionMargin, static_cast<int>(t.margin.value));
    Put(keys::kSeveralCaptionMarginInPixels, !t.margin.percent);
    SettingsStore::WriteProfileString(keys::kSeveral, keys::kSeveralOutputFolder, c.outputFolder);
    Put(keys::kSeveralReplace, c.replace);
    Put(keys::kSeveralSubfolders, c.subfolders);
    Put(keys::kSeveralDetails, static_cast<int>(c.details));
    Put(keys::kSeveralDateAsTaken, c.dateAsTaken);
    Put(keys::kSeveralDpi, c.dpi.value_or(0));
    SettingsStore::WriteProfileString(keys::kSeveral, keys::kSeveralNamePattern, c.namingPattern);
    Put(keys::kSeveralBesidePhotos, c.besidePhotos);
    Put(keys::kSeveralBackground, static_cast<int>(c.background & 0xFFFFFF));
    SettingsStore::WriteProfileString(keys::kSeveral, keys::kSeveralPngEffort, PngEffortWord(c.png));
}

ConversionRequest RequestOf(const SeveralPhotosChoices& c)
{
    ConversionRequest r;
    SetSizeRule(r, c.size);
    r.rotate = c.rotate;
    r.flip = c.flip;
    if (c.textOn) {
        r.text = c.text;
        r.caption = c.caption;
    }
    if (c.besidePhotos)
        r.besidePhotos = true;
    else
        r.outputFolder = c.outputFolder;
    r.overwrite = c.replace;
    r.details = c.details;
    r.dateAsTaken = c.dateAsTaken;
    r.dpi = c.dpi;
    r.namingPattern = c.namingPattern;
    r.background = c.background;
    r.png = c.png;
    r.quiet = true;
    return r;
}

SeveralPhotosChoices ChoicesOf(const ConversionRequest& r, const SeveralPhotosChoices& current)
{
    SeveralPhotosChoices c = current;
    const SizeRule rule = SizeRuleOf(r);
    c.size.mode = rule.mode;
    c.size.noEnlarge = rule.noEnlarge;
    if (r.width)
        c.size.width = *r.width;
    if (r.height)
        c.size.height = *r.height;
    c.rotate = r.rotate;
    c.flip = r.flip;
    c.textOn = !r.text.isEmpty();
    if (c.textOn) {
        c.text = r.text;
        c.caption = r.caption;
    }
    c.details = r.details;
    c.dateAsTaken = r.dateAsTaken;
    c.dpi = r.dpi;
    c.namingPattern = r.namingPattern;
    c.background = r.background;
    c.png = r.png;
    if (r.besidePhotos || !r.outputFolder.isEmpty())
        c.besidePhotos = r.besidePhotos;
    if (!r.outputFolder.isEmpty())
        c.outputFolder = r.outputFolder;
    c.replace = r.overwrite;
    return c;
}
