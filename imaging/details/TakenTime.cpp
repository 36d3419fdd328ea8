#include "imaging/details/TakenTime.h"

#include <ctime>

namespace platform {

namespace {

// n digits at text[at], or -1.
int Digits(std::string_view text, std::size_t at, std::size_t n)
{
    if (at + n > text.size())
        return -1;
    int value = 0;
    for (std::size_t i = at; i < at + n; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool Valid(const TakenTime& t)
{
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return t.year >= 1800 && t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= kDays[t.month - 1] &&
           t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 && t.second <= 60;
}

// "+02:00", "-0530" or "Z"; nothing for anything else.
std::optional<int> ParseOffset(std::string_view text)
{
    if (text == "Z")
        return 0;
    if (text.size() < 5 || (text[0] != '+' && text[0] != '-'))
        return std::nullopt;
    const int hours = Digits(text, 1, 2);
    const std::size_t minutesAt = text[3] == ':' ? 4 : 3;
    const int minutes = Digits(text, minutesAt, 2);
    if (hours < 0 || hours > 14 || minutes < 0 || minutes > 59 || text.size() != minutesAt + 2)
        return std::nullopt;
    return (text[0] == '-' ? -1 : 1) * (hours * 60 + minutes);
}

}  // namespace

std::int64_t TakenTime::Seconds() const
{
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    if (offsetMinutes)
        return static_cast<std::int64_t>(timegm(&tm)) - std::int64_t{*offsetMinutes} * 60;
    tm.tm_isdst = -1;  // whether summer time applied then is the calendar's business
    return static_cast<std::int64_t>(std::mktime(&tm));
}

QString TakenTime::Text() const
{
    QString text = QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d", year, month, day, hour, minute, second);
    if (offsetMinutes) {
        const int m = *offsetMinutes < 0 ? -*offsetMinutes : *offsetMinutes;
        text += QString::asprintf("%c%02d:%02d", *offsetMinutes < 0 ? '-' : '+', m / 60, m % 60);
    }
    return text;
}

std::optional<TakenTime> ParseExifTime(std::string_view dateTime, std::string_view offset)
{
    // Cameras pad the value with a NUL or blanks.
    while (!dateTime.empty() && (dateTime.back() == '\0' || dateTime.back() == ' '))
        dateTime.remove_suffix(1);
    if (dateTime.size() != 19 || dateTime[4] != ':' || dateTime[7] != ':' || dateTime[10] != ' ' ||
        dateTime[13] != ':' || dateTime[16] != ':')
        return std::nullopt;
    TakenTime t{Digits(dateTime, 0, 4), Digits(dateTime, 5, 2), Digits(dateTime, 8, 2),
                Digits(dateTime, 11, 2), Digits(dateTime, 14, 2), Digits(dateTime, 17, 2), std::nullopt};
    if (!Valid(t))
        return std::nullopt;
    while (!offset.empty() && (offset.back() == '\0' || offset.back() == ' '))
        offset.remove_suffix(1);
    t.offsetMinutes = ParseOffset(offset);
    return t;
}

std::optional<TakenTime> ParseXmpTime(std::string_view value)
{
    if (value.size() < 16 || value[4] != '-' || value[7] != '-' || value[10] != 'T' || value[13] != ':')
        return std::nullopt;
    TakenTime t{Digits(value, 0, 4), Digits(value, 5, 2), Digits(value, 8, 2), Digits(value, 11, 2),
                Digits(value, 14, 2), 0, std::nullopt};
    std::size_t at = 16;
    if (at < value.size() && value[at] == ':') {
        t.second = Digits(value, at + 1, 2);
        at += 3;
        if (at < value.size() && value[at] == '.') {  // fractions of a second are left out
            ++at;
            while (at < value.size() && value[at] >= '0' && value[at] <= '9')
                ++at;
        }
    }
    if (!Valid(t))
        return std::nullopt;
    const std::string_view rest = value.substr(at);
    if (!rest.empty()) {
        t.offsetMinutes = ParseOffset(rest);
        if (!t.offsetMinutes)
            return std::nullopt;
    }
    return t;
}

}  // namespace platform
