#include "imaging/DamageWarning.h"

#include <cstring>

#include <QByteArray>

namespace platform {

bool IsDamageWarning(const char* message)
{
    const QByteArray text = QByteArray(message ? message : "").toLower();
    return !(text.contains("tag") || text.contains("field") || text.contains("directory") ||
             text.contains("number of frames"));
}

bool IsTileFailure(const char* message)
{
    return message && std::strncmp(message, "error in tile", 13) == 0;
}

}  // namespace platform
