#include "support/ScratchMount.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <vector>

#include <QDir>
#include <QFile>

ScratchMount::ScratchMount(const QString& folder, long long bytes, bool readOnly) : folder_(folder)
{
    QDir().mkpath(folder);
    const QByteArray options = "size=" + QByteArray::number(bytes);
    mounted_ = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", readOnly ? MS_RDONLY : 0,
                       options.constData()) == 0;
}

ScratchMount::~ScratchMount()
{
    if (mounted_)
        ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
}

void ScratchMount::FillLeaving(long long leftBytes) const
{
    const QByteArray path = QFile::encodeName(folder_ + "/.filler");
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    const std::vector<char> block(4096, 'f');
    struct statvfs st {};
    while (::fstatvfs(fd, &st) == 0 && static_cast<long long>(st.f_bavail * st.f_frsize) > leftBytes)
        if (::write(fd, block.data(), block.size()) <= 0)
            break;
    ::close(fd);
}
