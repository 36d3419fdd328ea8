#include "batch/ChoiceWords.h"

#include <array>
#include <utility>

namespace {

using platform::DetailsChoice;
using platform::PngEffort;

template <typename Choice, std::size_t N>
using Words = std::array<std::pair<Choice, const char*>, N>;

constexpr Words<DetailsChoice, 3> kDetails = {
    {{DetailsChoice::None, "none"}, {DetailsChoice::NoLocation, "no-location"}, {DetailsChoice::All, "all"}}};
constexpr Words<PngEffort, 3> kPng = {
    {{PngEffort::Fast, "fast"}, {PngEffort::Normal, "normal"}, {PngEffort::Smallest, "smallest"}}};

template <typename Choice, std::size_t N>
std::optional<Choice> Named(const Words<Choice, N>& words, const QString& word)
{
    for (const auto& [choice, name] : words)
        if (word == QLatin1String(name))
            return choice;
    return std::nullopt;
}

// The word of choice; the default's (at fallback) for a value out of range.
template <typename Choice, std::size_t N>
QString Word(const Words<Choice, N>& words, Choice choice, std::size_t fallback)
{
    for (const auto& [value, name] : words)
        if (value == choice)
            return QLatin1String(name);
    return QLatin1String(words[fallback].second);
}

}  // namespace

std::optional<DetailsChoice> DetailsChoiceNamed(const QString& word)
{
    return Named(kDetails, word);
}

QString DetailsChoiceWord(DetailsChoice choice)
{
    return Word(kDetails, choice, 0);
}

std::optional<PngEffort> PngEffortNamed(const QString& word)
{
    return Named(kPng, word);
}

QString PngEffortWord(PngEffort effort)
{
    return Word(kPng, effort, 1);
}
