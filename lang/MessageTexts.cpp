#include "lang/MessageTexts.h"

#include "lang/CLanguage.h"
#include "res/StringTable.h"

namespace {
// The message identifiers the string table may hold.
constexpr int kFirstId = 100;
constexpr int kLastId = 199;
}  // namespace

MessageTexts MessageTexts::Current()
{
    MessageTexts copy;
    for (int id = kFirstId; id <= kLastId; ++id) {
        if (!LoadResourceString(id).isEmpty())
            copy.texts_.insert(id, theLanguage.GetString(id));
    }
    return copy;
}

QString MessageTexts::Get(int id) const
{
    return texts_.value(id);
}
