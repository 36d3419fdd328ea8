#pragma once
#include <optional>

#include <QList>
#include <QString>

#include "batch/ConversionRequest.h"

// A choice that cannot be taken: a message text's identifier when the program has a text for it
// (so it shows in the user's language), else a text of its own.
struct UsageError {
    int messageId = 0;
    QString text;
};

// The error's text in the user's language.
QString UsageText(const UsageError& error);

// One choice of a batch as the command line names it ("--fit", "1920x1920"); a switch has no value.
struct RequestOption {
    QString name;
    std::optional<QString> value;
    bool operator==(const RequestOption&) const = default;
};

// Reads the choices of a batch into a request, as the command line names them: the command line
// itself, a preset (kept as those names and values), and the window's preset list read them
// alike. A choice read after a preset's replaces the preset's (--width after a preset's --fit).
class RequestReader {
public:
    static bool TakesValue(const QString& name);
    static bool IsSwitch(const QString& name);
    // Whether a preset keeps the choice: every choice but the photos, the frame, the output file
    // and the command line's own (--quiet, -r, --no-auto-orient).
    static bool Kept(const QString& name);

    // Takes one choice; false with Error() saying why when its value is wrong or it is no choice.
    bool Apply(const RequestOption& option);
    // Takes a preset's choices; false with Error() saying why at the first wrong one.
    bool ApplyPreset(const QList<RequestOption>& options);
    // Whether the choices go together (one size rule, one output); false with Error().
    bool Check();

    ConversionRequest& Request() { return r_; }
    const UsageError& Error() const { return error_; }

private:
    bool ApplyValue(const QString& name, const QString& value);
    bool Position(const QString& value);
    bool Fail(UsageError error);
    bool Fail(int messageId) { return Fail(UsageError{messageId, {}}); }
    // Forgets the preset's choice of a group that a later choice replaces.
    void Replace(const QString& name);

    ConversionRequest r_;
    UsageError error_;
    bool sizeGiven_ = false;
    bool sideGiven_ = false;
    bool fitGiven_ = false;
    bool inPreset_ = false;
    bool presetSize_ = false;    // the size options were the preset's
    bool presetOutput_ = false;  // the output folder was the preset's
};

// The choices a preset keeps of request, in the command line's names: what, read by
// RequestReader::ApplyPreset, gives the same request back (photos and the command line's own aside).
QList<RequestOption> PresetOptionsOf(const ConversionRequest& request);

// The whole number text stands for when it is only ASCII digits (an optional '-' first) that fit
// in 32 bits; nothing otherwise.
std::optional<int> ParseWholeNumber(const QString& text);
