// The main window's ways out of the conversion: the right-click language menu with Font and
// About, help, the home page, and names for a screen reader.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QUrl>

#include "app/window/AccessibleNames.h"
#include "app/window/Addresses.h"
#include "app/window/CAboutDlg.h"
#include "app/window/COrvanelDlg.h"
#include "app/window/HelpPage.h"
#include "app/window/OpenOrSay.h"
#include "lang/CLanguage.h"
#include "lang/QtTranslation.h"
#include "widgets/MenuFromTemplate.h"
#include "res/MenuTemplates.h"
#include "res/ResourceIds.h"
#include "services/SettingsStore.h"
#include "settings/SettingsKeys.h"

namespace {

// Whether a click at pos lands on a control that keeps its clicks (buttons, edits, lists); labels,
// group boxes and the preview let them through to the window, as static controls do.
bool OnInteractiveControl(const QWidget& window, const QPoint& pos)
{
    for (const QWidget* w = window.childAt(pos); w && w != &window; w = w->parentWidget()) {
        if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
            qobject_cast<const QComboBox*>(w))
            return true;
    }
    return false;
}

}  // namespace

void COrvanelDlg::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::RightButton && !OnInteractiveControl(*this, pos)) {
        ShowLanguageMenu(pos);
        return;
    }
    platform::CDialog::mouseReleaseEvent(event);
}

void COrvanelDlg::ShowLanguageMenu(const QPoint& point)
{
    const auto menu = platform::LoadMenu(LanguagePopupMenuTemplate(), this);
    const QAction* first = menu->actions().value(0);
    QMenu* popup = first ? first->menu() : nullptr;
    if (!popup) {
        Message(QStringLiteral("Can not find Language Menu!"), QStringLiteral("error"));
        return;
    }
    BuildLanguageMenu(*menu, *popup);
    OnCommand(platform::CurrentPrompts().TrackPopupMenu(*popup, mapToGlobal(point), this));
}

void COrvanelDlg::BuildLanguageMenu(QMenu& menu, QMenu& popup)
{
    const QAction* first = popup.actions().value(0);
    QMenu* languages = first ? first->menu() : nullptr;
    if (!languages)
        return;
    languages->removeAction(languages->actions().value(0));  // the placeholder
    const QString current = theLanguage.GetCurrentLanguage();
    // One command per language, as many as there are commands for; the rest are left out.
    const int count = std::min(theLanguage.GetLanguageCount(), ID_LANGUAGE_LAST - ID_LANGUAGE_FIRST + 1);
    for (int i = 0; i < count; ++i) {
        const QString name = theLanguage.GetLanguageName(i);
        QAction* item = languages->addAction(name);
        item->setData(ID_LANGUAGE_FIRST + i);
        item->setCheckable(true);
        item->setChecked(current.compare(name, Qt::CaseInsensitive) == 0);
    }
    theLanguage.ApplyToMenu(menu, IDR_MENU_LANGUAGE_POPUP, true);
    // The program's own entries, after the template's: language files do not name them.
    popup.addSeparator();
    QAction* keep = popup.addAction(tr("Keep Photo Details"));
    keep->setData(IDM_KEEP_PHOTO_DETAILS);
    keep->setCheckable(true);
    keep->setChecked(m_keepPhotoDetails);
    popup.addAction(tr("Convert Several Photos..."))->setData(IDM_CONVERT_SEVERAL);
}

void COrvanelDlg::OnCommand(int id)
{
    if (id == IDM_POPUPMENU_FONT)
        OnPopupMenuFont();
    else if (id == IDM_ABOUT)
        OnAbout();
    else if (id == IDM_KEEP_PHOTO_DETAILS)
        OnKeepPhotoDetails();
    else if (id == IDM_CONVERT_SEVERAL)
        ConvertSeveral({});
    else
        OnLanguageCommand(id);
}

void COrvanelDlg::OnLanguageCommand(int id)
{
    if (id >= ID_LANGUAGE_FIRST && id <= ID_LANGUAGE_LAST)
        OnSelectLanguage(id);
}

void COrvanelDlg::OnSelectLanguage(int id)
{
    theLanguage.SetLanguage(theLanguage.GetLanguageName(id - ID_LANGUAGE_FIRST));
    LoadQtTranslation(theLanguage.GetCurrentLanguage(), OwnTranslationFolders());
    theLanguage.ApplyToDialog(*this, IDD_PROGRAM_PNG_CAPTION);
    NameEditsAfterLabels();
}

void COrvanelDlg::OnAbout()
{
    CAboutDlg about(this);
    platform::CurrentPrompts().RunDialog(about);
}

void COrvanelDlg::OnKeepPhotoDetails()
{
    // Kept at once, as the interface font is: the choice outlasts a close by Escape.
    m_keepPhotoDetails = !m_keepPhotoDetails;
    platform::SettingsStore::WriteProfileInt(keys::kOption, keys::kKeepPhotoDetails, m_keepPhotoDetails ? 1 : 0);
}

void COrvanelDlg::OnBnClickedButtonHomepage()
{
    // The text as the window has always said it, in every language (docs/translations.md).
    OpenOrSay(this, QUrl(kHomePageUrl),
              QStringLiteral("The Program does not launch your web browser to access ") + kHomePageUrl +
                  QStringLiteral(" ,\nPlease launch your web browser and input the URL manually."),
              theLanguage.GetString(IDS_MESSAGE_UNKNOWN_ERROR), platform::MB_OK);
}

void COrvanelDlg::OnBnClickedButtonHelp()
{
    // The program's own viewer, in the current language where the pages exist; nothing is said
    // when the page is missing.
    platform::CurrentPrompts().ShowHelp(
        this, HelpPage(theLanguage.BaseFolder(), theLanguage.GetCurrentLanguage()));
}

void COrvanelDlg::NameEditsAfterLabels()
{
    for (const EditLabel& e : kEditLabels) {
        if (QWidget* edit = GetDlgItem(e.edit))
            edit->setAccessibleName(AccessibleNameFor(GetDlgItemText(e.label), e.part));
    }
}
