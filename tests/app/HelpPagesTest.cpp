// The help pages name only what the program has: the photo formats Open Photo lists, and language
// folders where the installed program looks for its language files.
#include <algorithm>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "convert/PhotoExtensions.h"
#include "lang/BaseFolder.h"
#include "res/StringTable.h"
#include "services/CodePages.h"
#include "support/Fixtures.h"

namespace {

// Every help page of every language named name ("" for all), with its text.
QMap<QString, QString> HelpPages(const QString& name = {})
{
    QMap<QString, QString> pages;
    QDirIterator it(QStringLiteral(PICTORELLE_SOURCE_DIR "/help"), {name.isEmpty() ? QStringLiteral("*.htm") : name},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            pages.insert(it.filePath(), QString::fromUtf8(file.readAll()));
    }
    return pages;
}

QSet<QString> Captures(const QString& text, const QRegularExpression& pattern)
{
    QSet<QString> found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured(1));
    return found;
}

TEST(HelpPages, FormatsAreThoseThePhotoFilterLists)
{
    QSet<QString> listed;
    for (const QString& pattern : PhotoPatterns().split(u';'))
        listed.insert(pattern.mid(1));  // ".jpg"
    const auto pages = HelpPages(QStringLiteral("Photos.htm"));
    ASSERT_FALSE(pages.isEmpty());
    for (auto page = pages.begin(); page != pages.end(); ++page) {
        EXPECT_EQ(Captures(*page, QRegularExpression(QStringLiteral("<code>(\\.[a-z0-9]+)</code>"))), listed) << page.key().toStdString();
        EXPECT_TRUE(page->contains(QStringLiteral("RAW"))) << page.key().toStdString() << " names no camera RAW";
        EXPECT_FALSE(page->contains(QRegularExpression(QStringLiteral("raw files cannot"), QRegularExpression::CaseInsensitiveOption)))
            << page.key().toStdString();
    }
}

TEST(HelpPages, LanguageFoldersAreWhereTheInstalledProgramLooks)
{
    // "/usr/lib/pictorelle/language", "~/.local/lib/pictorelle/language", ...
    const QRegularExpression folder(QStringLiteral("<code>((?:/|~/)[^<]*/language)/?</code>"));
    QSet<QString> named;
    for (const QString& text : HelpPages())
        named += Captures(text, folder);
    const QString installDir = QStringLiteral("/" PICTORELLE_INSTALL_DIR "/language");
    EXPECT_TRUE(named.contains("/usr" + installDir)) << "the Debian package's folder is not named";
    for (const QString& path : named) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(path.endsWith(installDir)) << "not a folder the install rules fill";
        // The installed layout, rebuilt under a temporary root: the program beside the folder.
        QTemporaryDir root;
        const QString at = root.path() + QString(path).replace(QRegularExpression("^~"), "/home/user");
        const QString program = at.section(u'/', 0, -2) + "/pictorelle";
        ASSERT_TRUE(QDir().mkpath(at));
        WriteAll(at + "/English.ini", "");
        WriteAll(program, "");
        EXPECT_EQ(BaseFolderFor(program) + "/language", at);
    }
}

}  // namespace

namespace {

// A label as a help page names it: no accelerator mark, no colon or ellipsis after it, its
// spaces single.
QString Plain(QString label)
{
    label.replace(QRegularExpression(QStringLiteral("\\(&.\\)")), QString());  // 幅(&W) in Japanese and Chinese
    label.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
    label = label.simplified();
    while (label.endsWith(u':') || label.endsWith(u'\uff1a') || label.endsWith(u'.') || label.endsWith(u'\u2026'))
        label.chop(1);
    return label.trimmed();
}

// A label with a number filled in ("Set frame from 0 to %d") as the pattern of what it shows.
QRegularExpression Numbered(const QString& label)
{
    QStringList parts = label.split(QStringLiteral("%d"));
    for (QString& part : parts)
        part = QRegularExpression::escape(part);
    return QRegularExpression(u'^' + parts.join(QStringLiteral("\\d+")) + u'$');
}

// The labels the windows show in a language: its language file's texts and our translations of
// the rest (their English sources for English).
QSet<QString> WindowLabels(const QString& languageFile, const QString& ts, int codePage)
{
    QSet<QString> labels;
    QFile ini(QStringLiteral(PICTORELLE_SOURCE_DIR "/language/") + languageFile + QStringLiteral(".ini"));
    if (ini.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = ini.readAll();
        // A file that starts with a UTF-16 byte order mark is UTF-16 whatever its code page.
        const QString text = bytes.startsWith("\xff\xfe")
            ? QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2)
            : platform::DecodeCodePage(bytes, codePage);
        for (const QString& line : text.split(u'\n'))
            if (const qsizetype eq = line.indexOf(u'='); eq > 0)
                labels.insert(Plain(line.mid(eq + 1).trimmed()));
    }
    // English's texts are built in; the file dialogs' titles are the same in every language.
    if (languageFile == QLatin1String("English"))
        for (int id = 100; id < 200; ++id)
            labels.insert(Plain(LoadResourceString(id)));
    labels << QStringLiteral("Select a Photo file") << QStringLiteral("Select Output");
    // Qt's own dialogs and buttons, as Qt's catalogue for the language names them.
    QTranslator qt;
    const bool translated = qt.load(QStringLiteral("qtbase_") + ts.mid(11).chopped(3), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (const auto& [context, source] : {std::pair{"QPlatformTheme", "&Yes"}, {"QPlatformTheme", "&No"}, {"QPlatformTheme", "OK"},
                                          {"QPlatformTheme", "Cancel"}, {"QPlatformTheme", "Save"}, {"QPlatformTheme", "Open"},
                                          {"QFileDialog", "Save As"}, {"QFontDialog", "Select Font"}, {"QFontDialog", "&Font"},
                                          {"QFontDialog", "Font st&yle"}, {"QFontDialog", "&Size"}, {"QFontDialog", "Effects"},
                                          {"QFontDialog", "Sample"}, {"QColorDialog", "Select Color"}})
        labels.insert(Plain(translated && languageFile != QLatin1String("English") ? qt.translate(context, source) : QString(source)));
    QFile catalogue(QStringLiteral(PICTORELLE_SOURCE_DIR "/translations/") + ts);
    EXPECT_TRUE(catalogue.open(QIODevice::ReadOnly)) << ts.toStdString();
    QXmlStreamReader xml(&catalogue);
    const bool english = languageFile == QLatin1String("English");
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == (english ? QLatin1String("source") : QLatin1String("translation")))
            labels.insert(Plain(xml.readElementText(QXmlStreamReader::IncludeChildElements)));
    return labels;
}

}  // namespace

// Every control a page names (<span class="ui">) is named as the window shows it in the page's language.
TEST(HelpPages, EachLanguageNamesTheControlsByTheLabelsItsWindowShows)
{
    const struct {
        const char* folder;  // "" for the English pages
        const char* languageFile;
        const char* ts;
        int codePage;
    } languages[] = {{"", "English", "pictorelle_de.ts", 65001},
                     {"German_Germany", "German_Germany", "pictorelle_de.ts", 1252},
                     {"French_France", "French_France", "pictorelle_fr.ts", 1252},
                     {"Spanish_Spain", "Spanish_Spain", "pictorelle_es.ts", 1252},
                     {"Russian_Russia", "Russian_Russia", "pictorelle_ru.ts", 1251},
                     {"Japanese_Japan_utf-8", "Japanese_Japan_utf-8", "pictorelle_ja.ts", 65001},
                     {"Chinese_Simplified_unicode", "Chinese_Simplified_unicode", "pictorelle_zh_CN.ts", 65001}};
    static const QRegularExpression named(QStringLiteral("<span class=\"ui\">(.*?)</span>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    for (const auto& language : languages) {
        const QString folder = QStringLiteral(PICTORELLE_SOURCE_DIR "/help/") + QLatin1String(language.folder);
        const QStringList pages = QDir(folder).entryList({QStringLiteral("*.htm")}, QDir::Files);
        if (*language.folder) {
            EXPECT_EQ(pages.size(), QDir(QStringLiteral(PICTORELLE_SOURCE_DIR "/help")).entryList({"*.htm"}, QDir::Files).size())
                << language.folder << ": every page in the language";
        }
        const QSet<QString> labels = WindowLabels(language.languageFile, language.ts, language.codePage);
        for (const QString& page : pages) {
            QFile file(folder + u'/' + page);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            for (const QString& label : Captures(text, named)) {
                QString shown = QString(label).replace("&nbsp;", "\u00a0").replace("&amp;", "&&").simplified();
                shown = Plain(shown);
                EXPECT_TRUE(labels.contains(shown) || std::any_of(labels.begin(), labels.end(), [&](const QString& l) {
                                return l.contains(QLatin1String("%d")) && Numbered(l).match(shown).hasMatch();
                            }))
                    << language.languageFile << "/" << page.toStdString() << ": " << shown.toStdString();
            }
        }
    }
}
