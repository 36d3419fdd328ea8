#pragma once
#include <QByteArray>

#include "system/FileDescriptor.h"

namespace platform {

// Opens the regular file named by localName (the name's bytes on disk, see LocalFileName) for
// reading; an invalid descriptor when it cannot be opened or is not a regular file. A FIFO, a
// socket or a device (or a link to one) is refused without being opened, so nothing blocks on
// it. Every file the program reads is opened here: photos (so no library ever interprets the
// name itself), language files, and the existence test before an output is replaced.
FileDescriptor OpenRegularFile(const QByteArray& localName);

}  // namespace platform
