#include "settings/UserOutputFolder.h"

#include "services/SettingsStore.h"
#include "services/SystemInfo.h"
#include "settings/OutputFolderDefault.h"
#include "settings/SettingsKeys.h"

QString UserOutputFolder(std::optional<int> osMajorVersion, const std::function<void(const QString&)>& report)
{
    const QString folderDefault = OutputFolderDefault(osMajorVersion, platform::QueryPicturesFolder,
                                                      platform::FallbackOutputFolder(), report);
    return platform::SettingsStore::GetProfileString(keys::kOption, keys::kLastOutputFolder, folderDefault);
}
