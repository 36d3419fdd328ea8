#include "app/COrvanelApp.h"

#include "app/COrvanelDlg.h"
#include "platform/ui/SettingsStore.h"

bool COrvanelApp::InitInstance()
{
    platform::SettingsStore::SetRegistryKey(QStringLiteral("TOLVARK"));
    COrvanelDlg dlg;
    dlg.DoModal();
    return false;
}
