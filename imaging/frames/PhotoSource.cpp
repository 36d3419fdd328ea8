#include "imaging/frames/PhotoSource.h"

#include "imaging/ImagingRuntime.h"

namespace platform {

vips::VSource OpenPhotoSource(const FileDescriptor& fd)
{
    if (!fd)
        throw vips::VError("the photo file cannot be opened");
    // libvips reads from a dup() of the descriptor and closes that itself; the caller closes fd.
    return vips::VSource::new_from_descriptor(fd.Get());
}

vips::VImage LoadPhoto(const std::string& loader, const vips::VSource& source, vips::VOption* options)
{
    if (!AllowedFileLoaders().count(loader)) {
        delete options;
        throw vips::VError("the loader is not allowed");
    }
    vips::VImage out;
    vips::VImage::call((loader + "_source").c_str(), options->set("out", &out)->set("source", source));
    return out;
}

}  // namespace platform
