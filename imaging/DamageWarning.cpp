#include "imaging/DamageWarning.h"

#include <cstring>
#include <string_view>

namespace platform {
namespace {

// The warnings libvips passes on that are about a file's labels rather than its pixels, each as
// its library's source spells it: libtiff's formats, which libvips' own libtiff handler fills in
// and passes on without the function's name (libvips installs that handler again at every TIFF it
// opens, so a handler of ours would only see each warning after it); libnsgif's through libvips'
// GIF loader.
constexpr const char* kHarmless[] = {
    "Unknown field with tag %u (0x%x) encountered",
    "Invalid TIFF directory; tags are not sorted in ascending order",
    "ASCII value for tag \"%s\" does not end in null byte",
    "ASCII value for tag \"%s\" does not end in null byte. Forcing it to be null",
    "ASCII value for tag \"%s\" contains null byte in value; value incorrectly truncated during reading due "
    "to implementation limitations",
    "Incorrect count for \"%s\"; tag ignored",
    "Incompatible type for \"%s\"; tag ignored",
    "Incorrect value for \"%s\"; tag ignored",
    "Wrong data type %u for \"%s\"; tag ignored",
    "Nonstandard tile width %u, convert file",
    "Nonstandard tile length %u, convert file",
    "Sum of Photometric type-related color channels and ExtraSamples doesn't match SamplesPerPixel. "
    "Defining non-color channels as ExtraSamples.",
    "Sanity check on directory count failed",
    "Excessive number of frames",
};

bool IsDigit(char c, bool hex)
{
    return (c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
}

// Whether text is what format gives for some values: %u and %x stand for a decimal or hexadecimal
// number, %s for any run of characters.
bool Fills(std::string_view format, std::string_view text)
{
    const std::size_t at = format.find('%');
    if (at == std::string_view::npos || at + 1 >= format.size())
        return format == text;
    if (text.substr(0, at) != format.substr(0, at))
        return false;
    const char conversion = format[at + 1];
    const std::string_view rest = format.substr(at + 2);
    text.remove_prefix(at);
    if (conversion == 's') {
        for (std::size_t from = 0; from <= text.size(); ++from) {
            if (Fills(rest, text.substr(from)))
                return true;
        }
        return false;
    }
    std::size_t digits = 0;
    while (digits < text.size() && IsDigit(text[digits], conversion == 'x'))
        ++digits;
    return digits > 0 && Fills(rest, text.substr(digits));
}

}  // namespace

bool IsDamageWarning(const char* message)
{
    if (!message)
        return true;
    std::string_view text(message);
    while (!text.empty() && text.back() == '\n')
        text.remove_suffix(1);
    for (const char* format : kHarmless) {
        if (Fills(format, text))
            return false;
    }
    return true;
}

bool IsTileFailure(const char* message)
{
    return message && std::strncmp(message, "error in tile", 13) == 0;
}

}  // namespace platform
