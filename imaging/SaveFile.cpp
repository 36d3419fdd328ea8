#include "imaging/SaveFile.h"

#include <exception>

#include "system/AtomicFileWriter.h"
#include "system/NewFileWriter.h"

namespace platform {

Status SaveFile(const QByteArray& localName, Publish publish, const ByteProducer& produce)
{
    try {
        if (publish == Publish::OnlyNew) {
            switch (WriteNewFile(localName, produce)) {
            case NewFile::Written: return Status::Ok;
            case NewFile::Exists: return Status::OutputExists;
            case NewFile::Failed: return Status::Win32Error;
            }
        }
        return WriteFileAtomically(localName, produce) ? Status::Ok : Status::Win32Error;
    } catch (const std::exception&) {  // memory running out before the file was started
        return Status::Win32Error;
    }
}

}  // namespace platform
