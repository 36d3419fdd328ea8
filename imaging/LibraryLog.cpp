#include "imaging/LibraryLog.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>

#include <glib.h>

#include "imaging/DamageWarning.h"
#include "imaging/TileFailures.h"

namespace platform {
namespace {

using Sink = std::function<void(bool, const QString&)>;
std::mutex g_sinkMutex;
std::shared_ptr<const Sink> g_sink;  // copied under the lock without allocating

// The message on standard error without allocating: for when memory has run out, or the handler
// is called again from inside itself. Cut to what a line may hold.
void WriteRaw(const gchar* domain, const gchar* message) noexcept
{
    char line[512];
    const int n = std::snprintf(line, sizeof line, "%s%s%s\n", domain ? domain : "", domain ? ": " : "",
                                message ? message : "");
    if (n > 0)
        (void)!::write(STDERR_FILENO, line, std::min<std::size_t>(std::size_t(n), sizeof line - 1));
}

void Deliver(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer data)
{
    // Decoders only warn about damage: every warning is counted before it is reported.
    if ((level & G_LOG_LEVEL_WARNING) && domain && std::strcmp(domain, "VIPS") == 0)
        CountVipsWarning(message);
    std::shared_ptr<const Sink> sink;
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
    // Memory running out fails its photo the same way, and reporting it would need memory.
    if (IsTileFailure(message) || (message && std::strstr(message, "out of memory")))
        return;
    (*sink)((level & (G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL)) != 0, QString::fromUtf8(message ? message : ""));
}

// Called from C: nothing may be thrown through GLib, and memory may have run out.
void ToSink(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer data) noexcept
{
    if (level & G_LOG_FLAG_RECURSION) {
        WriteRaw(domain, message);
        return;
    }
    try {
        Deliver(domain, level, message, data);
    } catch (...) {
        WriteRaw(domain, message);
    }
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
    std::shared_ptr<const Sink> routed = sink ? std::make_shared<const Sink>(std::move(sink)) : nullptr;
    const std::lock_guard lock(g_sinkMutex);
    g_sink = std::move(routed);
}

}  // namespace platform
