#pragma once
#include <QString>

// The name patterns of the photos the program reads, separated by ';' ("*.bmp;*.gif;..."): what
// Open Photo lists, and what a folder's walk takes as photos.
QString PhotoPatterns();

// Whether a file name ends in one of those extensions, in any letter case.
bool HasPhotoExtension(const QString& name);
