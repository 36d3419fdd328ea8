#pragma once
#include <QByteArray>

#include "platform/files/FileDescriptor.h"

namespace platform {

// Opens the photo file named by localName (the name's bytes on disk, see LocalFileName) for
// reading; an invalid descriptor when it cannot be opened or is not a regular file. A FIFO, a
// socket or a device (or a link to one) is refused without being opened, so nothing blocks on
// it. Every decoder reads photos through here, so no library ever interprets the name itself.
FileDescriptor OpenPhotoFile(const QByteArray& localName);

}  // namespace platform
