#include "app/window/COrvanelApp.h"

#include "app/window/COrvanelDlg.h"
#include "lang/UserLanguage.h"

bool COrvanelApp::InitInstance(const QString& photo)
{
    LoadUserLanguage();
    COrvanelDlg dlg;
    dlg.SetPhotoToOpen(photo);
    dlg.DoModal();
    return false;
}
