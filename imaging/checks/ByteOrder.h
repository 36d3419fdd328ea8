#pragma once
#include <cstdint>

// Unsigned numbers stored in a file's bytes, read without regard to the machine's byte order.
namespace platform::bytes {

inline std::uint32_t Le16(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8);
}

inline std::uint32_t Le32(const std::uint8_t* p)
{
    return Le16(p) | (Le16(p + 2) << 16);
}

inline std::uint32_t Be16(const std::uint8_t* p)
{
    return (std::uint32_t(p[0]) << 8) | std::uint32_t(p[1]);
}

inline std::uint32_t Be32(const std::uint8_t* p)
{
    return (Be16(p) << 16) | Be16(p + 2);
}

}  // namespace platform::bytes
