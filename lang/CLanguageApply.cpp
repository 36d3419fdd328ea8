// Putting the loaded language into dialogs, menus and the interface font.
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>

#include "lang/CLanguage.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/MenuFromTemplate.h"
#include "platform/ui/Prompts.h"
#include "settings/FontRecordConversion.h"
#include "settings/FontRecordStore.h"

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

bool CLanguage::CreateInterfaceFont()
{
    const QFont font = FontFromRecord(LoadFontRecord(m_strCurrentLanguage, InterfaceFontDefaults()));
    // The font system substitutes an unknown face; only with no font at all is there nothing to use.
    if (QFontInfo(font).family().isEmpty()) {
        m_fontInterface.reset();
        platform::CurrentPrompts().MessageBox(nullptr, QStringLiteral("Failed to create font"),
                                              QStringLiteral("Error"), platform::MB_OK);
        return false;
    }
    m_fontInterface = font;
    return true;
}

bool CLanguage::SaveInterfaceFont(const QFont& font)
{
    const LOGFONTW record = RecordFromFont(font);
    SaveFontRecord(m_strCurrentLanguage, record);
    m_fontInterface = FontFromRecord(record);
    return true;
}
