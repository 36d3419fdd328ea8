#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include <QString>

namespace platform {

// When a photo was taken, as its details say: the camera's clock, and its offset from UTC when
// the photo records one.
struct TakenTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    std::optional<int> offsetMinutes;

    // Seconds since the epoch: by the offset, or as this computer's local time without one.
    std::int64_t Seconds() const;
    // RFC 3339 ("2024-07-14T10:20:30+02:00"; no offset when none is known).
    QString Text() const;
};

// EXIF's "2024:07:14 10:20:30" with its offset tag's "+02:00" (empty when absent), or XMP's
// "2024-07-14T10:20:30+02:00" (seconds and offset optional); nothing for a date that is not one
// (all blanks or zeros, as cameras write without a clock, a month 13, a truncated value).
std::optional<TakenTime> ParseExifTime(std::string_view dateTime, std::string_view offset);
std::optional<TakenTime> ParseXmpTime(std::string_view value);

}  // namespace platform
