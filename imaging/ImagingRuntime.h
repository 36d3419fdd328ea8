#pragma once
#include <set>
#include <string>

namespace platform {

// Starts the imaging library for this process: call once before any imaging, with argv[0].
// Turns the operation cache off (it would serve stale pixels after a file changes on disk) and
// closes every file loader that is not on the allowlist. Returns false when it cannot start.
bool StartImaging(const char* argv0);

// Frees what the imaging library keeps for the calling thread: a thread of ours that used it
// calls this before it ends.
void EndImagingThread();

// Shuts the imaging library down; every image must have been released before.
void StopImaging();

// The loaders we allow: those that are well kept and decode photos.
const std::set<std::string>& AllowedFileLoaders();

}  // namespace platform
