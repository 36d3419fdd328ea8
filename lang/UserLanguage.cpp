#include "lang/UserLanguage.h"

#include "lang/BaseFolder.h"
#include "lang/CLanguage.h"
#include "platform/services/SettingsStore.h"
#include "settings/SettingsKeys.h"

void LoadUserLanguage()
{
    platform::SettingsStore::SetRegistryKey(QStringLiteral("TOLVARK"));
    const QString language = platform::SettingsStore::GetProfileString(keys::kOption, keys::kCurrentLanguage,
                                                                       QStringLiteral("english"));
    theLanguage.Init(BaseFolderFor(ExecutablePath()), language);
}
