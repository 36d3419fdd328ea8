#include "platform/ui/FileSystem.h"

#include <QFile>
#include <QFileInfo>

namespace platform {

bool FileExists(const QString& path)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

}  // namespace platform
