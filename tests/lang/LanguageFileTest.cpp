// Language files: the tables, the profile reader, code pages, names, and the manager over real
// files in a temporary folder.
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <gtest/gtest.h>

#include "support/CLanguageProbe.h"

#include "lang/CLanguage.h"
#include "lang/LanguageIdentities.h"
#include "lang/LanguageName.h"
#include "lang/LocaleLanguage.h"
#include "lang/PosixLocale.h"
#include "lang/ResourceNames.h"
#include "services/CodePages.h"
#include "widgets/MenuFromTemplate.h"
#include "services/PrivateProfile.h"
#include "res/MenuTemplates.h"
#include "support/Fixtures.h"
#include "support/ScriptedPrompts.h"

using platform::PrivateProfile;

namespace {

QByteArray Utf16File(const QString& text)
{
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return bytes;
}

class LanguageFolder : public ::testing::Test {
protected:
    void SetUp() override { QDir(dir_.path()).mkdir("language"); }
    void TearDown() override { theLanguage = CLanguage(); }
    void Write(const QString& name, const QByteArray& bytes) { WriteAll(dir_.filePath("language/" + name), bytes); }
    QTemporaryDir dir_;
    ScopedScriptedPrompts prompts_;
};

}  // namespace

TEST(LanguageTables, RowsAndSections)
{
    int counts[3] = {};
    for (const auto& row : g_ResourceNames)
        ++counts[static_cast<int>(SectionOf(row))];
    EXPECT_EQ(counts[0], 21);
    EXPECT_EQ(counts[1], 4);
    EXPECT_EQ(counts[2], 20);
    EXPECT_STREQ(g_ResourceNames[3].pszName, "IDD_PROGRAM_PNG_CAPTION");
    EXPECT_EQ(g_ResourceNames[6].nID, 8454144);
    EXPECT_STREQ(g_ResourceNames.back().pszName, "IDS_STRING131");

    std::map<int, int> perCodePage;
    for (const auto& row : g_LanguageIdentities)
        ++perCodePage[row.nCodePage];
    EXPECT_EQ(perCodePage, (std::map<int, int>{{0, 43}, {874, 2}, {932, 2}, {936, 3}, {949, 2}, {950, 4},
                                               {1250, 21}, {1251, 27}, {1252, 128}, {1253, 2}, {1254, 6},
                                               {1255, 2}, {1256, 23}, {1257, 6}, {1258, 2}}));
    EXPECT_EQ(QString::fromUtf16(g_LanguageIdentities.front().szName), "Afrikaans");
    EXPECT_EQ(g_LanguageIdentities.back().nLangID, 0x046A);
}

TEST(PrivateProfile, ReadsAsTheSystemReaderDoes)
{
    const PrivateProfile p(QByteArray("; comment=no\r\n"
                                      "  [ Strings ]  \r\n"
                                      "  Key One  =  spaced value  \r\n"
                                      "key one=second is ignored\n"
                                      "no equals sign\n"
                                      ";hidden=1\n"
                                      "dq=\"quoted\"\n"
                                      "sq='single'\n"
                                      "mixed=\"not'\n"
                                      "empty=\n"
                                      "eq=a=b\n"
                                      "[other]\n"
                                      "k=other\n"
                                      "[STRINGS]\n"
                                      "late=a repeated section is not read\n"
                                      "[last]\n"
                                      "long=") + QByteArray(3000, 'x'));
    const struct {
        const char* section;
        const char* key;
        QString value;
    } cases[] = {
        {"strings", "KEY ONE", "spaced value"}, {"Strings", "dq", "quoted"}, {"Strings", "sq", "single"},
        {"Strings", "mixed", "\"not'"},         {"Strings", "empty", ""},    {"Strings", "eq", "a=b"},
        {"Strings", "no equals sign", ""},      {"Strings", ";hidden", ""}, {"OTHER", "k", "other"},
        {"strings", "late", ""},                {"missing", "k", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QString::fromUtf8(p.RawValue(c.section, c.key)), c.value) << c.section << "/" << c.key;
    EXPECT_EQ(platform::CutProfileValue(QString::fromUtf8(p.RawValue("last", "long"))).size(), 2047);
    EXPECT_EQ(platform::CutProfileValue(QString(2046, 'a') + QString::fromUtf8("\xF0\x9F\x98\x80")).size(), 2046)
        << "a character is never cut in half";

    const PrivateProfile utf16(Utf16File(QString::fromUtf16(u"[S]\r\nk=\u0416\u5199 \U0001F600\r\n")));
    EXPECT_TRUE(utf16.IsUtf16());
    EXPECT_EQ(QString::fromUtf8(utf16.RawValue("s", "K")), QString::fromUtf16(u"\u0416\u5199 \U0001F600"));
    EXPECT_EQ(PrivateProfile("\xEF\xBB\xBF[S]\nk=v").RawValue("S", "k"), "v") << "UTF-8 byte-order mark skipped";
    EXPECT_EQ(PrivateProfile(QByteArray("\xFF\xFE[\0S\0]", 7)).RawValue("S", "k"), "") << "odd-length UTF-16";
}

TEST(CodePages, RealBytesOfEachCodePage)
{
    const struct {
        int codePage;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {1251, "\xCF\xF0\xE8\xE2\xE5\xF2", QString::fromUtf16(u"\u041F\u0440\u0438\u0432\u0435\u0442")},          // Привет
        {932, "\x93\xFA\x96\x7B\x8C\xEA\x95\x5C", QString::fromUtf16(u"\u65E5\u672C\u8A9E\u8868")},              // 日本語表, 0x5C trail byte
        {936, "\xD6\xD0\xCE\xC4", QString::fromUtf16(u"\u4E2D\u6587")},                                           // 中文
        {950, "\xA4\xA4\xA4\xE5", QString::fromUtf16(u"\u4E2D\u6587")},                                           // 中文
        {949, "\xC7\xD1\xB1\xDB", QString::fromUtf16(u"\uD55C\uAE00")},                                           // 한글
        {1253, "\xE5\xEB\xEB\xE7\xED\xE9\xEA\xDC", QString::fromUtf16(u"\u03B5\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC")},
        {1255, "\xF9\xEC\xE5\xED", QString::fromUtf16(u"\u05E9\u05DC\u05D5\u05DD")},                              // שלום
        {1256, "\xE3\xD1\xCD\xC8\xC7", QString::fromUtf16(u"\u0645\u0631\u062D\u0628\u0627")},                    // مرحبا
        {874, "\xCA\xC7\xD1\xCA\xB4\xD5", QString::fromUtf16(u"\u0E2A\u0E27\u0E31\u0E2A\u0E14\u0E35")},           // สวัสดี
        {1258, "Vi\xD2\xEA\xF2t", QString::fromUtf16(u"Vi\u0309\u00EA\u0323t").normalized(QString::NormalizationForm_C)},
        {1252, "caf\xE9 \x80", QString::fromUtf16(u"caf\u00E9 \u20AC")},
        {0, "caf\xC3\xA9", QString::fromUtf16(u"caf\u00E9")},
        {65001, "\xE5\x86\x99", QString::fromUtf16(u"\u5199")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::DecodeCodePage(c.bytes, c.codePage), c.text) << c.codePage;

    // Invalid sequences become U+FFFD and decoding goes on.
    const QChar bad = QChar::ReplacementCharacter;
    EXPECT_EQ(platform::DecodeCodePage("a\x81\xFF" "b", 932), QString("a") + bad + bad + "b");
    EXPECT_EQ(platform::DecodeCodePage("a\xFF" "b\x81", 936), QString("a") + bad + "b" + bad);
    EXPECT_EQ(platform::DecodeCodePage("\xA4", 950), QString(bad)) << "cut in the middle of a character";
    EXPECT_EQ(platform::DecodeCodePage("a\xC3(b", 65001), QString("a") + bad + "(b");
}

TEST(LanguageNames, EncodingsResolutionEscapesAndTitles)
{
    EXPECT_EQ(GetFileEncoding("DEU_UTF-8"), ENCODING_UTF8);
    EXPECT_EQ(GetFileEncoding("x_Unicode_utf-8"), ENCODING_UTF8);
    EXPECT_EQ(GetFileEncoding("Chinese_unicode"), ENCODING_UNICODE);
    EXPECT_EQ(GetFileEncoding("jpn"), ENCODING_ANSI);

    const struct {
        const char* name;
        int langId, codePage;
    } resolved[] = {{"DEU", 0x0007, 1252},          {"CHS", 0x0804, 936},
                    {"ENGLISH_UTF-8", 0x0409, 65001}, {"Chinese_Simplified_unicode", 0x0004, 1252},
                    {"russian_russia", 0x0419, 1251}, {"Amharic_Ethiopia", 0x045E, 0},
                    {"Spanish_United States", 0x540A, 1252}};
    for (const auto& r : resolved) {
        const auto lang = ResolveLanguageName(r.name, GetFileEncoding(r.name));
        ASSERT_TRUE(lang) << r.name;
        EXPECT_EQ(lang->subLanguage * 1024 + lang->primaryLanguage, r.langId) << r.name;
        EXPECT_EQ(lang->codePage, r.codePage) << r.name;
    }
    EXPECT_EQ(ResolveLanguageName("CHS", ENCODING_ANSI)->tableName, "Chinese_Peoples_Republic_of_China");
    EXPECT_FALSE(ResolveLanguageName("Nowhere", ENCODING_ANSI));
    EXPECT_FALSE(ResolveLanguageName("_utf-8", ENCODING_UTF8));

    EXPECT_EQ(PosixLocaleFor("German_Germany"), "de_DE");
    EXPECT_EQ(PosixLocaleFor("German_Austria"), "de_AT");
    EXPECT_EQ(PosixLocaleFor("English"), "en_US");
    EXPECT_EQ(PosixLocaleFor("Chinese_Peoples_Republic_of_China"), "zh_CN") << "the language's main country";
    EXPECT_EQ(PosixLocaleFor("Klingon_Qonos"), "");
    ApplyPosixLocale("French_France");
    char number[16];
    std::snprintf(number, sizeof number, "%.1f", 1.5);
    EXPECT_STREQ(number, "1.5") << "numbers keep their decimal point";

    EXPECT_EQ(ConvertEscapes("A\\tB\\nC\\rD\\\\n\\x\\"), "A\tB\nC\rD\\\n\\x\\");
    EXPECT_EQ(MenuTitleAt("A,B,C", 2), "C");
    EXPECT_EQ(MenuTitleAt("A,B,C", 5), "A,B,C");
    EXPECT_EQ(MenuTitleAt("A,,C", 1), "");
}

TEST(LocaleLanguage, GettextOrderAndTheMatchingFile)
{
    const struct {
        QString language, lcAll, lcMessages, lang;
        QStringList locales;
    } orders[] = {
        {"", "", "", "de_DE.UTF-8", {"de_DE.UTF-8"}},
        {"", "fr_FR.UTF-8", "ja_JP.UTF-8", "de_DE.UTF-8", {"fr_FR.UTF-8"}},
        {"", "", "ja_JP.UTF-8", "de_DE.UTF-8", {"ja_JP.UTF-8"}},
        {"es:ru", "", "", "de_DE.UTF-8", {"es", "ru", "de_DE.UTF-8"}},
        {"es:ru", "C.UTF-8", "", "de_DE.UTF-8", {}},  // C is English, whatever LANGUAGE says
        {"", "", "", "POSIX", {}},
        {"", "", "", "", {}},
    };
    for (const auto& o : orders)
        EXPECT_EQ(MessageLocales(o.language, o.lcAll, o.lcMessages, o.lang), o.locales) << o.lang.toStdString();

    const QStringList files = {"Chinese_Simplified_unicode", "English", "French_France", "German_Germany",
                               "Japanese_Japan_utf-8", "Spanish_Spain"};
    const std::pair<const char*, const char*> matches[] = {
        {"de_DE.UTF-8", "German_Germany"}, {"de_AT.UTF-8@euro", "German_Germany"}, {"ja_JP.UTF-8", "Japanese_Japan_utf-8"},
        {"fr", "French_France"}, {"en_GB.UTF-8", "English"}, {"pt_BR.UTF-8", ""}, {"C", ""},
    };
    for (const auto& [locale, file] : matches)
        EXPECT_EQ(LanguageFileFor(files, locale), file) << locale;
}

TEST_F(LanguageFolder, FindsSortsLoadsAndDecodes)
{
    Write("English.ini", "[DIALOG]\nIDC_BUTTON_OPEN_PHOTO=Open it\n");
    Write("german_germany_utf-8.ini", "[DIALOG]\nIDC_BUTTON_OPEN_PHOTO=\xC3\x96" "ffnen\\tnow\n");
    Write("Chinese_Simplified_unicode.ini", Utf16File(QString::fromUtf16(u"[STRING]\r\nIDS_STRING108=\u8BF7\u6253\u5F00\r\n")));
    Write("RUS.INI", "[string]\nids_string108=\xCF\xF0\xE8\xE2\xE5\xF2\n[MENU]\nIDR_MENU_LANGUAGE_POPUP=never\n"
                     "IDM_SELECT_LANGUAGE=\xDF\xE7\xFB\xEA\nIDM_ABOUT=\xCE \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE5\n");
    Write("notes.txt", "not a language");
    theLanguage.Init(dir_.path(), "english");
    EXPECT_EQ(CLanguageProbe::LanguageNames(theLanguage), (QStringList{"Chinese_Simplified_unicode", "English", "RUS", "german_germany_utf-8"}));
    EXPECT_EQ(theLanguage.GetDialogText(1001), "Open it");
    EXPECT_EQ(CLanguageProbe::DialogTexts(theLanguage).size(), 21u);
    EXPECT_EQ(CLanguageProbe::MenuTexts(theLanguage).size(), 4u);
    EXPECT_EQ(CLanguageProbe::StringTexts(theLanguage).size(), 20u);

    theLanguage.SetLanguage("GERMAN_GERMANY_UTF-8");
    EXPECT_EQ(theLanguage.GetCurrentLanguage(), "GERMAN_GERMANY_UTF-8") << "the caller's letter case";
    EXPECT_EQ(theLanguage.GetDialogText(1001), QString::fromUtf16(u"\u00D6ffnen\tnow"));

    theLanguage.SetLanguage("Chinese_Simplified_unicode");
    EXPECT_EQ(theLanguage.GetString(108), QString::fromUtf16(u"\u8BF7\u6253\u5F00"));
    EXPECT_EQ(theLanguage.GetString(105), "Error") << "missing texts fall back";

    theLanguage.SetLanguage("rus");
    EXPECT_EQ(theLanguage.GetString(108), QString::fromUtf16(u"\u041F\u0440\u0438\u0432\u0435\u0442"));
    EXPECT_EQ(theLanguage.GetMenuText(129), "PopupMenu1");
    auto menu = platform::LoadMenu(LanguagePopupMenuTemplate());
    theLanguage.ApplyToMenu(*menu, 129, true);
    QMenu* popup = menu->actions()[0]->menu();
    EXPECT_EQ(menu->actions()[0]->text(), "PopupMenu1");
    EXPECT_EQ(popup->actions()[0]->text(), QString::fromUtf16(u"\u042F\u0437\u044B\u043A"));
    EXPECT_EQ(popup->actions()[1]->text(), "Font") << "no text: the built-in one stays";
    EXPECT_EQ(popup->actions()[2]->text(), QString::fromUtf16(u"\u041E \u043F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u0435"));
    EXPECT_TRUE(prompts_->Records().empty());

    // A name of no language: the message, then the bytes as they are.
    Write("Nowhere.ini", "[STRING]\nIDS_STRING108=caf\xC3\xA9\n");
    prompts_->QueueAnswer(platform::IDOK);
    theLanguage.SetLanguage("Nowhere");
    ASSERT_EQ(prompts_->Messages().size(), 1u);
    EXPECT_EQ(prompts_->Messages()[0].text, "Your language file name may be not proper,\n please read the help file!");
    EXPECT_EQ(prompts_->Messages()[0].caption, "nowhere");
    EXPECT_EQ(prompts_->Messages()[0].owner, nullptr);
    EXPECT_EQ(theLanguage.GetString(108), QString::fromUtf16(u"caf\u00E9"));

    // A language of the table without its file: the built-in texts, and "english" as current.
    theLanguage.SetLanguage("Greek_Greece");
    EXPECT_EQ(theLanguage.GetCurrentLanguage(), "english");
    EXPECT_EQ(theLanguage.GetString(108), "Please open a photo file first!");
}

TEST_F(LanguageFolder, BadFilesLoadWhatTheyCanAndNeverHang)
{
    QByteArray noise;
    for (int i = 0; i < 1 << 16; ++i)
        noise.append(char((i * 2654435761u) >> 24));
    QByteArray big;
    big.reserve(3 << 20);  // large, and still under the size a language file may have
    while (big.size() < (3 << 20))
        big.append("[STRING]\nIDS_STRING108=%n%s%s %99999999d\nfiller line without a key\n");
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"English.ini", ""},
        {"Noise.ini", noise},  // an unknown name as well
        {"Big_utf-8.ini", big},
        {"Line_utf-8.ini", "[STRING]\nIDS_STRING108=" + QByteArray(1 << 20, 'y')},
        {"Odd_unicode.ini", QByteArray("\xFF\xFE[\0S\0", 7)},
        {"NoBom_unicode.ini", QByteArray("[\0S\0T\0R\0I\0N\0G\0]\0\n\0", 18)},
        {"Japanese_utf-8.ini", "[STRING]\nIDS_STRING108=\xFF\xFE ok\nIDS_STRING111\nIDS_STRING112=\n"},
    };
    for (const auto& f : files)
        Write(f.name, f.bytes);
    QDir(dir_.filePath("language")).mkdir("Folder.ini");
    ASSERT_EQ(mkfifo(dir_.filePath("language/Pipe.ini").toLocal8Bit().constData(), 0600), 0);
    theLanguage.Init(dir_.path(), "english");
    for (int i = 0; i < 9; ++i)
        prompts_->QueueAnswer(platform::IDOK);  // each name of no language says so
    for (const char* name : {"Noise", "Big_utf-8", "Line_utf-8", "Odd_unicode", "NoBom_unicode", "Folder", "Pipe"}) {
        QElapsedTimer timer;
        timer.start();
        theLanguage.SetLanguage(name);
        EXPECT_EQ(CLanguageProbe::StringTexts(theLanguage).size(), 20u) << name;
        std::printf("%s loaded in %lld ms\n", name, static_cast<long long>(timer.elapsed()));
    }
    theLanguage.SetLanguage("Big_utf-8");
    EXPECT_EQ(theLanguage.GetString(108), "%n%s%s %99999999d");
    theLanguage.SetLanguage("Line_utf-8");
    EXPECT_EQ(theLanguage.GetString(108).size(), 2047);
    theLanguage.SetLanguage("Japanese_utf-8");
    EXPECT_EQ(theLanguage.GetString(108), QString::fromUtf16(u"\uFFFD\uFFFD ok"));
    EXPECT_EQ(theLanguage.GetString(111), "The output width is invalid!");
    EXPECT_EQ(theLanguage.GetString(112), "The output hight is invalid!");

    // A language folder that is a file: no names, the built-in texts.
    QDir(dir_.filePath("language")).removeRecursively();
    WriteAll(dir_.filePath("language"), "a file");
    theLanguage.Init(dir_.path(), "english");
    EXPECT_TRUE(CLanguageProbe::LanguageNames(theLanguage).isEmpty());
    EXPECT_EQ(theLanguage.GetString(108), "Please open a photo file first!");
}

TEST_F(LanguageFolder, AFileOverTheSizeCapIsNotReadAndSaysSo)
{
    QByteArray huge = "[STRING]\nIDS_STRING108=read\n";
    huge += QByteArray((4 << 20) + 1 - huge.size(), ';');
    Write("Japanese_utf-8.ini", huge);
    theLanguage.Init(dir_.path(), "english");
    prompts_->QueueAnswer(platform::IDOK);
    theLanguage.SetLanguage("Japanese_utf-8");
    EXPECT_EQ(theLanguage.GetString(108), "Please open a photo file first!");
    ASSERT_EQ(prompts_->Records().size(), 1u);
    EXPECT_TRUE(prompts_->Records()[0].text.contains("is larger than 4 MiB")) << prompts_->Records()[0].text.toStdString();

    huge.chop(1);  // at the cap: read
    Write("Japanese_utf-8.ini", huge);
    theLanguage.SetLanguage("Japanese_utf-8");
    EXPECT_EQ(theLanguage.GetString(108), "read");
}
