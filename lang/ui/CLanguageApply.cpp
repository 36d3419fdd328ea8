// Putting the loaded language into dialogs and menus: the window side of the language manager.
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>

#include "lang/CLanguage.h"
#include "widgets/CDialog.h"
#include "widgets/MenuFromTemplate.h"

bool CLanguage::ApplyToDialog(platform::CDialog& dialog, int dialogId)
{
    const QString caption = GetDialogText(dialogId);
    if (!caption.isEmpty()) {
        if (m_fontInterface)
            dialog.setFont(*m_fontInterface);
        dialog.setWindowTitle(caption);
    }
    for (const auto& [id, widget] : dialog.Controls()) {
        if (qobject_cast<QLineEdit*>(widget))
            continue;  // what the user typed is never relabelled
        // Identifiers are 16-bit: the unnamed statics (65535) read as -1 and are skipped.
        const int control = static_cast<std::int16_t>(id);
        if (control <= 0)
            continue;
        const QString text = control < 100 ? GetString(control) : GetDialogText(control);
        if (text.isEmpty())
            continue;
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            combo->clear();
            combo->addItems(text.split(QLatin1Char('\n')));  // a trailing LINE FEED adds an empty item
            continue;
        }
        dialog.SetDlgItemText(id, text);
        if (m_fontInterface)
            widget->setFont(*m_fontInterface);
    }
    return true;
}

bool CLanguage::ApplyToMenu(QMenu& menu, int menuId, bool top)
{
    if (top)
        m_nSubmenuCounter = menuId * 65536;
    const QList<QAction*> items = menu.actions();
    for (int i = 0; i < items.size(); ++i) {
        QAction& item = *items[i];
        const int id = platform::GetMenuItemID(item);
        if (id == 0)
            continue;
        QString text;
        if (top)
            text = GetMenuTitle(menuId, i);
        else if (id == -1)
            text = GetMenuText(m_nSubmenuCounter++);
        else
            text = GetMenuText(id);
        if (!text.isEmpty())
            item.setText(text);
        if (id == -1)
            ApplyToMenu(*item.menu(), -1, false);
    }
    return true;
}
