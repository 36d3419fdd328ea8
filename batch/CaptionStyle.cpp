#include "batch/CaptionStyle.h"

#include <array>

namespace {
const std::array<const char*, 9> kWords = {"top-left",    "top",    "top-right",    "left",        "center",
                                           "right",       "bottom-left", "bottom", "bottom-right"};
}  // namespace

QString CaptionPlaceWord(CaptionPlace place)
{
    const auto i = static_cast<std::size_t>(place);
    return i < kWords.size() ? QString::fromLatin1(kWords[i]) : QString();
}

CaptionPlace CaptionPlaceOfWord(const QString& word)
{
    for (std::size_t i = 0; i < kWords.size(); ++i) {
        if (word == QLatin1String(kWords[i]))
            return static_cast<CaptionPlace>(i);
    }
    return CaptionPlace::AtPoint;
}
