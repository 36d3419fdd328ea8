#include "app/COrvanelApp.h"

#include "app/BaseFolder.h"
#include "app/COrvanelDlg.h"
#include "lang/CLanguage.h"
#include "settings/SettingsKeys.h"
#include "platform/ui/SettingsStore.h"

void COrvanelApp::LoadUserLanguage()
{
    platform::SettingsStore::SetRegistryKey(QStringLiteral("TOLVARK"));
    const QString language = platform::SettingsStore::GetProfileString(keys::kOption, keys::kCurrentLanguage,
                                                                       QStringLiteral("english"));
    theLanguage.Init(BaseFolderFor(ExecutablePath()), language);
}

bool COrvanelApp::InitInstance(const QString& photo)
{
    LoadUserLanguage();
    COrvanelDlg dlg;
    dlg.SetPhotoToOpen(photo);
    dlg.DoModal();
    return false;
}
