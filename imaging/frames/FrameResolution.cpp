#include "imaging/frames/FrameResolution.h"

#include <cmath>

#include "imaging/checks/PngResolution.h"
#include "imaging/frames/ExifResolution.h"
#include "imaging/frames/PixelPipeline.h"
#include "system/MappedFile.h"

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

double FrameResolution(std::string_view loader, const vips::VImage& header, int fd)
{
    if (loader == "pngload") {
        const MappedFile file(fd);
        return DeclaredOrDefault(PngDeclaredDpi(file.Data(), file.Size()));
    }
    if (loader == "heifload")
        return DeclaredOrDefault(ExifDeclaredDpi(header));
    return ResolutionOrDefault(header);
}

}  // namespace platform
