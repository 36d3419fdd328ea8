#include "imaging/ImagingRuntime.h"

#include <cstdlib>
#include <string>

#include <gmodule.h>
#include <vips/vips8>

#include "imaging/LibraryLog.h"

namespace platform {
namespace {

struct LoaderClass {
    const char* typeName;
    const char* nickname;
};

// Loader class hierarchies kept open; every other loader stays blocked.
constexpr LoaderClass kAllowed[] = {
    {"VipsForeignLoadJpeg", "jpegload"}, {"VipsForeignLoadPng", "pngload"},
    {"VipsForeignLoadNsgif", "gifload"}, {"VipsForeignLoadTiff", "tiffload"},
    {"VipsForeignLoadWebp", "webpload"}, {"VipsForeignLoadHeif", "heifload"},
    {"VipsForeignLoadJxl", "jxlload"},   {"VipsForeignLoadJp2k", "jp2kload"},
};

// libvips loads every format module it finds when it starts; ImageMagick's, poppler's and
// OpenSlide's pull in large libraries (a third of a conversion's start-up) for loaders we block
// anyway. Only the modules of allowed formats are loaded, by us.
constexpr const char* kAllowedModules[] = {"vips-heif.so", "vips-jxl.so"};

bool StartWithoutOtherModules(const char* argv0)
{
    // libvips looks for its modules under VIPSHOME when it is set: here, nowhere.
    const char* own = std::getenv("VIPSHOME");
    const std::string kept = own ? own : "";
    ::setenv("VIPSHOME", "/nonexistent", 1);
    const bool failed = VIPS_INIT(argv0) != 0;
    if (own)
        ::setenv("VIPSHOME", kept.c_str(), 1);
    else
        ::unsetenv("VIPSHOME");  // not passed on to programs we start
    if (failed)
        return false;
    // Appended piece by piece: GCC 12 warns falsely (-Warray-bounds) on the chain of + it inlines.
    std::string folder = PICTORELLE_VIPS_LIBDIR;
    folder.append("/vips-modules-").append(std::to_string(VIPS_MAJOR_VERSION)).append(".");
    folder.append(std::to_string(VIPS_MINOR_VERSION));
    for (const char* name : kAllowedModules) {
        // The module registers its classes as it opens, and stays: a missing one leaves its format
        // undecodable, as libvips would.
        if (GModule* module = g_module_open((folder + "/" + name).c_str(), G_MODULE_BIND_LAZY))
            g_module_make_resident(module);
    }
    return true;
}

}  // namespace

bool StartImaging(const char* argv0)
{
    if (!StartWithoutOtherModules(argv0))
        return false;
    vips_cache_set_max(0);
    TakeLibraryLog();
    vips_operation_block_set("VipsForeignLoad", TRUE);
    for (const auto& loader : kAllowed)
        vips_operation_block_set(loader.typeName, FALSE);
    return true;
}

void EndImagingThread()
{
    vips_thread_shutdown();
}

void StopImaging()
{
    vips_shutdown();
}

const std::set<std::string>& AllowedFileLoaders()
{
    static const std::set<std::string> names = [] {
        std::set<std::string> s;
        for (const auto& loader : kAllowed)
            s.insert(loader.nickname);
        return s;
    }();
    return names;
}

}  // namespace platform
