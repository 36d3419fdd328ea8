// The window services: number reading, settings store, file filters, dialog units and edits.
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "support/SettingsStoreProbe.h"

#include "widgets/CDialog.h"
#include "widgets/DialogUnits.h"
#include "system/FileSystem.h"
#include "widgets/QtPrompts.h"
#include "services/IniDocument.h"
#include "services/SettingsStore.h"
#include "services/TextToLong.h"
#include "support/Fixtures.h"
#include "support/ScriptedPrompts.h"

using platform::SettingsStore;

TEST(TextToLong, ReadsLikeWcstolWith32BitLong)
{
    const std::pair<const char*, int> cases[] = {
        {"123", 123},       {"  42abc", 42},    {"\t-7", -7},          {"+5", 5},
        {"abc", 0},         {"", 0},            {"-", 0},              {"0x10", 0},
        {"2147483647", 2147483647},             {"2147483648", 2147483647},
        {"-2147483648", -2147483647 - 1},       {"-99999999999999999999", -2147483647 - 1},
        {"007", 7},         {" 1 2", 1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(platform::TextToLong(QString::fromUtf8(text)), value) << text;
}

TEST(SettingsStore, RoundTripsAndIgnoresLetterCase)
{
    EXPECT_EQ(SettingsStore::GetProfileString("Option", "LastPhotoFolder", "def"), "def");
    EXPECT_EQ(SettingsStore::GetProfileInt("Option", "nRotateAngel", 7), 7);
    SettingsStore::WriteProfileString("Option", "LastPhotoFolder", "/a b/");
    SettingsStore::WriteProfileInt("CurrentFont", "lfHeight", -13);
    EXPECT_EQ(SettingsStore::GetProfileString("option", "lastphotofolder", "def"), "/a b/");
    EXPECT_EQ(SettingsStore::GetProfileInt("CURRENTFONT", "LFHEIGHT", 0), -13);
    SettingsStore::WriteProfileString("OPTION", "LASTPHOTOFOLDER", "/c/");
    EXPECT_EQ(SettingsStore::GetProfileString("Option", "LastPhotoFolder", "def"), "/c/") << "one value, not two";

    EXPECT_EQ(platform::ParseStoredInt("4294967283"), -13);
    EXPECT_EQ(platform::ParseStoredInt("-11"), -11);
    EXPECT_EQ(platform::ParseStoredInt("x"), std::nullopt);
    EXPECT_EQ(platform::ParseStoredInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(platform::ParseStoredInt("4294967296"), std::nullopt) << "wider than 32 bits";
    EXPECT_EQ(platform::ParseStoredInt("-2147483649"), std::nullopt);
    EXPECT_EQ(platform::ParseStoredInt(""), std::nullopt);
    SettingsStore::WriteProfileString("Option", "nFlipType", "garbage");
    EXPECT_EQ(SettingsStore::GetProfileInt("Option", "nFlipType", 3), 3);
}

TEST(IniDocument, SpeaksQSettingsIniBothWays)
{
    const QString values[] = {"plain", " lead", "trail ", "a;b", "a,b", "x=y", "say \"hi\"", "back\\slash",
                              "tab\tnew\nline", QString(QChar(1)) + "1f", "@at", "@@two", "Gr\u00FC\u00DFe \u65E5\U0001F600",
                              "", "/a b/"};
    QTemporaryDir dir;
    const QString ours = dir.filePath("ours.ini");
    const QString theirs = dir.filePath("theirs.ini");
    platform::IniDocument doc;
    {
        QSettings qt(theirs, QSettings::IniFormat);
        for (int i = 0; i < int(std::size(values)); ++i) {
            doc.SetValue("Option", QString("k%1").arg(i), values[i]);
            qt.setValue(QString("Option/k%1").arg(i), values[i]);
        }
    }
    WriteAll(ours, doc.Serialize());
    const QSettings readOurs(ours, QSettings::IniFormat);
    const auto readTheirs = platform::IniDocument::Parse(ReadAll(theirs));
    for (int i = 0; i < int(std::size(values)); ++i) {
        EXPECT_EQ(readOurs.value(QString("Option/k%1").arg(i)).toString(), values[i]) << i;
        EXPECT_EQ(readTheirs.Value("OPTION", QString("K%1").arg(i)), values[i]) << i;
    }
    EXPECT_EQ(readOurs.status(), QSettings::NoError);
    // Unescaping on its own: blanks, comments and escapes a person may write.
    const std::pair<const char*, const char*> raw[] = {
        {"  x  ", "x"}, {"x ; note", "x"}, {"\"a;b\" ", "a;b"}, {"\\x41\\102!", "AB!"}, {"a\\", "a"}, {"\"", ""},
    };
    for (const auto& [text, value] : raw)
        EXPECT_EQ(platform::UnescapeIniValue(text), value) << text;
    EXPECT_EQ(platform::UnescapeIniKey(platform::EscapeIniKey("a b/c%\u00E9\u65E5")), "a b/c%\u00E9\u65E5");
}

TEST(IniDocument, KeepsEveryLineItDoesNotChange)
{
    const QByteArray text = "; kept comment\r\nstray line\n[Option]\nnRotateAngel = 90\n; between\n"
                            "[Other]\nx=1\n\n[option]\nnFlipType=1\nNROTATEANGEL=180\n\n; tail\n";
    auto doc = platform::IniDocument::Parse(text);
    EXPECT_EQ(doc.Serialize(), text);
    EXPECT_EQ(doc.Value("Option", "nRotateAngel"), "180") << "the later entry wins";
    EXPECT_EQ(doc.Value("Option", "stray line"), std::nullopt);
    doc.SetValue("Option", "nRotateAngel", "270");
    doc.SetValue("OPTION", "last_output_folder", "/o/");
    doc.SetValue("Other", "y", "2");
    doc.SetValue("New Section", "k", "v");
    EXPECT_EQ(doc.Serialize(), "; kept comment\r\nstray line\n[Option]\nnRotateAngel = 90\n; between\n"
                               "[Other]\nx=1\ny=2\n\n[option]\nnFlipType=1\nNROTATEANGEL=270\nlast_output_folder=/o/\n\n"
                               "; tail\n\n[New%20Section]\nk=v\n");
    EXPECT_EQ(platform::IniDocument::Parse(doc.Serialize()).Value("new section", "K"), "v");
}

TEST(SettingsStore, ReadsOnceAndWritesOnlyARegularFile)
{
    const QString file = SettingsStoreProbe::FileName();
    QDir().mkpath(QFileInfo(file).path());
    // Many keys: the file is read once, not once per key.
    QByteArray big = "; mine\n[Big]\n";
    for (int i = 0; i < 200000; ++i)
        big += "key" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\n";
    WriteAll(file, big + "[Option]\nnFlipType=3\n");
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(SettingsStore::GetProfileInt("Option", "nFlipType", 0), 3);
    EXPECT_EQ(SettingsStore::GetProfileInt("big", "KEY199999", 0), 199999);
    EXPECT_LT(timer.elapsed(), 20000) << "a hang, not a measure";
    SettingsStore::WriteProfileInt("Option", "nFlipType", 1);
    EXPECT_TRUE(ReadAll(file).endsWith("nFlipType=3\n")) << "nothing is written before saving";
    EXPECT_TRUE(SettingsStore::Save());
    EXPECT_EQ(ReadAll(file), big + "[Option]\nnFlipType=1\n");

    // A FIFO, a link to one, a link to a device: never opened, never written through, the store empty.
    const QString folder = QFileInfo(file).path();
    const QByteArray fifo = QFile::encodeName(folder + "/fifo");
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    for (const QString& target : {QString(), folder + "/fifo", QString("/dev/zero")}) {
        QFile::remove(file);
        ASSERT_TRUE(target.isEmpty() ? ::mkfifo(QFile::encodeName(file).constData(), 0600) == 0
                                     : QFile::link(target, file));
        SettingsStoreProbe::Reload();
        EXPECT_EQ(SettingsStore::GetProfileInt("Option", "nFlipType", 7), 7) << target.toStdString();
        SettingsStore::WriteProfileInt("Option", "nFlipType", 2);
        EXPECT_FALSE(SettingsStore::Save()) << target.toStdString();
        EXPECT_EQ(QFileInfo(file).symLinkTarget(), target);
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                  (QStringList{"fifo", QFileInfo(file).fileName()}));
    }
    struct stat st{};
    EXPECT_TRUE(::stat(fifo.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
}

// What another window saved meanwhile is kept; a byte-order mark is skipped; a file over the cap
// is neither read nor rewritten.
TEST(SettingsStore, SavesIntoTheFileAsItIsOnDisk)
{
    const QString file = SettingsStoreProbe::FileName();
    QDir().mkpath(QFileInfo(file).path());
    WriteAll(file, "\xEF\xBB\xBF[Option]\nnFlipType=2\nnRotateAngel=90\n");
    EXPECT_EQ(SettingsStore::GetProfileInt("Option", "nFlipType", 0), 2);
    SettingsStore::WriteProfileInt("Option", "nRotateAngel", 180);
    // The other window closes first, with its own change.
    WriteAll(file, "[Option]\nnFlipType=1\nnRotateAngel=90\nCurrentLanguage=german\n");
    EXPECT_TRUE(SettingsStore::Save());
    EXPECT_EQ(ReadAll(file), "[Option]\nnFlipType=1\nnRotateAngel=180\nCurrentLanguage=german\n");
    SettingsStoreProbe::Reload();
    EXPECT_EQ(SettingsStore::GetProfileInt("Option", "nFlipType", 0), 1);
    // Saved into a file that starts with the mark: still one [Option] section.
    WriteAll(file, "\xEF\xBB\xBF[Option]\nnFlipType=1\n");
    SettingsStore::WriteProfileInt("Option", "nFlipType", 2);
    EXPECT_TRUE(SettingsStore::Save());
    EXPECT_EQ(ReadAll(file), "[Option]\nnFlipType=2\n");

    QByteArray huge = "[Option]\nnFlipType=2\n";
    huge += QByteArray(platform::kMaxSettingsFileBytes + 1 - huge.size(), ';');
    WriteAll(file, huge);
    SettingsStoreProbe::Reload();
    ScopedScriptedPrompts prompts;
    prompts->QueueAnswer(platform::IDOK);
    EXPECT_EQ(SettingsStore::GetProfileInt("Option", "nFlipType", 7), 7);
    ASSERT_EQ(prompts->Records().size(), 1u);
    EXPECT_TRUE(prompts->Records()[0].text.contains("larger than 4 MiB")) << prompts->Records()[0].text.toStdString();
    SettingsStore::WriteProfileInt("Option", "nFlipType", 3);
    EXPECT_FALSE(SettingsStore::Save());
    EXPECT_EQ(ReadAll(file), huge);
}

TEST(FileFilters, MatchWithoutRegardToCase)
{
    const QString filter = platform::QtNameFilter({"Photo Files (*.jpg)", "*.jpg;*.png"});
    EXPECT_TRUE(filter.startsWith("Photo Files (*.jpg) ("));
    const QString patterns = filter.section('(', -1).chopped(1);
    bool matched = false;
    for (const QString& p : patterns.split(' ')) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(p));
        matched |= re.match("IMG_0001.JPG").hasMatch();
        EXPECT_FALSE(re.match("notes.txt").hasMatch());
    }
    EXPECT_TRUE(matched);
    EXPECT_EQ(platform::QtNameFilter({"Any Files (*.*)", "*.*;"}), "Any Files (*.*) (*)");
}

TEST(DialogUnits, ScaleByBaseUnits)
{
    const platform::BaseUnits units{6, 13};
    EXPECT_EQ(platform::DialogUnitsToPixels(7, 7, 66, 14, units), QRect(11, 11, 99, 23));
    EXPECT_EQ(platform::DialogUnitsToPixels(0, 0, 378, 273, units).size(), QSize(567, 444));
}

TEST(FileExists, OnlyReadableRegularFilesAndNeverBlocks)
{
    QTemporaryDir dir;
    QFile f(dir.filePath("yes"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600);  // opening it to read would block
    QFile::link(dir.filePath("fifo"), dir.filePath("link_to_fifo"));
    QFile::link(dir.filePath("yes"), dir.filePath("link_to_yes"));
    QFile::link(dir.filePath("none"), dir.filePath("dangling"));
    QFile::link(dir.path(), dir.filePath("link_to_folder"));
    // What a new output would replace: anything but a folder, readable or not.
    const struct {
        QString path;
        bool exists, special, toReplace;
    } cases[] = {{"", false, false, false},
                 {dir.path(), false, false, false},
                 {dir.filePath("link_to_folder"), false, false, false},
                 {dir.filePath("none"), false, false, false},
                 {dir.filePath("yes"), true, false, true},
                 {dir.filePath("link_to_yes"), true, false, true},
                 {dir.filePath("dangling"), false, false, true},
                 {dir.filePath("fifo"), false, true, true},
                 {dir.filePath("link_to_fifo"), false, true, true},
                 {"/dev/null", false, true, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(platform::FileExists(c.path), c.exists) << c.path.toStdString();
        EXPECT_EQ(platform::IsSpecialFile(c.path), c.special) << c.path.toStdString();
        EXPECT_EQ(platform::AnythingToReplace(c.path), c.toReplace) << c.path.toStdString();
    }
}

namespace {
platform::DialogTemplate OneEditTemplate()
{
    return {1, "t", 100, 50, "Sans", 8, {{5, platform::ControlKind::Edit, "", 1, 1, 50, 12, platform::StyleTabStop}}};
}

class EditDialog : public platform::CDialog {
public:
    EditDialog() : CDialog(OneEditTemplate()) {}
    QString value;
    int updates = 0;

protected:
    bool OnInitDialog() override
    {
        MapMessage(5, platform::Notification::Update, [this] { ++updates; });
        UpdateData(false);
        return true;
    }
    void DoDataExchange(platform::DataExchange& dx) override
    {
        DDX_Text(dx, 5, value);
        DDV_MaxChars(dx, 5, value, 4);
    }
};
}  // namespace

TEST(DialogEdits, LimitTypingButNotTheProgram)
{
    EditDialog dlg;
    dlg.Create();
    auto* edit = qobject_cast<QLineEdit*>(dlg.GetDlgItem(5));
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTest::keyClicks(edit, "abcdefg");
    EXPECT_EQ(edit->text(), "abcd") << "typing stops at the limit";
    dlg.SetDlgItemText(5, "a much longer text");
    EXPECT_EQ(dlg.GetDlgItemText(5), "a much longer text");
    EXPECT_EQ(dlg.GetDlgItemText(5, 6), "a much");
    const int before = dlg.updates;
    dlg.SetDlgItemText(5, "a much longer text");
    EXPECT_EQ(dlg.updates, before + 1) << "setting the same text still notifies";
}

namespace {
platform::DialogTemplate KeyboardTemplate()
{
    return {2, "k", 100, 60, "Sans", 8,
            {{7, platform::ControlKind::PushButton, "Go", 1, 1, 40, 12, platform::StyleTabStop},
             {8, platform::ControlKind::Edit, "", 1, 20, 40, 12, platform::StyleTabStop}}};
}

class KeyboardDialog : public platform::CDialog {
public:
    KeyboardDialog() : CDialog(KeyboardTemplate()) { MapMessage(7, platform::Notification::Clicked, [this] { ++clicks; }); }
    int clicks = 0;
};
}  // namespace

TEST(DialogKeyboard, EnterAndEscape)
{
    {
        KeyboardDialog dlg;
        dlg.Create();
        dlg.show();
        dlg.GetDlgItem(7)->setFocus();
        QTest::keyClick(dlg.GetDlgItem(7), Qt::Key_Return);
        EXPECT_EQ(dlg.clicks, 1) << "Enter on a focused button clicks it";
        EXPECT_TRUE(dlg.isVisible());
        dlg.GetDlgItem(8)->setFocus();
        QTest::keyClick(dlg.GetDlgItem(8), Qt::Key_Return);
        EXPECT_EQ(dlg.clicks, 1) << "no default button";
        EXPECT_EQ(dlg.result(), platform::IDOK) << "Enter elsewhere is the OK command";
    }
    {
        KeyboardDialog dlg;
        dlg.Create();
        dlg.show();
        QTest::keyClick(&dlg, Qt::Key_Escape);
        EXPECT_EQ(dlg.result(), platform::IDCANCEL);
        EXPECT_FALSE(dlg.isVisible());
    }
}
