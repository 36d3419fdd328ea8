#pragma once
// Private to imaging: uses libvips types.
#include <exception>

#include <vips/vips8>

namespace platform {

// Runs step and gives its result; when libvips fails inside it (vips::VError) or memory runs out,
// libvips' error buffer is cleared, so that no later call reports a stale error, and failed is
// given instead. Nothing thrown below leaves the imaging layer.
template <typename Result, typename Step>
Result VipsGuarded(Result failed, Step step)
{
    try {
        return step();
    } catch (const std::exception&) {
        vips_error_clear();
        return failed;
    }
}

}  // namespace platform
