#pragma once
#include <QString>

// The program's home page, opened by the Homepage button.
inline const QString kHomePageUrl = QStringLiteral("https://pictorelle.example.org/");
