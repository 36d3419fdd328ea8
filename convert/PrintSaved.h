#pragma once
#include <QString>

// Tells on standard output that the picture at path was written, as the window and the command
// line both do after each conversion.
void PrintSaved(const QString& path);
