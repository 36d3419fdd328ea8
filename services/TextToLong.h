#pragma once
#include <QString>

namespace platform {

// Reads a number as the C library's base-10 wide-string-to-long does with a 32-bit long:
// leading white space, an optional sign, digits up to the first other character; 0 without
// digits; clamped to the 32-bit range on overflow.
int TextToLong(const QString& text);

}  // namespace platform
