#include "system/NewFileWriter.h"

#include <cerrno>

#include <QFile>

#include "system/StagedFile.h"

namespace platform {

NewFile WriteNewFile(const QString& path, const ByteProducer& produce)
{
    return WriteNewFile(QFile::encodeName(path), produce);
}

NewFile WriteNewFile(const QByteArray& target, const ByteProducer& produce, std::optional<std::int64_t> modified)
{
    if (target.isEmpty() || target.contains('\0') || target.endsWith('/'))
        return NewFile::Failed;
    StagedFile staged(target);
    if (!staged || !staged.Fill(produce, modified))
        return NewFile::Failed;
    if (staged.PublishAs(Publish::OnlyNew))
        return NewFile::Written;
    return errno == EEXIST ? NewFile::Exists : NewFile::Failed;
}

}  // namespace platform
