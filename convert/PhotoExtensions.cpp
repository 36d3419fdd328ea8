#include "convert/PhotoExtensions.h"

#include <QStringList>

namespace {
const char kPatterns[] = "*.bmp;*.gif;*.png;*.tif;*.jpg;*.jpeg;*.ico;*.exif;*.wmf;*.emf;*.dib;*.raw;*.tiff;"
                         "*.webp;*.heic;*.heif;*.avif;*.jxl;*.jp2;*.j2k;"
                         "*.dng;*.cr2;*.cr3;*.nef;*.arw;*.orf;*.rw2;*.raf;*.pef;*.srw";
}  // namespace

QString PhotoPatterns()
{
    return QString::fromLatin1(kPatterns);
}

bool HasPhotoExtension(const QString& name)
{
    static const QStringList extensions = [] {
        QStringList list;
        for (const QString& pattern : PhotoPatterns().split(u';'))
            list << pattern.mid(1);  // ".bmp"
        return list;
    }();
    for (const QString& extension : extensions) {
        if (name.endsWith(extension, Qt::CaseInsensitive) && name.size() > extension.size())
            return true;
    }
    return false;
}
