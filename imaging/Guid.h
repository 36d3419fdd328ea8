#pragma once
#include <array>
#include <cstdint>
#include <QString>

namespace platform {

// A 16-byte identifier, as the imaging component publishes for frame dimensions and encoders.
struct Guid {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::array<std::uint8_t, 8> data4;

    friend bool operator==(const Guid&, const Guid&) = default;
};

// "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}" form.
QString GuidToString(const Guid& guid);

// The published frame-dimension identifiers.
inline constexpr Guid FrameDimensionTime{0x6AEDBD6D, 0x3FB5, 0x418A, {0x83, 0xA6, 0x7F, 0x45, 0x22, 0x9D, 0xC8, 0x72}};
inline constexpr Guid FrameDimensionResolution{0x84236F7B, 0x3BD3, 0x428F, {0x8D, 0xAB, 0x4E, 0xA1, 0x43, 0x9C, 0xA3, 0x15}};
inline constexpr Guid FrameDimensionPage{0x7462DC86, 0x6180, 0x4C7E, {0x8E, 0x3F, 0xEE, 0x73, 0x33, 0xA7, 0xA4, 0x83}};

}  // namespace platform
