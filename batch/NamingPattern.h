#pragma once
#include <optional>

#include <QByteArray>
#include <QString>

#include "imaging/details/TakenTime.h"

// The default naming pattern: NAME_out.png, as the window proposes.
inline const QString kDefaultNamingPattern = QStringLiteral("{name}_out");

// What a naming pattern may say of one photo of a run.
struct NamingFacts {
    QByteArray name;    // the photo's file name without its extension, as its bytes on disk
    QByteArray ext;     // its extension, without the dot
    QByteArray folder;  // the name of the folder holding it
    platform::TakenTime taken;  // when it was taken, else when its file was last written
    int index = 0;      // its place in the run, from 1
    int width = 0;      // of the output
    int height = 0;
};

// Why pattern cannot name outputs (a token it does not know, a '/', nothing at all), in the
// user's language; nothing when it can. Tokens: {name} {ext} {date} {time} {n} {n:WIDTH} {folder}
// {width} {height}.
std::optional<QString> NamingPatternProblem(const QString& pattern);
// Whether pattern needs the photo opened: its date, or its output's size.
bool PatternReadsPhotos(const QString& pattern);
// The output's file name that pattern gives, ".png" added, as bytes on disk: a photo's name that
// is not UTF-8 keeps its bytes. Empty when the pattern gives no name for these facts.
QByteArray NameByPattern(const QString& pattern, const NamingFacts& facts);
