#pragma once
#include "imaging/checks/PhotoFormat.h"
#include "imaging/details/PhotoDetails.h"

namespace platform {

// The details of the photo file fd holds, in format: exiv2 reads the file itself, except an
// HEIF's, whose blocks libheif hands over. A file cut or written meanwhile gives dropped details.
PhotoDetails ReadPhotoDetails(int fd, PhotoFormat format);

}  // namespace platform
