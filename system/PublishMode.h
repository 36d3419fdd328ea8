#pragma once

namespace platform {

// How a finished file takes its name: over whatever is there, or only where nothing is, so
// that a file that appeared since anyone last looked is never replaced.
enum class Publish { Replace, OnlyNew };

}  // namespace platform
