#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// The bytes that name path on disk; empty when no file name can be made of it (a NUL inside).
//
// Qt turns every byte of a name that is not UTF-8 into U+FFFD, and U+FFFD back into its own UTF-8
// bytes, so such a name never comes back as the file it came from. Where the plain encoding
// names no file, each part of the path holding U+FFFD is matched against its folder's entries
// as Qt would decode them; a part that matches one entry alone takes that entry's bytes.
QByteArray LocalFileName(const QString& path);

}  // namespace platform
