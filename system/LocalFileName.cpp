#include "system/LocalFileName.h"

#include <memory>

#include <QFile>
#include <QStringList>

#include <dirent.h>
#include <sys/stat.h>

namespace platform {
namespace {

bool Exists(const QByteArray& name)
{
    struct stat st;
    return ::lstat(name.constData(), &st) == 0;
}

// The one entry of folder whose name Qt decodes to part, or nothing when none or several do.
QByteArray UniqueEntryDecodingTo(const QByteArray& folder, const QString& part)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.isEmpty() ? "." : folder.constData()), ::closedir);
    if (!dir)
        return {};
    QByteArray found;
    int matches = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (QFile::decodeName(name) == part) {
            found = name;
            ++matches;
        }
    }
    return matches == 1 ? found : QByteArray();
}

}  // namespace

QByteArray LocalFileName(const QString& path)
{
    const QByteArray plain = QFile::encodeName(path);
    if (plain.contains('\0'))
        return {};
    if (!path.contains(QChar::ReplacementCharacter) || Exists(plain))
        return plain;

    QByteArray resolved = path.startsWith(u'/') ? QByteArray("/") : QByteArray();
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QByteArray folder = resolved;
        QByteArray name = QFile::encodeName(parts[i]);
        if (parts[i].contains(QChar::ReplacementCharacter) && !Exists(folder + name)) {
            name = UniqueEntryDecodingTo(folder, parts[i]);
            if (name.isEmpty())
                return plain;
        }
        resolved += name;
        if (i + 1 < parts.size())
            resolved += '/';
    }
    return resolved;
}

}  // namespace platform
