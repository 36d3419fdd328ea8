#pragma once
#include <QString>

// Tells on standard output that the picture at path was written, as the window and the command
// line both do after each conversion. False when the line could not be written, with errno saying
// why (EPIPE: standard output is a pipe nobody reads any more).
bool PrintSaved(const QString& path);
