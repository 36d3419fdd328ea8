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
}  // namespace keys
