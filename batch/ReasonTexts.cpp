#include "batch/ReasonTexts.h"

#include <cerrno>
#include <cstring>

#include <QCoreApplication>

#include "imaging/ImagingLimits.h"

QString WithReason(const QString& message, const QString& reason)
{
    if (reason.isEmpty())
        return message;
    return QCoreApplication::translate("CommandLine", "%1 (%2)").arg(message, reason);
}

QString WarningText(const QString& text)
{
    return QCoreApplication::translate("CommandLine", "warning: %1").arg(text);
}

bool IsWarningText(const QString& message)
{
    const QString prefix = QCoreApplication::translate("CommandLine", "warning: %1").section(QStringLiteral("%1"), 0, 0);
    return message.startsWith(prefix);
}

QString ZeroSideReason(const SizeRule& rule, int photoWidth, int photoHeight)
{
    const QSize size = OutputSizeOf(rule, photoWidth, photoHeight);
    if (size.width() > 0 && size.height() > 0)
        return {};
    if (rule.mode == SizeRule::Mode::Width && rule.width > 0)
        return QCoreApplication::translate("CommandLine", "the height that keeps the aspect ratio of %1 x %2 at width %3 is %4 pixels")
            .arg(photoWidth).arg(photoHeight).arg(rule.width).arg(size.height());
    if (rule.mode == SizeRule::Mode::Height && rule.height > 0)
        return QCoreApplication::translate("CommandLine", "the width that keeps the aspect ratio of %1 x %2 at height %3 is %4 pixels")
            .arg(photoWidth).arg(photoHeight).arg(rule.height).arg(size.width());
    return {};
}

QString FrameRangeReason(int asked, int frames)
{
    if (frames <= 1)
        return QCoreApplication::translate("CommandLine", "there is no frame %1: the photo has only frame 0").arg(asked);
    return QCoreApplication::translate("CommandLine", "there is no frame %1: the photo has frames 0 to %2").arg(asked).arg(frames - 1);
}

QString NameTooLongReason(int limitBytes)
{
    return QCoreApplication::translate("CommandLine", "its name is longer than the %1 bytes a file name may have").arg(limitBytes);
}

QString PathTooLongReason(int limitChars)
{
    return QCoreApplication::translate("CommandLine", "the path is longer than the %1 characters this program takes").arg(limitChars);
}

QString SystemErrorReason(int error)
{
    switch (error) {
    case ENOSPC: return QCoreApplication::translate("CommandLine", "no space left on the device");
    case EFBIG: return QCoreApplication::translate("CommandLine", "over the file size limit");
    case EDQUOT: return QCoreApplication::translate("CommandLine", "over the disk quota");
    case EACCES:
    case EPERM: return QCoreApplication::translate("CommandLine", "permission denied");
    case EROFS: return QCoreApplication::translate("CommandLine", "the file system is read-only");
    case ENAMETOOLONG: return QCoreApplication::translate("CommandLine", "the name is too long");
    case EIO: return QCoreApplication::translate("CommandLine", "an input/output error");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString FailureReason(const platform::Failure& failure)
{
    using Kind = platform::Failure::Kind;
    switch (failure.kind) {
    case Kind::None:
        break;
    case Kind::NotAPhoto:
        return QCoreApplication::translate("CommandLine", "not a photo: no format Pictorelle reads");
    case Kind::EndsEarly:
        return QCoreApplication::translate("CommandLine", "damaged: its data ends early");
    case Kind::Mismatch:
        return QCoreApplication::translate("CommandLine", "damaged: its header does not match its data");
    case Kind::Damaged:
        if (failure.detail.isEmpty())
            return QCoreApplication::translate("CommandLine", "damaged: part of its data cannot be decoded");
        return QCoreApplication::translate("CommandLine", "damaged: %1").arg(failure.detail);
    case Kind::TooLarge:
        return QCoreApplication::translate("CommandLine", "too large: its header gives %1 x %2 pixels, over the limit of %3 pixels")
            .arg(failure.size.width()).arg(failure.size.height()).arg(platform::kMaxImagePixels);
    case Kind::OutOfMemory:
        return QCoreApplication::translate("CommandLine", "not enough memory");
    case Kind::System:
        return SystemErrorReason(failure.error);
    case Kind::FileChanged:
        return QCoreApplication::translate("CommandLine", "the file changed while it was read");
    }
    return {};
}
