#include "services/TextToLong.h"

#include <cstdint>
#include <limits>

namespace platform {

int TextToLong(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    // Only the C locale's white space counts, as in wcstol.
    while (i < n && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    bool any = false;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        any = true;
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > kLimit)
            value = kLimit;  // saturate; stays above every 32-bit value
    }
    if (!any)
        return 0;
    if (negative)
        return value >= kLimit ? std::numeric_limits<int>::min() : static_cast<int>(-value);
    return value >= kLimit ? std::numeric_limits<int>::max() : static_cast<int>(value);
}

}  // namespace platform
