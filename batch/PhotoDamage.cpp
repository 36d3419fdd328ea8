#include "batch/PhotoDamage.h"

#include <algorithm>
#include <climits>

#include <QFile>
#include <QImageReader>

#include "batch/PhotoFileProblem.h"
#include "imaging/ImagingLimits.h"

namespace {

using platform::PhotoFormat;

// How far from its end a file's end marker is looked for: real files carry some bytes after it.
constexpr qint64 kTailBytes = 64 * 1024;

quint32 BigEndian32(const QByteArray& b, int at)
{
    return quint32(quint8(b[at])) << 24 | quint32(quint8(b[at + 1])) << 16 | quint32(quint8(b[at + 2])) << 8 |
           quint32(quint8(b[at + 3]));
}

quint32 LittleEndian32(const QByteArray& b, int at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16 |
           quint32(quint8(b[at + 3])) << 24;
}

// The size the header declares: a PNG's IHDR read directly, since Qt's reader refuses a header
// whose checksum is wrong; the others through Qt's readers, which read no further than the header.
QSize HeaderSize(const QString& path, PhotoFormat format, const QByteArray& head)
{
    if (format == PhotoFormat::Png)
        return head.size() >= 24 ? QSize(int(std::min<quint32>(BigEndian32(head, 16), INT_MAX)),
                                          int(std::min<quint32>(BigEndian32(head, 20), INT_MAX)))
                                 : QSize();
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.size();
}

// Whether the file stops before the end its format marks or declares.
bool EndsEarly(PhotoFormat format, const QByteArray& head, const QByteArray& tail, qint64 fileSize)
{
    switch (format) {
    case PhotoFormat::Jpeg:
        return !tail.contains("\xFF\xD9");
    case PhotoFormat::Png:
        return !tail.contains("IEND");
    case PhotoFormat::Gif:
        return !tail.endsWith(';');
    case PhotoFormat::Bmp:
        return head.size() >= 6 && qint64(LittleEndian32(head, 2)) > fileSize;
    case PhotoFormat::WebP:
        return head.size() >= 8 && qint64(LittleEndian32(head, 4)) + 8 > fileSize;
    default:
        return false;
    }
}

}  // namespace

FoundDamage FindPhotoDamage(const QString& path)
{
    const PhotoFormat format = PhotoFormatOf(path);
    QFile file(path);
    if (format == PhotoFormat::Unknown || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(64);
    const qint64 size = file.size();
    file.seek(std::max<qint64>(0, size - kTailBytes));
    const QByteArray tail = file.read(kTailBytes);

    const QSize header = HeaderSize(path, format, head);
    if (header.isValid() && !header.isEmpty() && !platform::FitsImageLimit(header.width(), header.height()))
        return {PhotoDamage::OverPixelLimit, header};
    if (EndsEarly(format, head, tail, size))
        return {PhotoDamage::EndsEarly, {}};
    // Where a codec may simply be missing (HEIF, JPEG XL, JPEG 2000, RAW), a failure is no proof.
    const bool checkedFormat = format == PhotoFormat::Jpeg || format == PhotoFormat::Png || format == PhotoFormat::Gif ||
                               format == PhotoFormat::Bmp || format == PhotoFormat::Tiff || format == PhotoFormat::WebP;
    return {checkedFormat ? PhotoDamage::HeaderMismatch : PhotoDamage::None, {}};
}
