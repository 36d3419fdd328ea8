#include "imaging/LibraryLog.h"

#include <cstring>
#include <mutex>

#include <glib.h>

#include "imaging/DamageWarning.h"
#include "imaging/TileFailures.h"

namespace platform {
namespace {

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
    if (IsTileFailure(message))
        return;
    sink((level & (G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL)) != 0, QString::fromUtf8(message ? message : ""));
}

}  // namespace

void TakeLibraryLog()
{
    g_log_set_default_handler(ToSink, nullptr);
    g_log_set_handler("VIPS", GLogLevelFlags(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION), ToSink,
                      nullptr);
}

void RouteLibraryMessages(std::function<void(bool error, const QString& text)> sink)
{
    const std::lock_guard lock(g_sinkMutex);
    g_sink = std::move(sink);
}

}  // namespace platform
