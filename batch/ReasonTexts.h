#pragma once
#include <QSize>
#include <QString>

#include "imaging/Failure.h"
#include "convert/SizeRule.h"

// The words for why a photo was not converted, in the language of the locale (Qt's
// translation of the context "CommandLine"). Where the window has a message for the same failure,
// the reason follows it (WithReason), so that the window's words stay what they are.

// "MESSAGE (REASON)"; the message alone when there is no reason.
QString WithReason(const QString& message, const QString& reason);

// "warning: TEXT": what a photo was converted despite; and whether a message is one.
QString WarningText(const QString& text);
bool IsWarningText(const QString& message);

// Why rule gives a side of 0 pixels for a photoWidth x photoHeight photo ("the height that keeps
// the aspect ratio of 800 x 600 at width 1 is 0 pixels"); empty when neither side is 0 or the rule
// names no side.
QString ZeroSideReason(const SizeRule& rule, int photoWidth, int photoHeight);

// The frames there are, for a frame asked for beyond them (frames counts them, at least 1).
QString FrameRangeReason(int asked, int frames);

// An output name over the bytes a file name may have, or an output path over the characters the
// program takes.
QString NameTooLongReason(int limitBytes);
QString PathTooLongReason(int limitChars);

// Why the engine failed, in the user's words: what the decoder found wrong with the photo, the
// size over the limit, memory, or what the operating system said of the file; empty when the
// failure says nothing.
QString FailureReason(const platform::Failure& failure);

// The operating system's errno as a reason: the common ones in our own translated words, the
// others in the system's.
QString SystemErrorReason(int error);
