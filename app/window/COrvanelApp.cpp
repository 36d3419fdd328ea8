#include "app/window/COrvanelApp.h"

#include <QGuiApplication>

#include "app/window/Addresses.h"

#include "app/window/COrvanelDlg.h"
#include "lang/CLanguage.h"
#include "lang/UserLanguage.h"
#include "lang/QtTranslation.h"
#include "services/SettingsStore.h"

bool COrvanelApp::InitInstance(const QStringList& photos)
{
    LoadUserLanguage();
    LoadQtTranslation(theLanguage.GetCurrentLanguage(), OwnTranslationFolders());
    // Docks and task bars match the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopEntryName));
    COrvanelDlg dlg;
    if (photos.size() == 1)
        dlg.SetPhotoToOpen(photos.first());
    else
        dlg.SetPhotosToConvert(photos);
    dlg.DoModal();
    // Folders remembered while the window was open, even when it ended without its closing writes.
    platform::SettingsStore::Save();
    return false;
}
