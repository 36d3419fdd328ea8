#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

inline constexpr int kCodePageUtf8 = 65001;

// Text from bytes in a Windows code page (874, 932, 936, 949, 950, 1250-1258, 65001). Code
// page 0, the system's ANSI code page, is UTF-8 here. A byte sequence the code page does not
// have becomes U+FFFD and decoding goes on with the next byte.
QString DecodeCodePage(const QByteArray& bytes, int codePage);

}  // namespace platform
