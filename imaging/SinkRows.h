#pragma once
// Private to imaging: uses libvips types.
#include <cstddef>
#include <atomic>
#include <cstdint>
#include <functional>

#include <vips/vips8>

namespace platform {

class RowHandOver;

// Renders image and copies its rows into pixels (stride bytes apart) as libvips hands them over
// in order, so no second whole picture is ever held. Once cancelled() answers true the render
// threads stop at their next tile. Each row copied counts in rowsDone, when given. True when every
// row arrived, false when cancelled; throws vips::VError when the computation failed. With handOver, each strip of whole rows is handed
// over once it is in place.
bool SinkRowsInto(const vips::VImage& image, std::uint8_t* pixels, std::size_t stride,
                  const std::function<bool()>& cancelled, std::atomic<std::int64_t>* rowsDone = nullptr,
                  RowHandOver* handOver = nullptr);

}  // namespace platform
