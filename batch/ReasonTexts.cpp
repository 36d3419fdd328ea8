#include "batch/ReasonTexts.h"

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

QString DamageReason(const FoundDamage& damage)
{
    switch (damage.kind) {
    case PhotoDamage::None:
        break;
    case PhotoDamage::EndsEarly:
        return QCoreApplication::translate("CommandLine", "damaged: its data ends early");
    case PhotoDamage::HeaderMismatch:
        return QCoreApplication::translate("CommandLine", "damaged: its header does not match its data");
    case PhotoDamage::OverPixelLimit:
        return QCoreApplication::translate("CommandLine", "too large: its header gives %1 x %2 pixels, over the limit of %3 pixels")
            .arg(damage.headerSize.width()).arg(damage.headerSize.height()).arg(platform::kMaxImagePixels);
    }
    return {};
}
