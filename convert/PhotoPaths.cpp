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

QString WithPngExtension(const QString& path)
{
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString stem = dot >= nameStart ? path.left(dot) : path;
    return stem + QStringLiteral(".png");
}
