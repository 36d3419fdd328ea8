#pragma once

namespace platform {

// The eighths (1 to 8) of a width x height JPEG that libjpeg decodes to keep at least
// minWidth x minHeight pixels: the smallest scale not below what is needed.
int JpegEighthsFor(int width, int height, int minWidth, int minHeight);

}  // namespace platform
