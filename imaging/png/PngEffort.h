#pragma once

namespace platform {

// How hard the PNG writer works at the file's size: Normal is the default trade; Fast gives a
// somewhat larger file in a fraction of the time; Smallest spends many times the time on a smaller
// one. The pixels read back are the same whichever is chosen (docs/png-writer.md).
enum class PngEffort { Fast, Normal, Smallest };

}  // namespace platform
