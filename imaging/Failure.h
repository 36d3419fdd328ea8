#pragma once
#include <QSize>
#include <QString>

namespace platform {

// Why an imaging operation failed, as the decoder, the drawing or the writer saw it where it
// stopped; carried out through Image, Bitmap and the save so that the user reads the reason
// rather than a guess made afterwards.
struct Failure {
    enum class Kind {
        None,         // nothing failed, or nothing says why
        NotAPhoto,    // no decoder reads it: its first bytes announce no format we read
        EndsEarly,    // the file stops before its picture does
        Mismatch,     // the data stops or goes on where its header says it does not
        Damaged,      // detail: the decoder's own words
        TooLarge,     // size: the size the header gives, over the pixel limit
        OutOfMemory,
        System,       // error: the operating system's errno (no space, a size limit, permission...)
        FileChanged,  // the file was changed or cut by another program while it was read
    };

    Kind kind = Kind::None;
    int error = 0;
    QString detail;
    QSize size;

    explicit operator bool() const { return kind != Kind::None; }
    bool operator==(const Failure&) const = default;

    static Failure Of(Kind kind) { return {kind, 0, {}, {}}; }
    static Failure DamagedAs(const QString& words) { return {Kind::Damaged, 0, words, {}}; }
    static Failure TooLargeAt(int width, int height) { return {Kind::TooLarge, 0, {}, QSize(width, height)}; }
    static Failure SystemError(int error) { return error ? Failure{Kind::System, error, {}, {}} : Failure{}; }
};

}  // namespace platform
