#pragma once
// Private to imaging: uses libvips types.
#include <exception>

#include <vips/vips8>

#include "imaging/ImagingFailure.h"

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

// As above, and why it failed into why (left as it was on success).
template <typename Result, typename Step>
Result VipsGuarded(Result failed, Failure& why, Step step)
{
    try {
        return step();
    } catch (const std::exception& thrown) {
        why = FailureOf(thrown);
        vips_error_clear();
        return failed;
    }
}

}  // namespace platform
