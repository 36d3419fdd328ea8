#include "lang/UserLanguage.h"

#include "lang/BaseFolder.h"
#include "lang/CLanguage.h"
#include "lang/LocaleLanguage.h"
#include "services/SettingsStore.h"
#include "settings/SettingsKeys.h"

void LoadUserLanguage()
{
    platform::SettingsStore::SetRegistryKey(QStringLiteral("TOLVARK"));
    const QString language = platform::SettingsStore::GetProfileString(keys::kOption, keys::kCurrentLanguage,
                                                                       QStringLiteral("english"));
    theLanguage.Init(BaseFolderFor(ExecutablePath()), language);
}

void LoadLocaleLanguage()
{
    platform::SettingsStore::SetRegistryKey(QStringLiteral("TOLVARK"));
    theLanguage.Init(BaseFolderFor(ExecutablePath()), QStringLiteral("english"));
    QStringList files;
    for (int i = 0; i < theLanguage.GetLanguageCount(); ++i)
        files << theLanguage.GetLanguageName(i);
    const QStringList locales = MessageLocales(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                                               qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"));
    for (const QString& locale : locales) {
        const QString file = LanguageFileFor(files, locale);
        if (!file.isEmpty()) {
            theLanguage.SetLanguage(file);
            return;
        }
    }
}
