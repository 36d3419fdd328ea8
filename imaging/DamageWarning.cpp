#include "imaging/DamageWarning.h"

#include <cstring>
#include <string_view>

namespace platform {
namespace {

// The warnings libvips passes on (libtiff's, after the function that raised them, and libnsgif's)
// that are about a file's labels rather than its pixels, each in full; '*' stands for the part
// that varies (the function, a tag's number or name).
constexpr const char* kHarmless[] = {
    "*: Unknown field with tag * encountered",
    "*: Invalid TIFF directory; tags are not sorted in ascending order",
    "*: ASCII value for tag \"*\" does not end in null byte",
    "*: ASCII value for tag \"*\" does not end in null byte. Forcing it to be null",
    "*: ASCII value for tag \"*\" contains null byte in value; value incorrectly truncated during reading "
    "due to implementation limitations",
    "*: Incorrect count for \"*\"; tag ignored",
    "*: Incompatible type for \"*\"; tag ignored",
    "*: Incorrect value for \"*\"; tag ignored",
    "*: Wrong data type * for \"*\"; tag ignored",
    "*: Nonstandard tile width *, convert file",
    "*: Nonstandard tile length *, convert file",
    "*: Sum of Photometric type-related color channels and ExtraSamples doesn't match SamplesPerPixel. "
    "Defining non-color channels as ExtraSamples",
    "TIFFFetchDirectory: Sanity check on directory count failed",
    "Excessive number of frames",  // libnsgif, through libvips' GIF loader
};

// Whether text is pattern, each '*' standing for any run of characters.
bool Matches(std::string_view pattern, std::string_view text)
{
    const std::size_t star = pattern.find('*');
    if (star == std::string_view::npos)
        return pattern == text;
    if (text.substr(0, star) != pattern.substr(0, star))
        return false;
    const std::string_view rest = pattern.substr(star + 1);
    for (std::size_t from = star; from <= text.size(); ++from) {
        if (Matches(rest, text.substr(from)))
            return true;
    }
    return false;
}

}  // namespace

bool IsDamageWarning(const char* message)
{
    if (!message)
        return true;
    std::string_view text(message);
    while (!text.empty() && (text.back() == '\n' || text.back() == '.' || text.back() == ' '))
        text.remove_suffix(1);
    for (const char* pattern : kHarmless) {
        std::string_view harmless(pattern);
        while (!harmless.empty() && harmless.back() == '.')
            harmless.remove_suffix(1);
        if (Matches(harmless, text))
            return false;
    }
    return true;
}

bool IsTileFailure(const char* message)
{
    return message && std::strncmp(message, "error in tile", 13) == 0;
}

}  // namespace platform
