#include "imaging/SinkRows.h"

#include <cstring>
#include <mutex>

#include "imaging/RowHandOver.h"

namespace platform {
namespace {

struct RowTarget {
    std::uint8_t* pixels;
    std::size_t stride;
    const std::function<bool()>& cancelled;
    VipsImage* image;  // what is being rendered
    std::atomic<std::int64_t>* rowsDone;
    RowHandOver* handOver;
    // Held while rows are copied on libvips' writer thread, and taken once the sink has ended:
    // libvips hands its work back through glib's futexes, which thread checkers cannot see.
    std::mutex rows{};
};

// Receives the rendered rows in order, on libvips' writer thread.
int CopyRows(VipsRegion* region, VipsRect* area, void* a)
{
    auto* target = static_cast<RowTarget*>(a);
    if (target->cancelled()) {
        vips_image_set_kill(target->image, TRUE);  // the render threads stop at their next tile
        return -1;
    }
    const std::size_t bytes = static_cast<std::size_t>(area->width) * 3;
    const std::lock_guard lock(target->rows);
    for (int y = area->top; y < area->top + area->height; ++y)
        std::memcpy(target->pixels + static_cast<std::size_t>(y) * target->stride + static_cast<std::size_t>(area->left) * 3,
                    VIPS_REGION_ADDR(region, area->left, y), bytes);
    // Areas come as whole rows, top to bottom.
    if (target->rowsDone && area->left == 0)
        target->rowsDone->fetch_add(area->height, std::memory_order_relaxed);
    if (target->handOver && area->left == 0 && area->width == target->image->Xsize)
        target->handOver->Filled(static_cast<std::size_t>(area->top) + static_cast<std::size_t>(area->height));
    return 0;
}

}  // namespace

bool SinkRowsInto(const vips::VImage& image, std::uint8_t* pixels, std::size_t stride,
                  const std::function<bool()>& cancelled, std::atomic<std::int64_t>* rowsDone,
                  RowHandOver* handOver)
{
    RowTarget target{pixels, stride, cancelled, image.get_image(), rowsDone, handOver};
    const bool sunk = vips_sink_disc(image.get_image(), CopyRows, &target) == 0;
    // A cancel that comes as the last rows arrive still fails the drawing.
    const std::lock_guard rowsCopied(target.rows);
    if (sunk && !cancelled())
        return true;
    if (!sunk && !cancelled())
        throw vips::VError();  // libvips' words for what stopped it, for the caller to read
    vips_error_clear();
    return false;
}

}  // namespace platform
