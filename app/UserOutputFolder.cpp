#include "app/UserOutputFolder.h"

#include "platform/ui/SettingsStore.h"
#include "platform/ui/SystemInfo.h"
#include "settings/OutputFolderDefault.h"
#include "settings/SettingsKeys.h"

QString UserOutputFolder(std::optional<int> osMajorVersion, const std::function<void(const QString&)>& report)
{
    const QString folderDefault = OutputFolderDefault(osMajorVersion, platform::QueryPicturesFolder,
                                                      platform::FallbackOutputFolder(), report);
    return platform::SettingsStore::GetProfileString(keys::kOption, keys::kLastOutputFolder, folderDefault);
}
