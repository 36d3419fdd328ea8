#pragma once
#include <functional>
#include <set>
#include <string>

#include <QString>

namespace platform {

// Starts the imaging library for this process: call once before any imaging, with argv[0].
// Turns the operation cache off (it would serve stale pixels after a file changes on disk) and
// closes every file loader that is not on the allowlist. Returns false when it cannot start.
bool StartImaging(const char* argv0);

// Frees what the imaging library keeps for the calling thread: a thread of ours that used it
// calls this before it ends.
void EndImagingThread();

// Hands every message libvips and GLib log (from any thread) to sink, error true for critical
// ones, instead of letting them print to standard error; an empty sink lets them print again.
// Debugging and informational messages are dropped, as GLib drops them by default.
void RouteLibraryMessages(std::function<void(bool error, const QString& text)> sink);

// Shuts the imaging library down; every image must have been released before.
void StopImaging();

// The loaders we allow: those that are well kept and decode photos.
const std::set<std::string>& AllowedFileLoaders();

}  // namespace platform
