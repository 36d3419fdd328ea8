#include "system/TemporaryName.h"

#include <algorithm>

#include "system/StagedFile.h"

namespace platform {

QByteArray TemporaryNameBeside(const QByteArray& target, const QByteArray& tag)
{
    QByteArray base = target.mid(target.lastIndexOf('/') + 1);
    const qsizetype room = std::max<qsizetype>(0, kMaxFileNameBytes - (tag.size() + 6));  // "." "." ".tmp"
    if (base.size() > room) {
        qsizetype cut = room;
        while (cut > 0 && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80)
            --cut;
        base.truncate(cut);
    }
    const QByteArray folder = FolderOf(target);
    return (folder == "/" ? folder : folder + '/') + '.' + base + '.' + tag + ".tmp";
}

namespace {
constexpr char kOurTag[] = "pictorelle-";
}  // namespace

QByteArray OurTemporaryTag(const QByteArray& random)
{
    return kOurTag + random;
}

bool IsOurTemporaryName(const QByteArray& fileName)
{
    if (!fileName.startsWith('.') || !fileName.endsWith(".tmp"))
        return false;
    const QByteArray withoutEnd = fileName.chopped(4);
    const qsizetype at = withoutEnd.lastIndexOf(QByteArray(".") + kOurTag);
    if (at <= 0)
        return false;
    const QByteArray random = withoutEnd.mid(at + 1 + qsizetype(sizeof kOurTag) - 1);
    return !random.isEmpty() && std::all_of(random.begin(), random.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z');
    });
}

}  // namespace platform
