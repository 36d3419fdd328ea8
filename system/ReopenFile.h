#pragma once
#include <QByteArray>

#include "system/FileDescriptor.h"

namespace platform {

// The file open on opened, opened again with a read position of its own, so that several readers
// never move each other's. It is that very file even when another has since been put in its place
// under localName (its name when it was opened); where the system cannot open a descriptor again,
// the file now under localName is taken only if it is the same file. Invalid otherwise.
FileDescriptor ReopenFile(int opened, const QByteArray& localName);

}  // namespace platform
