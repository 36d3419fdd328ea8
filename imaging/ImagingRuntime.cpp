#include "imaging/ImagingRuntime.h"
#include "imaging/testing/ImagingTestSeams.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include <gmodule.h>
#include <vips/vips8>

#include "imaging/TileFailures.h"

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

std::mutex g_sinkMutex;
std::function<void(bool, const QString&)> g_sink;

void ToSink(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer data)
{
    // Decoders only warn about damage: every warning is counted before it is reported.
    if ((level & G_LOG_LEVEL_WARNING) && domain && std::strcmp(domain, "VIPS") == 0)
        CountVipsWarning(message);
    std::function<void(bool, const QString&)> sink;
    {
        const std::lock_guard lock(g_sinkMutex);
        sink = g_sink;
    }
    if (!sink) {
        g_log_default_handler(domain, level, message, data);
        return;
    }
    if (level & (G_LOG_LEVEL_INFO | G_LOG_LEVEL_DEBUG))
        return;
    // A failed tile fails its drawing, which is told as the photo's own error: the warning, from a
    // worker thread that cannot say which photo it was, would only add a line that names none.
    if (message && std::strncmp(message, "error in tile", 13) == 0)
        return;
    sink((level & (G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL)) != 0, QString::fromUtf8(message ? message : ""));
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

void RouteLibraryMessages(std::function<void(bool error, const QString& text)> sink)
{
    const std::lock_guard lock(g_sinkMutex);
    g_sink = std::move(sink);
}

bool StartImaging(const char* argv0)
{
    if (!StartWithoutOtherModules(argv0))
        return false;
    vips_cache_set_max(0);
    // One handler for the process, from the start: it counts libvips' warnings, and passes every
    // message on to the routed sink, or to GLib's own handler while none is routed.
    g_log_set_default_handler(ToSink, nullptr);
    g_log_set_handler("VIPS", GLogLevelFlags(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION), ToSink,
                      nullptr);
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
