#pragma once
#include <functional>

#include <QString>

namespace platform {

// Makes our handler the one for every message libvips and GLib log, from the start: it counts
// libvips' warnings, and passes every message on to the routed sink, or to GLib's own handler
// while none is routed. StartImaging calls it once.
void TakeLibraryLog();

// Hands every message libvips and GLib log (from any thread) to sink, error true for critical
// ones, instead of letting them print to standard error; an empty sink lets them print again.
// Debugging and informational messages are dropped, as GLib drops them by default.
void RouteLibraryMessages(std::function<void(bool error, const QString& text)> sink);

}  // namespace platform
