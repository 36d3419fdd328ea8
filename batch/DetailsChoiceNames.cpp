#include "batch/DetailsChoiceNames.h"

#include <array>
#include <utility>

namespace {

using platform::DetailsChoice;

constexpr std::array<std::pair<DetailsChoice, const char*>, 3> kWords = {
    {{DetailsChoice::None, "none"}, {DetailsChoice::NoLocation, "no-location"}, {DetailsChoice::All, "all"}}};

}  // namespace

std::optional<DetailsChoice> DetailsChoiceNamed(const QString& word)
{
    for (const auto& [choice, name] : kWords)
        if (word == QLatin1String(name))
            return choice;
    return std::nullopt;
}

QString DetailsChoiceWord(DetailsChoice choice)
{
    for (const auto& [value, name] : kWords)
        if (value == choice)
            return QLatin1String(name);
    return QLatin1String(kWords[0].second);
}
