#include "imaging/testing/ImagingTestSeams.h"

#include <atomic>
#include <chrono>
#include <thread>

#include <vips/vips8>

#include "imaging/EngineSeams.h"
#include "imaging/png/PngWriter.h"

namespace platform {
namespace {
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


std::atomic<int> heldNow{0};

// Probes the sink with empty writes, which it refuses once the save is cancelled.
bool WriteOnlyOnceCancelled(const RgbRows& image, double dpi, const ByteSink& sink)
{
    struct Held {
        Held() { ++heldNow; }
        ~Held() { --heldNow; }
    } held;
    for (int i = 0; i < 3000; ++i) {
        if (!sink(nullptr, 0))
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WritePng(image, dpi, sink);
}
}  // namespace

void ChangePhotosAsOpened(void (*changer)(int fd))
{
    Seams().photoOpened = changer;
}

void ForceAllocationFailures(bool force)
{
    Seams().copiesFail = force;
}

int SavesHeldNow()
{
    return heldNow;
}

void HoldSavesUntilCancelled(bool hold)
{
    ReplacePngWriter(hold ? &WriteOnlyOnceCancelled : nullptr);
}

bool AllocationFailuresForced()
{
    return Seams().copiesFail;
}

void ReplacePngWriter(PictureWriter writer)
{
    Seams().pngWriter = writer;
}

std::set<std::string> ReachableFileLoaders()
{
    return ReachableLoaders("load");
}

std::set<std::string> ReachableSourceLoaders()
{
    return ReachableLoaders("load_source");
}

}  // namespace platform
