#include "app/window/DroppedFilePath.h"

#include <QFile>
#include <QUrl>

QString DroppedFilePath(const QUrl& url)
{
    if (!url.isLocalFile())
        return {};
    // The path's bytes as the address carries them: QUrl::toLocalFile() would decode them as
    // UTF-8 and lose any that are not.
    return QFile::decodeName(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}
