#pragma once
#include <QByteArray>

namespace platform {

// The longest name of one file most Linux file systems take (NAME_MAX).
inline constexpr int kMaxFileNameBytes = 255;

// The name of a hidden temporary file beside target, tagged with tag: ".name.tag.tmp", its copy
// of target's name cut (never inside a UTF-8 character) so that the whole stays within
// kMaxFileNameBytes; a name that fits is therefore never refused for its temporary's sake.
QByteArray TemporaryNameBeside(const QByteArray& target, const QByteArray& tag);

}  // namespace platform
