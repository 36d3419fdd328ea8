#pragma once
// Private to imaging: uses libvips types.
#include <string>

#include <vips/vips8>

#include "system/FileDescriptor.h"

namespace platform {

// A libvips source reading the photo open on fd, so libvips never parses the name (it would read a
// trailing "[...]" as loader options). Throws vips::VError when fd is invalid.
vips::VSource OpenPhotoSource(const FileDescriptor& fd);

// Runs the named allowed loader ("jpegload") on source with options, which it frees; libvips
// never guesses the format itself. Throws vips::VError when the loader refuses the data.
vips::VImage LoadPhoto(const std::string& loader, const vips::VSource& source, vips::VOption* options);

}  // namespace platform
