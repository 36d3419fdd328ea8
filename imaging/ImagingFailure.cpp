#include "imaging/ImagingFailure.h"

#include <new>

#include <vips/vips8>

namespace platform {

Failure FailureOfLibraryText(std::string_view text)
{
    // libjpeg's own words for the file running out, as libvips' loader reading the header gives them.
    if (text.find(kEndsEarlyWords) != std::string_view::npos || text.find("Premature end of JPEG file") != std::string_view::npos)
        return Failure::Of(Failure::Kind::EndsEarly);
    if (text.find(kMismatchWords) != std::string_view::npos)
        return Failure::Of(Failure::Kind::Mismatch);
    // A thread that cannot be made is memory running out too (its stack).
    if (text.find("out of memory") != std::string_view::npos || text.find("Error creating thread") != std::string_view::npos)
        return Failure::Of(Failure::Kind::OutOfMemory);
    std::string_view line = text.substr(0, text.find('\n'));
    // libvips puts its domain first ("gifload: "); the words after it are the decoder's.
    if (const auto colon = line.find(": "); colon != std::string_view::npos && line.substr(0, colon).find(' ') == std::string_view::npos)
        line.remove_prefix(colon + 2);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
        line.remove_suffix(1);
    return Failure::DamagedAs(QString::fromUtf8(line.data(), qsizetype(line.size())));
}

Failure FailureOf(const std::exception& thrown)
{
    if (const auto* own = dynamic_cast<const ImagingFailure*>(&thrown))
        return own->Get();
    if (dynamic_cast<const std::bad_alloc*>(&thrown))
        return Failure::Of(Failure::Kind::OutOfMemory);
    return FailureOfLibraryText(thrown.what());
}

}  // namespace platform
