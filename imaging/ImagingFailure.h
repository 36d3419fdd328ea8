#pragma once
// Private to imaging: how a failure travels inside the engine, and how it is read at the boundary.
#include <exception>
#include <string_view>

#include "imaging/Failure.h"

namespace platform {

// The engine's own refusal, thrown where it is decided, caught by VipsGuarded.
class ImagingFailure : public std::exception {
public:
    explicit ImagingFailure(Failure failure) : failure_(std::move(failure)) {}
    const char* what() const noexcept override { return "imaging failure"; }
    const Failure& Get() const { return failure_; }

private:
    Failure failure_;
};

// Words our decoders give libvips when they stop, which travel through its error buffer (a decoder
// run by libvips can only fail with text) and are read back as kinds at the boundary.
inline constexpr std::string_view kEndsEarlyWords = "the data ends early";
inline constexpr std::string_view kMismatchWords = "the data does not match its header";

// The failure a libvips error text tells: our decoders' words above as their kinds, libvips'
// running out of memory as such, anything else damage in the library's own words (its first
// line, without the loader's name).
Failure FailureOfLibraryText(std::string_view text);

// What was thrown inside the engine, as a failure.
Failure FailureOf(const std::exception& thrown);

}  // namespace platform
