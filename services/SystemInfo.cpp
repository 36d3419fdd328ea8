#include "services/SystemInfo.h"

#include <QDir>
#include <QStandardPaths>

namespace platform {
namespace {
bool g_versionFails = false;
bool g_picturesFails = false;
constexpr int kCurrentSystemMajorVersion = 10;
}  // namespace

std::optional<int> QueryOsMajorVersion()
{
    if (g_versionFails)
        return std::nullopt;
    return kCurrentSystemMajorVersion;
}

std::optional<QString> QueryPicturesFolder()
{
    if (g_picturesFails)
        return std::nullopt;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return std::nullopt;
    return QDir::cleanPath(folder);
}

QString FallbackOutputFolder()
{
    QString home = QDir::homePath();
    if (!home.endsWith(u'/'))
        home += u'/';
    return home;
}

void SetSystemQueryFailures(bool versionFails, bool picturesFails)
{
    g_versionFails = versionFails;
    g_picturesFails = picturesFails;
}

}  // namespace platform
