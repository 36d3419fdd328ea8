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

}  // namespace platform
