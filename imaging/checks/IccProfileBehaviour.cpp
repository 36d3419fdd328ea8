#include "imaging/checks/IccProfileBehaviour.h"

#include <array>
#include <cmath>
#include <memory>
#include <type_traits>
#include <vector>

#include <lcms2.h>

namespace platform {
namespace {

using Colour = std::array<double, 3>;

constexpr double kNearWhite = 0.05;   // per channel, of a range of 1
constexpr double kDistinct = 0.05;    // least distance between two colours that must differ

void Silent(cmsContext, cmsUInt32Number, const char*) {}

struct ContextCloser {
    void operator()(cmsContext context) const { cmsDeleteContext(context); }
};
struct ProfileCloser {
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
struct TransformCloser {
    void operator()(void* transform) const { cmsDeleteTransform(transform); }
};

double Distance(const Colour& a, const Colour& b)
{
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

bool Finite(const Colour& c)
{
    return std::isfinite(c[0]) && std::isfinite(c[1]) && std::isfinite(c[2]);
}

// white, black and the primaries (RGB) converted: the first two, then the others.
bool Behaves(const std::vector<Colour>& out)
{
    for (const Colour& c : out) {
        if (!Finite(c))
            return false;
    }
    const Colour white{1, 1, 1};
    if (Distance(out[0], white) > kNearWhite * std::sqrt(3.0))
        return false;
    for (std::size_t i = 1; i < out.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (Distance(out[i], out[j]) < kDistinct)
                return false;
        }
    }
    return true;
}

}  // namespace

bool IccProfileBehaves(const std::uint8_t* data, std::size_t size, int colourBands)
{
    if (!data || (colourBands != 1 && colourBands != 3))
        return false;
    // A context of its own: lcms2's complaints about a bad profile go nowhere, not to libvips' log.
    const std::unique_ptr<std::remove_pointer_t<cmsContext>, ContextCloser> context(cmsCreateContext(nullptr, nullptr));
    if (!context)
        return false;
    cmsSetLogErrorHandlerTHR(context.get(), Silent);
    const std::unique_ptr<void, ProfileCloser> profile(
        cmsOpenProfileFromMemTHR(context.get(), data, static_cast<cmsUInt32Number>(size)));
    const std::unique_ptr<void, ProfileCloser> srgb(cmsCreate_sRGBProfileTHR(context.get()));
    if (!profile || !srgb || !cmsIsIntentSupported(profile.get(), INTENT_RELATIVE_COLORIMETRIC, LCMS_USED_AS_INPUT))
        return false;
    const bool grey = colourBands == 1;
    const std::unique_ptr<void, TransformCloser> transform(
        cmsCreateTransformTHR(context.get(), profile.get(), grey ? TYPE_GRAY_DBL : TYPE_RGB_DBL, srgb.get(),
                              TYPE_RGB_DBL, INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_NOCACHE | cmsFLAGS_NOOPTIMIZE));
    if (!transform)
        return false;
    const std::vector<Colour> in = grey ? std::vector<Colour>{{1, 0, 0}, {0, 0, 0}}
                                        : std::vector<Colour>{{1, 1, 1}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    std::vector<Colour> out(in.size());
    for (std::size_t i = 0; i < in.size(); ++i)
        cmsDoTransform(transform.get(), in[i].data(), out[i].data(), 1);  // grey reads the first value
    return Behaves(out);
}

}  // namespace platform
