#include "app/window/COrvanelApp.h"

#include "app/window/COrvanelDlg.h"
#include "lang/UserLanguage.h"
#include "platform/services/SettingsStore.h"

bool COrvanelApp::InitInstance(const QString& photo)
{
    LoadUserLanguage();
    COrvanelDlg dlg;
    dlg.SetPhotoToOpen(photo);
    dlg.DoModal();
    // Folders remembered while the window was open, even when it ended without its closing writes.
    platform::SettingsStore::Save();
    return false;
}
