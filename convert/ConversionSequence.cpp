#include "convert/ConversionSequence.h"

#include <QFile>

#include "convert/EncoderLookup.h"
#include "convert/OverlayPosition.h"
#include "convert/PhotoConversion.h"
#include "convert/PhotoPaths.h"
#include "convert/RotateFlipChoice.h"
#include "res/ResourceIds.h"

namespace {

using platform::Succeeded;

// The text line where one is asked; a coordinate outside the picture is told and moved to 0.
bool DrawOverlay(PhotoConversion& conversion, int width, int height, ConversionHost& host)
{
    std::optional<OverlayLine> line = host.Overlay();
    if (!line || line->text.isEmpty())
        return true;
    const OverlayPosition p = CorrectOverlayPosition(line->x, line->y, width, height);
    if (p.xReset) {
        host.Tell(IDS_STRING130, {});
        host.OverlayMovedToZero(true);
    }
    if (p.yReset) {
        host.Tell(IDS_STRING131, {});
        host.OverlayMovedToZero(false);
    }
    return Succeeded(conversion.DrawText(line->text, line->font, line->colour, p.x, p.y));
}

}  // namespace

QByteArray ConversionHost::OutputLocalName(const QString& path)
{
    return QFile::encodeName(path);
}

void ConversionHost::OutputExists(const QString& path)
{
    Tell(IDS_STRING118, path);
}

int OutputSizeMessage(int width, int height)
{
    if (width <= 0)
        return IDS_STRING111;
    if (height <= 0)
        return IDS_STRING112;
    return 0;
}

ConversionOutcome RunConversion(const PhotoDocument& photo, int width, int height, int angle, int flip,
                                ConversionHost& host, const std::atomic<bool>* cancel,
                                platform::ConversionProgress* progress)
{
    ConversionOutcome outcome;
    if (const int message = OutputSizeMessage(width, height)) {
        host.Tell(message, {});
        return outcome;
    }
    PhotoConversion conversion(photo, width, height, cancel, progress);
    if (!Succeeded(conversion.SetResolution()))
        host.Tell(IDS_STRING113, {});
    if (!Succeeded(conversion.SetInterpolationMode()))
        host.Tell(IDS_STRING114, {});
    const bool drawn = Succeeded(conversion.DrawPhoto());
    if ((outcome.cancelled = conversion.Cancelled()))
        return outcome;
    if (!drawn) {
        host.Tell(IDS_STRING115, {});
        return outcome;
    }
    outcome.textDrawn = DrawOverlay(conversion, width, height, host);

    const RotateFlipChoice choice = ChooseRotateFlip(angle, flip);
    if (!choice.angleKnown)
        host.Tell(IDS_STRING116, {});
    if (!Succeeded(conversion.RotateFlip(choice.type))) {
        host.Tell(IDS_STRING117, {});
        outcome.turned = false;
    }
    if ((outcome.cancelled = conversion.Cancelled()))
        return outcome;

    // Without a PNG encoder the empty identifier makes the save fail, and that is told.
    platform::Guid encoder{};
    FindEncoderByMimeType(QStringLiteral("image/png"), encoder);
    const QString path = host.OutputPath();
    outcome.saveAttempted = true;
    // A path longer than the program keeps is refused rather than saved under a cut name.
    const platform::Publish publish = host.MayReplaceOutput() ? platform::Publish::Replace : platform::Publish::OnlyNew;
    const platform::Status saved =
        path.size() <= kMaxPathChars ? conversion.Save(host.OutputLocalName(path), encoder, publish) : platform::Status::GenericError;
    outcome.saved = Succeeded(saved);
    outcome.cancelled = !outcome.saved && conversion.Cancelled();
    // A cancelled conversion was ended by the user, who needs no message about it.
    if (outcome.saved)
        host.Saved(path);
    else if (!outcome.cancelled && saved == platform::Status::OutputExists)
        host.OutputExists(path);
    else if (!outcome.cancelled)
        host.Tell(IDS_STRING118, path);
    return outcome;
}
