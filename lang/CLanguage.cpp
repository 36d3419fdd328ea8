#include "lang/CLanguage.h"

#include <algorithm>

#include "lang/LanguageName.h"
#include "lang/PosixLocale.h"
#include "lang/ResourceNames.h"
#include "services/CodePages.h"
#include "system/FolderEntries.h"
#include "services/Prompts.h"
#include "system/ReadRegularFile.h"
#include "res/StringTable.h"

CLanguage theLanguage;

namespace {

QString Lookup(const std::vector<TextEntry>& store, int id)
{
    const auto it = std::find_if(store.begin(), store.end(), [id](const TextEntry& e) { return e.nID == id; });
    return it == store.end() ? QString() : it->strText;
}

// The largest language file read: the shipped ones are a few kilobytes, and a larger one would
// only cost time and memory at every start (the built-in texts are used instead).
constexpr qint64 kMaxLanguageFileBytes = qint64{4} << 20;

std::optional<QByteArray> ReadLanguageFile(const QString& path)
{
    auto bytes = platform::ReadRegularFile(path, kMaxLanguageFileBytes);
    if (!bytes && platform::RegularFileLargerThan(path, kMaxLanguageFileBytes))
        platform::CurrentPrompts().MessageBox(
            nullptr, QStringLiteral("The language file %1 is larger than %2 MiB and was not read.")
                         .arg(path).arg(kMaxLanguageFileBytes >> 20),
            QStringLiteral("Warning"), platform::MB_OK | platform::MB_ICONEXCLAMATION);
    return bytes;
}

}  // namespace

bool CLanguage::Init(const QString& baseFolder, const QString& language)
{
    m_strBaseFolder = baseFolder;
    m_arrLanguageNames.clear();
    FindLanguageFiles();
    return SetLanguage(language);
}

QString CLanguage::LanguageFolder() const
{
    // The folder's letter case does not matter, as on the system the files come from.
    return platform::EntryIgnoringCase(m_strBaseFolder, QStringLiteral("language"));
}

void CLanguage::FindLanguageFiles()
{
    const QString extension = QStringLiteral(".ini");
    for (const QString& file : platform::EntriesEndingWith(LanguageFolder(), extension))
        m_arrLanguageNames << file.chopped(extension.size());
    // Ordinal order of UTF-16 code units: upper case before lower case.
    std::sort(m_arrLanguageNames.begin(), m_arrLanguageNames.end(),
              [](const QString& a, const QString& b) { return QStringView(a).compare(b, Qt::CaseSensitive) < 0; });
}

bool CLanguage::SetLanguage(const QString& name)
{
    m_arrMenuTexts.clear();
    m_arrStringTexts.clear();
    m_arrDialogTexts.clear();
    m_strCurrentLanguage = QStringLiteral("english");
    if (std::any_of(m_arrLanguageNames.begin(), m_arrLanguageNames.end(),
                    [&](const QString& n) { return n.compare(name, Qt::CaseInsensitive) == 0; }))
        m_strCurrentLanguage = name;
    LoadLanguage(name);
    return true;
}

void CLanguage::LoadLanguage(const QString& name)
{
    m_nEncoding = GetFileEncoding(name);
    QString localeName;
    m_bResolved = ResolveLanguage(name, localeName);
    m_strLanguageFile = platform::EntryIgnoringCase(LanguageFolder(), name + QStringLiteral(".ini"));
    // Read once: a language file is looked at 45 times.
    m_profile = platform::PrivateProfile(ReadLanguageFile(m_strLanguageFile).value_or(QByteArray()));

    for (const ResourceName& row : g_ResourceNames) {
        const TextSection section = SectionOf(row);
        TextEntry entry{row.nID, ConvertEscapes(ReadLanguageText(QLatin1String(SectionName(section)),
                                                                 QLatin1String(row.pszName)))};
        switch (section) {
        case TextSection::Dialog: m_arrDialogTexts.push_back(std::move(entry)); break;
        case TextSection::Menu: m_arrMenuTexts.push_back(std::move(entry)); break;
        case TextSection::String: m_arrStringTexts.push_back(std::move(entry)); break;
        }
    }
    ApplyPosixLocale(m_bResolved ? localeName : QString());
    CreateInterfaceFont();
}

bool CLanguage::ResolveLanguage(const QString& name, QString& localeName)
{
    const auto resolved = ResolveLanguageName(name, m_nEncoding);
    if (!resolved) {
        localeName.clear();
        platform::CurrentPrompts().MessageBox(
            nullptr, QStringLiteral("Your language file name may be not proper,\n please read the help file!"),
            LanguagePart(name, m_nEncoding), platform::MB_OK);
        return false;
    }
    localeName = resolved->tableName;
    m_nPrimaryLanguage = resolved->primaryLanguage;
    m_nSubLanguage = resolved->subLanguage;
    m_nCodePage = resolved->codePage;
    return true;
}

QString CLanguage::ReadLanguageText(const QString& section, const QString& key) const
{
    if (section == QLatin1String("MENU") && key == QLatin1String("IDR_MENU_LANGUAGE_POPUP"))
        return QStringLiteral("PopupMenu1");
    return DecodeText(m_profile.RawValue(section, key));
}

QString CLanguage::DecodeText(const QByteArray& raw) const
{
    // UTF-16 files are text already; a name that resolved to no language leaves the bytes in the
    // system's code page, which is UTF-8 here. Decoding comes before the escapes, so a "\" that
    // is the second byte of a double-byte character never turns into a control character.
    const bool asRead = m_profile.IsUtf16() || !m_bResolved;
    return platform::CutProfileValue(platform::DecodeCodePage(raw, asRead ? platform::kCodePageUtf8 : m_nCodePage));
}

QString CLanguage::GetString(int id) const
{
    const QString text = Lookup(m_arrStringTexts, id);
    return text.isEmpty() ? LoadResourceString(id) : text;
}

QString CLanguage::GetMenuText(int id) const
{
    return Lookup(m_arrMenuTexts, id);
}

QString CLanguage::GetDialogText(int id) const
{
    return Lookup(m_arrDialogTexts, id);
}

QString CLanguage::GetMenuTitle(int menuId, int position) const
{
    return MenuTitleAt(GetMenuText(menuId), position);
}
