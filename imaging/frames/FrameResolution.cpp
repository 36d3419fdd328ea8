#include "imaging/frames/FrameResolution.h"

#include <cmath>

#include "imaging/frames/ExifResolution.h"
#include "imaging/frames/PixelPipeline.h"

namespace platform {
namespace {
constexpr double kOnePerMillimetre = 25.4;
}  // namespace

double DeclaredOrDefault(std::optional<double> dpi)
{
    if (!dpi || !std::isfinite(*dpi) || *dpi <= 0 || std::fabs(*dpi - kOnePerMillimetre) < 1e-3)
        return kDefaultDpi;
    return *dpi;
}

double FrameResolution(std::string_view loader, const vips::VImage& header)
{
    if (loader == "heifload")
        return DeclaredOrDefault(ExifDeclaredDpi(header));
    return ResolutionOrDefault(header);
}

}  // namespace platform
