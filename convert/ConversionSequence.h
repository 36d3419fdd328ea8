#pragma once
#include <atomic>
#include <optional>

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QString>

#include "imaging/Failure.h"
#include "convert/OutputKeeping.h"

class PhotoDocument;
namespace platform {
struct ConversionProgress;
}

// The text line of a conversion, as its caller reads it when the text step comes.
struct OverlayLine {
    QString text;
    int x = 0;
    int y = 0;
    QFont font;
    QColor colour;
};

// What a conversion asks of whoever runs it, and tells it: the window reads its edits and shows
// message boxes; the command line answers from its options and reports on standard error.
class ConversionHost {
public:
    virtual ~ConversionHost() = default;
    // A step calls for message messageId; the sequence has already decided whether it goes on.
    // subject is the output path for a failed save (the message's caption there), else empty;
    // why is what the engine said of the failure where it happened, when it said anything.
    virtual void Tell(int messageId, const QString& subject, const platform::Failure& why = {}) = 0;
    // The text line to draw, or nothing; asked once, before the drawing when the picture is not
    // turned (without text it is written while drawn), else once the photo has been drawn.
    virtual std::optional<OverlayLine> Overlay() = 0;
    // A text coordinate outside the picture was told and moved to 0: x when horizontal.
    virtual void OverlayMovedToZero(bool horizontal) { (void)horizontal; }
    // The path to save to, read just before the save (which, for a picture written while it is
    // drawn, starts with the drawing).
    virtual QString OutputPath() = 0;
    // The bytes that name that path on disk, which a name that is not UTF-8 needs to keep its own;
    // by default the path as Qt encodes it.
    virtual QByteArray OutputLocalName(const QString& path);
    // Whether the save may replace a file at that path; when it may not and one is there by
    // then, OutputExists is told instead of message 118.
    virtual bool MayReplaceOutput() { return true; }
    virtual void OutputExists(const QString& path);
    // The picture is completely written at path.
    virtual void Saved(const QString& path) = 0;
    // What the picture keeps of the photo; asked once, before the drawing. Nothing by default.
    virtual OutputKeeping Keeping() { return {}; }
};

struct ConversionOutcome {
    bool saveAttempted = false;  // the steps reached the save
    bool saved = false;
    bool textDrawn = true;       // false: a text line was asked for and could not be drawn
    bool turned = true;          // false: the rotation or flip failed and the picture was saved unturned
    bool cancelled = false;      // stopped at the caller's word: nothing told, nothing written
    bool undated = false;        // dated as taken was asked, and the photo says nowhere when it was
};

// The order of a conversion's steps. The main window sizes the picture as the photo lies, draws
// its text, then turns the whole; a batch turns the photo first, so that the size and the text are
// those of the picture the user will see.
enum class StepOrder {
    SizeThenTurn,  // width x height is the picture before its turn; the text turns with it
    TurnThenSize,  // width x height is the turned picture; the text is drawn upright on it, and
                   // a picture whose turn or text failed is not saved
};

// Converts the photo's active frame into a width x height PNG, turned by angle (0, 90, 180, 270)
// and flip (0 none, 1 horizontal, 2 vertical): the size check, the picture with the photo's
// resolution, the drawing, the text, the turn and the save, in that order (a picture with neither
// text nor turn is written while it is drawn, and published only once drawn). A failed step is told;
// the size, the drawing and the save stop the sequence, the others let it go on. Once cancel is
// set the sequence stops where it is, quietly, and any old output stays as it was. The drawing
// and the save count their rows in progress, when given.
// With StepOrder::TurnThenSize the text comes after the turn instead.
ConversionOutcome RunConversion(const PhotoDocument& photo, int width, int height, int angle, int flip,
                                ConversionHost& host, const std::atomic<bool>* cancel = nullptr,
                                platform::ConversionProgress* progress = nullptr,
                                StepOrder order = StepOrder::SizeThenTurn);

// The message an output size calls for before anything is drawn: 111 for the width, 112 for the
// height, 0 when both are positive.
int OutputSizeMessage(int width, int height);
