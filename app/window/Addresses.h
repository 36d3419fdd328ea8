#pragma once
#include <QString>

// The program's home page, opened by the Homepage button.
inline const QString kHomePageUrl = QStringLiteral("https://pictorelle.example.org/");

// The name of the installed menu entry (data/org.example.Pictorelle.desktop) without ".desktop".
inline constexpr char kDesktopEntryName[] = "org.example.Pictorelle";
