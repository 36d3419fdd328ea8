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
bool DrawOverlay(PhotoConversion& conversion, const std::optional<OverlayLine>& line, int width, int height,
                 ConversionHost& host)
{
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

// Where the picture goes, read just before it is written.
struct SaveTarget {
    platform::Guid encoder{};
    QString path;
    QByteArray localName;
    platform::Publish publish = platform::Publish::Replace;
    bool pathFits = true;  // a path longer than the program keeps is refused rather than saved under a cut name
};

SaveTarget ReadSaveTarget(ConversionHost& host)
{
    SaveTarget target;
    // Without a PNG encoder the empty identifier makes the save fail, and that is told.
    FindEncoderByMimeType(QStringLiteral("image/png"), target.encoder);
    target.path = host.OutputPath();
    target.publish = host.MayReplaceOutput() ? platform::Publish::Replace : platform::Publish::OnlyNew;
    target.pathFits = target.path.size() <= kMaxPathChars;
    if (target.pathFits)
        target.localName = host.OutputLocalName(target.path);
    return target;
}

// The save's outcome, told.
void TellSave(const PhotoConversion& conversion, const SaveTarget& target, platform::Status saved,
              ConversionHost& host, ConversionOutcome& outcome)
{
    outcome.saveAttempted = true;
    outcome.saved = Succeeded(saved);
    outcome.cancelled = !outcome.saved && conversion.Cancelled();
    // A cancelled conversion was ended by the user, who needs no message about it.
    if (outcome.saved)
        host.Saved(target.path);
    else if (!outcome.cancelled && saved == platform::Status::OutputExists)
        host.OutputExists(target.path);
    else if (!outcome.cancelled)
        host.Tell(IDS_STRING118, target.path, conversion.LastFailure());
}

// Draws the photo; false, with the message told, when it cannot be drawn or the user cancelled.
bool DrawOrTell(PhotoConversion& conversion, ConversionHost& host, ConversionOutcome& outcome)
{
    const bool drawn = Succeeded(conversion.DrawPhoto());
    if ((outcome.cancelled = conversion.Cancelled()))
        return false;
    if (!drawn)
        host.Tell(IDS_STRING115, {}, conversion.LastFailure());
    return drawn;
}

// A picture with no text and no turn: written while it is drawn.
ConversionOutcome DrawAndSave(PhotoConversion& conversion, ConversionHost& host, ConversionOutcome outcome)
{
    const SaveTarget target = ReadSaveTarget(host);
    if (!target.pathFits) {
        // Nothing to write to: drawn as before, so that a photo that cannot be drawn is told first.
        if (DrawOrTell(conversion, host, outcome))
            TellSave(conversion, target, platform::Status::GenericError, host, outcome);
        return outcome;
    }
    const auto [drawn, saved] = conversion.DrawPhotoAndSave(target.localName, target.encoder, target.publish);
    if (!Succeeded(drawn)) {
        if (!(outcome.cancelled = conversion.Cancelled()))
            host.Tell(IDS_STRING115, {}, conversion.LastFailure());
        return outcome;
    }
    TellSave(conversion, target, saved, host, outcome);
    return outcome;
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
                                platform::ConversionProgress* progress, StepOrder order)
{
    ConversionOutcome outcome;
    if (const int message = OutputSizeMessage(width, height)) {
        host.Tell(message, {});
        return outcome;
    }
    const RotateFlipChoice choice = ChooseRotateFlip(angle, flip);
    const bool textLast = order == StepOrder::TurnThenSize;
    // Turned last, a quarter turn is drawn at the sides it has before its turn.
    const bool swap = textLast && TurnsAQuarter(choice.type);
    PhotoConversion conversion(photo, swap ? height : width, swap ? width : height, cancel, progress);
    const OutputKeeping keep = host.Keeping();
    // The details describe the picture as saved: turned last, a quarter turn swaps its sides.
    const bool swappedLast = !textLast && TurnsAQuarter(choice.type);
    outcome.undated = !conversion.Keep(keep, swappedLast ? height : width, swappedLast ? width : height);
    if (!Succeeded(conversion.SetResolution(keep.dpi)))
        host.Tell(IDS_STRING113, {});
    if (!Succeeded(conversion.SetInterpolationMode()))
        host.Tell(IDS_STRING114, {});
    // Without text or a turn, the rows are final as they are drawn, so the save need not wait for
    // the whole picture; with either, the picture is drawn whole first.
    const bool untouched = choice.angleKnown && choice.type == platform::RotateFlipType::RotateNoneFlipNone;
    std::optional<OverlayLine> line;
    if (untouched) {
        line = host.Overlay();
        if (!line || line->text.isEmpty())
            return DrawAndSave(conversion, host, outcome);
    }
    if (!DrawOrTell(conversion, host, outcome))
        return outcome;
    if (!untouched)
        line = host.Overlay();
    if (!textLast)
        outcome.textDrawn = DrawOverlay(conversion, line, width, height, host);

    if (!choice.angleKnown)
        host.Tell(IDS_STRING116, {});
    if (!Succeeded(conversion.RotateFlip(choice.type))) {
        host.Tell(IDS_STRING117, {}, conversion.LastFailure());
        outcome.turned = false;
    }
    // Upright on the picture as it will be seen; a failed turn leaves nothing worth a text.
    if (textLast && outcome.turned)
        outcome.textDrawn = DrawOverlay(conversion, line, width, height, host);
    // A batch reports such a photo failed, and a failed photo must not replace a good old output.
    if (textLast && !(outcome.turned && outcome.textDrawn))
        return outcome;
    if ((outcome.cancelled = conversion.Cancelled()))
        return outcome;

    const SaveTarget target = ReadSaveTarget(host);
    const platform::Status saved = target.pathFits
        ? conversion.Save(target.localName, target.encoder, target.publish)
        : platform::Status::GenericError;
    TellSave(conversion, target, saved, host, outcome);
    return outcome;
}
