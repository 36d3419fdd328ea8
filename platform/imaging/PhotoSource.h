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

// The allowed loader that libvips picks for source's contents, by its file loader's nickname
// ("jpegload"), or "" when it picks none or one that is not allowed.
std::string AllowedLoaderFor(const vips::VSource& source);

}  // namespace platform
