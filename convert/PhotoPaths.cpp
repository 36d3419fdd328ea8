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

namespace {
template <typename Text>
Text Below(Text folder, const Text& path)
{
    while (folder.size() > 1 && folder.endsWith('/'))
        folder.chop(1);
    if (folder.isEmpty() || !path.startsWith(folder) || path.size() <= folder.size())
        return Text();
    qsizetype start = folder.size();
    if (folder != "/") {
        if (path[start] != '/')
            return Text();  // "/a/bc" is not below "/a/b"
        ++start;
    }
    const qsizetype lastSlash = path.lastIndexOf('/');
    return lastSlash < start ? Text() : path.mid(start, lastSlash + 1 - start);
}
}  // namespace

QString FolderBelow(const QString& folder, const QString& path)
{
    return Below(folder, path);
}

QByteArray FolderBelow(const QByteArray& folder, const QByteArray& path)
{
    return Below(folder, path);
}

QString WithPngExtension(const QString& path)
{
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString stem = dot >= nameStart ? path.left(dot) : path;
    return stem + QStringLiteral(".png");
}
