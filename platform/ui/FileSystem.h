#pragma once
#include <QString>

namespace platform {

// True when the file can be opened for reading.
bool FileExists(const QString& path);

}  // namespace platform
