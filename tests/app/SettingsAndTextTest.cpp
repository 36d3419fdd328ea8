// Settings kept between runs and the text line, through the real main window.
#include <sys/stat.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

#include "services/SettingsStore.h"
#include "support/Fixtures.h"
#include "support/SettingsStoreProbe.h"
#include "support/MainDialogFixture.h"

using platform::IDOK;
using platform::SettingsStore;

namespace {

QVariant Stored(const QString& key)
{
    return QSettings(SettingsStoreProbe::FileName(), QSettings::IniFormat).value(key);
}

class SettingsAndTextTest : public MainDialogFixture {
protected:
    // A new main window, as at the next start.
    std::unique_ptr<COrvanelDlg> Restart()
    {
        auto dlg = std::make_unique<COrvanelDlg>();
        dlg->Create();
        return dlg;
    }
    // Bounding box of the red pixels of a decoded picture; empty when there are none.
    // A red 40-pixel DejaVu Sans through the Font button.
    void ChooseRedFont()
    {
        QFont font("DejaVu Sans");
        font.setPixelSize(40);
        (*prompts_)->QueueFont(platform::FontChoice{font, QColor(255, 0, 0)});
        Click(1042);
    }
    // Converts a black 400 x 300 photo with text at (x, y), returning the picture written.
    Decoded ConvertWithText(const QString& text, const QString& x, const QString& y, const QString& name)
    {
        OpenPhoto(WriteSolid(TempPath("black.png"), 400, 300, {0, 0, 0}));
        SetText(1045, text);
        SetText(1043, x);
        SetText(1044, y);
        SetText(1003, TempPath(name));
        Click(1000);
        return DecodeFile(TempPath(name));
    }
};

TEST_F(SettingsAndTextTest, ClosingWritesEverythingAndTheNextStartReadsIt)
{
    EXPECT_EQ(TextOf(1048), QFontInfo(dlg_->font()).family()) << "first run: the window's own font";
    Click(1020);
    Click(1025);
    ChooseRedFont();
    const auto& first = (*prompts_)->Records().back();
    EXPECT_EQ(first.font.colour, QColor(0, 0, 0));
    EXPECT_EQ(first.font.flags, 0x101u);
    EXPECT_EQ(TextOf(1048), "DejaVu Sans");

    // Cancel changes nothing; the next dialog starts from the record, the colour from black again.
    (*prompts_)->QueueFont(std::nullopt);
    Click(1042);
    EXPECT_EQ((*prompts_)->Records().back().font.font.family(), "DejaVu Sans");
    EXPECT_EQ((*prompts_)->Records().back().font.font.pixelSize(), 40);
    EXPECT_EQ((*prompts_)->Records().back().font.colour, QColor(0, 0, 0));
    EXPECT_FALSE(QFile::exists(SettingsStoreProbe::FileName())) << "nothing is written before closing";

    Click(1037);
    EXPECT_EQ(dlg_->result(), platform::IDCANCEL);
    EXPECT_EQ(Stored("Option/nRotateAngel").toString(), "180");
    EXPECT_EQ(Stored("Option/nFlipType").toString(), "2");
    EXPECT_EQ(Stored("Option/CurrentLanguage").toString(), "english");
    EXPECT_EQ(Stored("Option/last_output_folder").toString(), QDir::homePath() + "/Pictures/");
    EXPECT_EQ(Stored("CurrentFont/lfHeight").toString(), "-40");
    EXPECT_EQ(Stored("CurrentFont/lfFaceName").toString(), "DejaVu Sans");
    EXPECT_EQ(Stored("CurrentFont/nCurrentColor").toString(), "255");

    auto next = Restart();
    EXPECT_TRUE(next->IsDlgButtonChecked(1020));
    EXPECT_FALSE(next->IsDlgButtonChecked(1018));
    EXPECT_TRUE(next->IsDlgButtonChecked(1025));
    EXPECT_EQ(next->GetDlgItemText(1048), "DejaVu Sans");
}

TEST_F(SettingsAndTextTest, KeyboardEndingWritesNothingAndTheCloseBoxWrites)
{
    Click(1019);
    QTest::keyClick(dlg_.get(), Qt::Key_Escape);
    auto other = Restart();
    other->GotoDlgCtrl(1045);  // Enter on an edit is the OK command
    QTest::keyClick(other.get(), Qt::Key_Return);
    EXPECT_TRUE(other->isHidden());
    EXPECT_FALSE(QFile::exists(SettingsStoreProbe::FileName()));
    dlg_ = Restart();
    Click(1019);
    dlg_->close();
    EXPECT_EQ(Stored("Option/nRotateAngel").toString(), "90");
}

TEST_F(SettingsAndTextTest, TooLongOutputPathIsReportedOnEnterAndOnClosing)
{
    SetText(1003, QString(300, 'a'));
    (*prompts_)->QueueAnswer(IDOK);
    dlg_->GotoDlgCtrl(1045);
    QTest::keyClick(dlg_.get(), Qt::Key_Return);
    EXPECT_FALSE(dlg_->isHidden()) << "Enter keeps the window open when the check fails";
    (*prompts_)->QueueAnswer(IDOK);
    Click(1037);
    const auto messages = (*prompts_)->Messages();
    ASSERT_EQ(messages.size(), 2u);
    for (const auto& m : messages) {
        EXPECT_EQ(m.text, "Enter no more than 256 characters.");
        EXPECT_EQ(m.type, 0x30u) << "exclamation icon";
    }
    EXPECT_TRUE(dlg_->isHidden()) << "closing goes on";
    EXPECT_EQ(Stored("Option/nRotateAngel").toString(), "0");
}

TEST_F(SettingsAndTextTest, UnknownStoredRotationIsKeptUntilTheUserPicks)
{
    SettingsStore::WriteProfileInt("option", "NROTATEANGEL", 45);
    SettingsStore::WriteProfileString("Option", "nFlipType", "4294967295");
    (*prompts_)->QueueAnswer(IDOK);
    (*prompts_)->QueueAnswer(IDOK);
    auto dlg = Restart();
    EXPECT_EQ((*prompts_)->MessageTexts(), (QStringList{"Unknown rotate angle!", "Unknown flip type!"}));
    qobject_cast<QAbstractButton*>(dlg->GetDlgItem(1037))->click();
    EXPECT_EQ(SettingsStore::GetProfileInt("Option", "nRotateAngel", 0), 45);
    EXPECT_EQ(SettingsStore::GetProfileInt("Option", "nFlipType", 0), -1);

    (*prompts_)->QueueAnswer(IDOK);
    (*prompts_)->QueueAnswer(IDOK);
    dlg = Restart();
    qobject_cast<QAbstractButton*>(dlg->GetDlgItem(1019))->click();
    dlg->close();
    EXPECT_EQ(SettingsStore::GetProfileInt("Option", "nRotateAngel", 0), 90);
}

TEST_F(SettingsAndTextTest, BrokenSettingsFileStartsWithDefaults)
{
    const QString file = SettingsStoreProbe::FileName();
    QDir().mkpath(QFileInfo(file).path());
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919) % 251));
    garbage.append("\n[Option\nnRotateAngel=9");  // cut short mid-line
    WriteAll(file, garbage);
    auto dlg = Restart();
    EXPECT_TRUE(dlg->IsDlgButtonChecked(1018));
    EXPECT_TRUE(dlg->IsDlgButtonChecked(1023));

    // A folder where the file should be: nothing can be read or written, and closing still ends.
    QFile::remove(file);
    QDir().mkpath(file);
    dlg = Restart();
    EXPECT_TRUE(dlg->IsDlgButtonChecked(1018));
    dlg->close();
    EXPECT_EQ(dlg->result(), platform::IDCANCEL);
    EXPECT_TRUE((*prompts_)->Messages().empty());
}

TEST_F(SettingsAndTextTest, ClosingKeepsForeignLinesAndNeverWritesThroughAFifo)
{
    const QString file = SettingsStoreProbe::FileName();
    QDir().mkpath(QFileInfo(file).path());
    WriteAll(file, "; my note\n[Option]\nnRotateAngel=90\nno equals here\n[Mine]\nx=1\n");
    SettingsStoreProbe::Reload();
    auto dlg = Restart();
    EXPECT_TRUE(dlg->IsDlgButtonChecked(1019));
    dlg->close();
    const QList<QByteArray> lines = ReadAll(file).split('\n');
    EXPECT_EQ(lines.mid(0, 3), (QList<QByteArray>{"; my note", "[Option]", "nRotateAngel=90"}));
    EXPECT_TRUE(lines.contains("no equals here"));
    EXPECT_LT(lines.indexOf("[Mine]"), lines.indexOf("[CurrentFont]")) << "sections keep their order";
    EXPECT_EQ(Stored("Option/nFlipType").toString(), "0");

    // A FIFO at the name: never opened (that would wait for ever), never written through.
    QFile::remove(file);
    ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    SettingsStoreProbe::Reload();
    dlg = Restart();
    EXPECT_TRUE(dlg->IsDlgButtonChecked(1018));
    qobject_cast<QAbstractButton*>(dlg->GetDlgItem(1019))->click();
    dlg->close();
    struct stat st{};
    EXPECT_TRUE(::lstat(QFile::encodeName(file).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_EQ(QDir(QFileInfo(file).path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList{QFileInfo(file).fileName()});
    EXPECT_TRUE((*prompts_)->Messages().empty());
}

TEST_F(SettingsAndTextTest, TextIsDrawnInItsColourAtItsPlaceAndTurnsWithThePicture)
{
    ChooseRedFont();
    const QRect upright = InkBox(ConvertWithText("HHHH", "100", "50", "upright.png"), IsRed);
    ASSERT_FALSE(upright.isEmpty());
    EXPECT_GE(upright.left(), 100);
    EXPECT_LT(upright.left(), 110);
    EXPECT_GE(upright.top(), 50);
    EXPECT_LT(upright.top(), 70);
    EXPECT_GT(upright.width(), upright.height()) << "one line, left to right";

    Click(1019);
    const Decoded turned = ConvertWithText("HHHH", "100", "50", "turned.png");
    ASSERT_EQ(turned.width, 300);
    const QRect down = InkBox(turned, IsRed);
    // Turned clockwise, (x, y) goes to (299 - y, x): the line runs top to bottom on the right.
    EXPECT_EQ(down, QRect(299 - upright.bottom(), upright.left(), upright.height(), upright.width()));
    EXPECT_TRUE((*prompts_)->Messages().empty());
}

TEST_F(SettingsAndTextTest, PositionOutsideThePictureIsCorrectedOnlyWhenDrawing)
{
    ChooseRedFont();
    (*prompts_)->QueueAnswer(IDOK);
    const QRect reset = InkBox(ConvertWithText("H", "400", "10", "reset.png"), IsRed);
    EXPECT_EQ((*prompts_)->MessageTexts(), QStringList{"The text position X is out of range! The program set it to 0 now."});
    EXPECT_EQ(TextOf(1043), "0");
    EXPECT_LT(reset.left(), 10);

    const QRect edge = InkBox(ConvertWithText("HHHH", "390", "10", "edge.png"), IsRed);
    ASSERT_FALSE(edge.isEmpty());
    EXPECT_GE(edge.left(), 390) << "nothing wraps to the next line";
    EXPECT_EQ(edge.right(), 399) << "clipped by the picture's edge";

    // Leaving the edits: the size first, a negative x passes, a negative y does not.
    (*prompts_)->Clear();
    for (int i = 0; i < 4; ++i)
        (*prompts_)->QueueAnswer(IDOK);
    SetText(1006, "");
    LeaveEdit(1043);
    SetText(1006, "300");
    SetText(1043, "-5");
    LeaveEdit(1043);
    SetText(1044, "-5");
    LeaveEdit(1044);
    SetText(1043, "400");
    LeaveEdit(1043);
    SetText(1044, "300");
    LeaveEdit(1044);
    EXPECT_EQ((*prompts_)->MessageTexts(),
              (QStringList{"The output hight is invalid!", "The text position Y is out of range!",
                           "The text position X is out of range!", "The text position Y is out of range!"}));

    // Without text nothing is checked or drawn.
    (*prompts_)->Clear();
    SetText(1043, "0");
    SetText(1044, "0");
    EXPECT_TRUE(InkBox(ConvertWithText("", "-5", "-5", "none.png"), IsRed).isEmpty());
    EXPECT_TRUE((*prompts_)->Messages().empty());
}

}  // namespace
