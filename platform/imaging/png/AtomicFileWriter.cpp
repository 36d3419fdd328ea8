#include "platform/imaging/png/AtomicFileWriter.h"

#include <QSaveFile>

namespace platform {

bool WriteFileAtomically(const QString& path, const std::function<bool(const ByteSink&)>& produce)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const ByteSink sink = [&file](const std::uint8_t* data, std::size_t size) {
        std::size_t done = 0;
        while (done < size) {
            const qint64 n = file.write(reinterpret_cast<const char*>(data) + done,
                                        static_cast<qint64>(size - done));
            if (n <= 0)
                return false;
            done += static_cast<std::size_t>(n);
        }
        return true;
    };
    bool ok = false;
    try {
        ok = produce(sink);
    } catch (...) {
        ok = false;
    }
    if (!ok) {
        file.cancelWriting();
        file.commit();  // with writing cancelled this only removes the temporary file
        return false;
    }
    return file.commit();
}

}  // namespace platform
