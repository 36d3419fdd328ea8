#include "convert/PhotoPaths.h"

QString GetFolderOfPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}

bool GetDisplayFileName(const QString& path, QString& out)
{
    if (path.isEmpty())
        return false;
    if ((path.size() > 3 && path[3] == u':') || (path.size() > 4 && path[4] == u':')) {
        out = path;
        return true;
    }
    out = path.mid(path.lastIndexOf(u'/') + 1);
    return true;
}

QString ProposeOutputFile(const QString& outputFolder, const QString& displayName)
{
    QString base = displayName;
    const qsizetype dot = base.lastIndexOf(u'.');
    if (dot >= 0)
        base.truncate(dot);
    return outputFolder + base + QStringLiteral("_out.png");
}

QByteArray ProposeLocalOutputFile(const QByteArray& outputFolder, const QByteArray& photoPath,
                                  const QString& displayName)
{
    // '/' and '.' are single bytes that never stand for anything else, in the text as on disk:
    // the display name is as many parts at the end of the path.
    const qsizetype slashes = displayName.count(u'/');
    qsizetype start = photoPath.size();
    for (qsizetype k = 0; k <= slashes && start >= 0; ++k)
        start = start == 0 ? -1 : photoPath.lastIndexOf('/', start - 1);
    QByteArray base = photoPath.mid(start + 1);
    const qsizetype dot = base.lastIndexOf('.');
    if (dot >= 0)
        base.truncate(dot);
    return outputFolder + base + QByteArrayLiteral("_out.png");
}

QString WithPngExtension(const QString& path)
{
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString stem = dot >= nameStart ? path.left(dot) : path;
    return stem + QStringLiteral(".png");
}
