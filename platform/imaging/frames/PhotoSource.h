#pragma once
// Private to platform/imaging: uses libvips types.
#include <string>

#include <QByteArray>
#include <vips/vips8>

namespace platform {

// A libvips source reading the photo named by localName through a descriptor we opened, so libvips
// never parses the name (it would read a trailing "[...]" as loader options). Throws vips::VError
// when the file cannot be opened.
vips::VSource OpenPhotoSource(const QByteArray& localName);

// Runs the named allowed loader ("jpegload") on source with options, which it frees; libvips
// never guesses the format itself. Throws vips::VError when the loader refuses the data.
vips::VImage LoadPhoto(const std::string& loader, const vips::VSource& source, vips::VOption* options);

}  // namespace platform
