#pragma once
#include <optional>

#include <QString>

#include "imaging/details/DetailsChoice.h"
#include "imaging/png/PngEffort.h"

// The words that name a choice on the command line and in kept settings.
// Details: "none", "no-location", "all".
std::optional<platform::DetailsChoice> DetailsChoiceNamed(const QString& word);
QString DetailsChoiceWord(platform::DetailsChoice choice);
// PNG effort: "fast", "normal", "smallest".
std::optional<platform::PngEffort> PngEffortNamed(const QString& word);
QString PngEffortWord(platform::PngEffort effort);
