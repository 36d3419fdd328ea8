#pragma once
#include <QString>

// Sections and keys of the per-user settings store.
namespace keys {
inline const QString kOption = QStringLiteral("Option");
inline const QString kCurrentLanguage = QStringLiteral("CurrentLanguage");
inline const QString kLastOutputFolder = QStringLiteral("last_output_folder");
inline const QString kLastPhotoFolder = QStringLiteral("LastPhotoFolder");
inline const QString kRotateAngle = QStringLiteral("nRotateAngel");
inline const QString kFlipType = QStringLiteral("nFlipType");
inline const QString kCurrentFont = QStringLiteral("CurrentFont");
inline const QString kCurrentColor = QStringLiteral("nCurrentColor");
inline const QString kKeepPhotoDetails = QStringLiteral("KeepPhotoDetails");  // 0 or 1
inline const QString kPngEffort = QStringLiteral("PngEffort");  // fast, normal or smallest; normal when absent

// The Convert Several Photos window's choices, apart from the main window's.
inline const QString kSeveral = QStringLiteral("ConvertSeveral");
inline const QString kSeveralSizeMode = QStringLiteral("SizeMode");
inline const QString kSeveralWidth = QStringLiteral("Width");
inline const QString kSeveralHeight = QStringLiteral("Height");
inline const QString kSeveralNoEnlarge = QStringLiteral("NoEnlarge");
inline const QString kSeveralRotate = QStringLiteral("Rotate");
inline const QString kSeveralFlip = QStringLiteral("Flip");
inline const QString kSeveralTextOn = QStringLiteral("TextOn");
inline const QString kSeveralText = QStringLiteral("Text");
inline const QString kSeveralTextX = QStringLiteral("TextX");
inline const QString kSeveralTextY = QStringLiteral("TextY");
inline const QString kSeveralCaptionFont = QStringLiteral("CaptionFont");
inline const QString kSeveralCaptionBold = QStringLiteral("CaptionBold");
inline const QString kSeveralCaptionItalic = QStringLiteral("CaptionItalic");
inline const QString kSeveralCaptionSize = QStringLiteral("CaptionSize");
inline const QString kSeveralCaptionSizeInPixels = QStringLiteral("CaptionSizeInPixels");
inline const QString kSeveralCaptionColour = QStringLiteral("CaptionColour");
inline const QString kSeveralCaptionPlace = QStringLiteral("CaptionPlace");
inline const QString kSeveralCaptionMargin = QStringLiteral("CaptionMargin");
inline const QString kSeveralCaptionMarginInPixels = QStringLiteral("CaptionMarginInPixels");
inline const QString kSeveralOutputFolder = QStringLiteral("OutputFolder");
inline const QString kSeveralReplace = QStringLiteral("Replace");
inline const QString kSeveralSubfolders = QStringLiteral("Subfolders");
inline const QString kSeveralDetails = QStringLiteral("Details");          // 0 none, 1 all but location, 2 all
inline const QString kSeveralDateAsTaken = QStringLiteral("DateAsTaken");  // 0 or 1
inline const QString kSeveralDpi = QStringLiteral("Dpi");                  // 0: the photo's own
inline const QString kSeveralNamePattern = QStringLiteral("NamePattern");  // the outputs' naming pattern
inline const QString kSeveralBesidePhotos = QStringLiteral("BesidePhotos");  // 0 or 1: not into OutputFolder
inline const QString kSeveralBackground = QStringLiteral("Background");      // 0xRRGGBB under transparent pixels
inline const QString kSeveralPngEffort = QStringLiteral("PngEffort");        // fast, normal or smallest
}  // namespace keys
