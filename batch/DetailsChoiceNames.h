#pragma once
#include <optional>

#include <QString>

#include "imaging/details/DetailsChoice.h"

// The words that name a choice of details on the command line and in kept settings: "none",
// "no-location", "all".
std::optional<platform::DetailsChoice> DetailsChoiceNamed(const QString& word);
QString DetailsChoiceWord(platform::DetailsChoice choice);
