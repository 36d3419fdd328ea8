#pragma once
#include <optional>
#include <vector>

#include <QFont>
#include <QString>
#include <QStringList>

#include "lang/TextEntry.h"
#include "services/PrivateProfile.h"

class QMenu;
namespace platform {
class CDialog;
}

// The language manager: finds the language files, loads one into three text stores (dialog,
// menu and message texts), keeps the interface font of each language, and relabels dialogs and
// menus. Every empty text means that the built-in one stays.
class CLanguage {
public:
    // Lists the language files below baseFolder and loads language.
    bool Init(const QString& baseFolder, const QString& language);
    bool SetLanguage(const QString& name);
    int GetLanguageCount() const { return static_cast<int>(m_arrLanguageNames.size()); }
    QString GetLanguageName(int index) const { return m_arrLanguageNames.value(index); }
    QString GetCurrentLanguage() const { return m_strCurrentLanguage; }

    // The message text of id: the language's text when it has one, else the built-in text.
    QString GetString(int id) const;
    QString GetMenuText(int id) const;
    QString GetDialogText(int id) const;
    // Title of top-level item position of menu resource menuId, from its comma-separated text.
    QString GetMenuTitle(int menuId, int position) const;

    // Relabels a dialog and its controls from the dialog store; see the source for the rules.
    bool ApplyToDialog(platform::CDialog& dialog, int dialogId);
    // Relabels a menu; menuId is the resource for a top-level call, -1 below it.
    bool ApplyToMenu(QMenu& menu, int menuId, bool top);

    // Builds the interface font from the current language's settings section.
    bool CreateInterfaceFont();
    // Stores font as the current language's interface font and uses it from now on.
    bool SaveInterfaceFont(const QFont& font);
    // The interface font, or nothing when it could not be made.
    const std::optional<QFont>& InterfaceFont() const { return m_fontInterface; }
    // The folder that holds the language/ and help/ folders.
    const QString& BaseFolder() const { return m_strBaseFolder; }

private:
    friend class CLanguageProbe;  // tests look at and set the text stores

    QString m_strCurrentLanguage = QStringLiteral("english");
    QStringList m_arrLanguageNames;
    std::vector<TextEntry> m_arrMenuTexts;
    std::vector<TextEntry> m_arrStringTexts;
    std::vector<TextEntry> m_arrDialogTexts;
    QString m_strBaseFolder;
    int m_nCodePage = 1252;
    int m_nSubLanguage = 1;
    int m_nPrimaryLanguage = 9;
    QString m_strLanguageFile;
    int m_nEncoding = 0;
    std::optional<QFont> m_fontInterface;

    void FindLanguageFiles();
    void LoadLanguage(const QString& name);
    bool ResolveLanguage(const QString& name, QString& localeName);
    QString ReadLanguageText(const QString& section, const QString& key) const;
    QString DecodeText(const QByteArray& raw) const;
    QString LanguageFolder() const;

    platform::PrivateProfile m_profile;  // the current file, read once per load
    bool m_bResolved = true;             // whether the current name named a known language
    int m_nSubmenuCounter = 0;           // numbers submenus while a menu is relabelled
};

// The one language manager of the process.
extern CLanguage theLanguage;
