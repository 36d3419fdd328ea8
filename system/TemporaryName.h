#pragma once
#include <QByteArray>

namespace platform {

// The longest name of one file most Linux file systems take (NAME_MAX).
inline constexpr int kMaxFileNameBytes = 255;

// The name of a hidden temporary file beside target, tagged with tag: ".name.tag.tmp", its copy
// of target's name cut (never inside a UTF-8 character) so that the whole stays within
// kMaxFileNameBytes; a name that fits is therefore never refused for its temporary's sake.
QByteArray TemporaryNameBeside(const QByteArray& target, const QByteArray& tag);

// The tag of our own temporaries' names: "pictorelle-" and a random tag of digits and small letters,
// so that ".photo_out.png.pictorelle-3kq9x.tmp" says whose it is.
QByteArray OurTemporaryTag(const QByteArray& random);
// Whether a file's name (without its folder) is one OurTemporaryTag made.
bool IsOurTemporaryName(const QByteArray& fileName);

}  // namespace platform
