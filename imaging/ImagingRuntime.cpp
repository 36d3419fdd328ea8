#include "imaging/ImagingRuntime.h"
#include "imaging/testing/ImagingTestSeams.h"

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

struct Collected {
    const char* suffix;  // "load" for file loaders, "load_source" for source loaders
    std::set<std::string> nicknames;
};

bool EndsWith(const std::string& s, const std::string& suffix)
{
    return s.size() > suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void* CollectLoader(GType type, void* a)
{
    auto* out = static_cast<Collected*>(a);
    if (G_TYPE_IS_ABSTRACT(type))
        return nullptr;
    auto* cls = static_cast<VipsOperationClass*>(g_type_class_ref(type));
    const char* nick = VIPS_OBJECT_CLASS(cls)->nickname;
    const bool blocked = (cls->flags & VIPS_OPERATION_BLOCKED) != 0;
    const std::string name = nick ? nick : "";
    if (!blocked && EndsWith(name, out->suffix))
        out->nicknames.insert(name);
    g_type_class_unref(cls);
    return nullptr;
}

std::set<std::string> ReachableLoaders(const char* suffix)
{
    Collected collected{suffix, {}};
    vips_type_map_all(g_type_from_name("VipsForeignLoad"), CollectLoader, &collected);
    return collected.nicknames;
}

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
    const std::string folder = std::string(PICTORELLE_VIPS_LIBDIR) + "/vips-modules-" +
                               std::to_string(VIPS_MAJOR_VERSION) + "." + std::to_string(VIPS_MINOR_VERSION);
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

std::set<std::string> ReachableFileLoaders()
{
    return ReachableLoaders("load");
}

std::set<std::string> ReachableSourceLoaders()
{
    return ReachableLoaders("load_source");
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
