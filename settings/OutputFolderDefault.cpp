#include "settings/OutputFolderDefault.h"

QString OutputFolderDefault(std::optional<int> osMajorVersion, const std::function<std::optional<QString>()>& pictures,
                            const QString& fallback, const std::function<void(const QString&)>& report)
{
    if (osMajorVersion && *osMajorVersion < 6)
        return fallback;
    if (const auto folder = pictures())
        return *folder + QLatin1Char('/');
    report(QStringLiteral("Can not get My Picture directory!"));
    return fallback;
}
