#include "platform/imaging/PhotoSource.h"

#include "platform/imaging/ImagingRuntime.h"
#include "platform/imaging/OpenPhotoFile.h"

namespace platform {
namespace {
constexpr char kSourceSuffix[] = "_source";
}  // namespace

vips::VSource OpenPhotoSource(const QByteArray& localName)
{
    const FileDescriptor fd = OpenPhotoFile(localName);
    if (!fd)
        throw vips::VError("the photo file cannot be opened");
    // libvips reads from a dup() of the descriptor and closes that itself; ours closes here.
    return vips::VSource::new_from_descriptor(fd.Get());
}

std::string AllowedLoaderFor(const vips::VSource& source)
{
    // The loader found may be a blocked one (libvips 8.14 does not skip them when sniffing);
    // it would refuse to run, but it is not ours either way.
    const char* typeName = vips_foreign_find_load_source(source.get_source());
    const char* nickname = typeName ? vips_nickname_find(g_type_from_name(typeName)) : nullptr;
    vips_error_clear();
    std::string loader = nickname ? nickname : "";
    const std::string suffix = kSourceSuffix;
    if (loader.size() <= suffix.size() || loader.compare(loader.size() - suffix.size(), suffix.size(), suffix) != 0)
        return {};
    loader.resize(loader.size() - suffix.size());
    return AllowedFileLoaders().count(loader) ? loader : std::string();
}

}  // namespace platform
