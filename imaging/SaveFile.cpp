#include "imaging/SaveFile.h"

#include <cerrno>
#include <exception>

#include "system/AtomicFileWriter.h"
#include "system/NewFileWriter.h"

namespace platform {

Status SaveFile(const QByteArray& localName, Publish publish, const ByteProducer& produce, Failure* why,
                std::optional<std::int64_t> modified)
{
    // The writers leave errno at what stopped them, or 0 when produce gave up.
    errno = 0;
    Status status = Status::Win32Error;
    try {
        if (publish == Publish::OnlyNew) {
            switch (WriteNewFile(localName, produce, modified)) {
            case NewFile::Written: status = Status::Ok; break;
            case NewFile::Exists: status = Status::OutputExists; break;
            case NewFile::Failed: break;
            }
        } else if (WriteFileAtomically(localName, produce, modified)) {
            status = Status::Ok;
        }
    } catch (const std::bad_alloc&) {  // memory running out before the file was started
        if (why)
            *why = Failure::Of(Failure::Kind::OutOfMemory);
        return Status::Win32Error;
    } catch (const std::exception&) {
        return Status::Win32Error;
    }
    if (why && status == Status::Win32Error)
        *why = Failure::SystemError(errno);
    return status;
}

}  // namespace platform
