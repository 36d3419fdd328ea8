// Converting through the real main window: checks and messages in order, orientation by pixels,
// the PNG written, safe overwrite, Browse and the aspect-ratio calculator.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "imaging/ImagingLimits.h"
#include "imaging/testing/ImagingTestSeams.h"
#include "services/SettingsStore.h"
#include "support/Fixtures.h"
#include "support/MainDialogFixture.h"
#include "support/ScratchMount.h"
#include "support/SettingsStoreProbe.h"

using platform::IDNO;
using platform::IDOK;
using platform::IDYES;

namespace {

class ConvertTest : public MainDialogFixture {
protected:
    // Opens a photo and points the output at out.png in the test folder.
    void OpenWithOutput(const QString& photo, const QString& output)
    {
        OpenPhoto(photo);
        SetText(1003, output);
    }
    QStringList Texts() const { return (*prompts_)->MessageTexts(); }
    QStringList FilesInDir() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(ConvertTest, NothingToConvertWithoutAPhoto)
{
    (*prompts_)->QueueAnswer(IDOK);
    Click(1000);
    EXPECT_EQ(Texts(), QStringList{"Please open a photo file first!"});
    EXPECT_EQ((*prompts_)->Messages()[0].caption, "Error");
}

TEST_F(ConvertTest, RadiosChooseTheTurnAndTheSavedLineNamesTheFile)
{
    OpenPhoto(WriteCornerMarkers(TempPath("corners.png"), 80, 60));
    SetText(1005, "40");
    SetText(1006, "30");
    const struct {
        int angleRadio, flipRadio;
        Corner topLeft, topRight;
    } cases[] = {{1019, 1023, Corner::BottomLeft, Corner::TopLeft},   // 90
                 {1021, 1024, Corner::BottomRight, Corner::TopRight},  // 270, mirrored
                 {1020, 1025, Corner::TopRight, Corner::TopLeft},      // 180, flipped vertically
                 {1018, 1023, Corner::TopLeft, Corner::TopRight}};
    for (const auto& c : cases) {
        const QString out = TempPath(QString("out_%1_%2.png").arg(c.angleRadio).arg(c.flipRadio));
        SetText(1003, out);
        Click(c.angleRadio);
        Click(c.flipRadio);
        ::testing::internal::CaptureStdout();
        Click(1000);
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), out.toStdString() + " saved successfully.\n");
        const Decoded d = DecodeFile(out);
        const bool turned = c.angleRadio == 1019 || c.angleRadio == 1021;
        EXPECT_EQ(d.width, turned ? 30 : 40) << out.toStdString();
        EXPECT_EQ(d.At(2, 2), CornerColour(c.topLeft)) << out.toStdString();
        EXPECT_EQ(d.At(d.width - 3, 2), CornerColour(c.topRight)) << out.toStdString();
    }
    EXPECT_TRUE(Texts().isEmpty());
}

TEST_F(ConvertTest, AnsweringNoLeavesTheFileAndRendersNothing)
{
    OpenPhoto(WriteSolid(TempPath("p.png"), 20, 10, {1, 2, 3}));
    SetText(1005, "0");  // would fail if anything were rendered
    // A file the user cannot read (mode 0200) is asked about as well.
    for (const QFileDevice::Permissions mode : {QFileDevice::ReadOwner | QFileDevice::WriteOwner,
                                                QFileDevice::Permissions(QFileDevice::WriteOwner)}) {
        const QString out = TempPath(QString("exists_%1.png").arg(int(mode)));
        WriteAll(out, "precious");
        QFile::setPermissions(out, mode);
        SetText(1003, out);
        (*prompts_)->Clear();
        (*prompts_)->QueueAnswer(IDNO);
        Click(1000);
        ASSERT_EQ((*prompts_)->Messages().size(), 1u) << out.toStdString();
        const PromptRecord q = (*prompts_)->Messages()[0];
        EXPECT_EQ(q.text, out + " exists. Do you want to replace it?");
        EXPECT_EQ(q.caption, "Warning");
        EXPECT_EQ(q.type, 0x34u);
        QFile::setPermissions(out, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        EXPECT_EQ(ReadAll(out), "precious");
    }
}

TEST_F(ConvertTest, AnsweringYesThenFailingKeepsTheOldFile)
{
    const QString out = TempPath("exists.png");
    WriteAll(out, "precious");
    OpenWithOutput(WriteSolid(TempPath("p.png"), 20, 10, {1, 2, 3}), out);
    const struct {
        const char* width;
        const char* height;
        const char* message;
    } failures[] = {{"0", "10", "The output width is invalid!"}, {"20", "-1", "The output hight is invalid!"}};
    for (const auto& f : failures) {
        SetText(1005, f.width);
        SetText(1006, f.height);
        (*prompts_)->QueueAnswer(IDYES);
        (*prompts_)->QueueAnswer(IDOK);
        Click(1000);
        EXPECT_EQ(Texts().last(), f.message);
        EXPECT_EQ(ReadAll(out), "precious");
    }

    SetText(1006, "10");
    (*prompts_)->QueueAnswer(IDYES);
    Click(1000);
    EXPECT_EQ(DecodeFile(out).width, 20) << "Yes with a good conversion replaces the file";
    EXPECT_EQ(FilesInDir(), (QStringList{"exists.png", "p.png"})) << "no temporary file is left";
}

TEST_F(ConvertTest, LongConversionShowsProgressAndCancelKeepsTheOldFile)
{
    const QString out = TempPath("exists.png");
    WriteAll(out, "precious");
    OpenWithOutput(WriteSolid(TempPath("p.png"), 20, 10, {1, 2, 3}), out);
    platform::HoldSavesUntilCancelled(true);  // the save waits, its temporary file open, for Cancel
    (*prompts_)->QueueAnswer(IDYES);
    (*prompts_)->QueueProgressCancel();
    const auto start = std::chrono::steady_clock::now();
    ::testing::internal::CaptureStdout();
    Click(1000);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    platform::HoldSavesUntilCancelled(false);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900)) << "not before a second";
    const auto progress = (*prompts_)->OfKind(PromptRecord::Kind::Progress);
    ASSERT_EQ(progress.size(), 1u);
    EXPECT_EQ(progress[0].owner, dlg_.get());
    // Drawn, then held before a row is written: half way, and never back.
    const std::vector<int> percents = (*prompts_)->ProgressPercents();
    ASSERT_FALSE(percents.empty());
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(percents.back(), 50);
    EXPECT_EQ(Texts().size(), 1u) << "the question only: a cancelled conversion says nothing";
    EXPECT_EQ(ReadAll(out), "precious");
    EXPECT_EQ(FilesInDir(), (QStringList{"exists.png", "p.png"})) << "no temporary file is left";

    // Converting again without the hold is quick, shows no progress, and replaces the file.
    (*prompts_)->QueueAnswer(IDYES);
    ::testing::internal::CaptureStdout();
    Click(1000);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ((*prompts_)->OfKind(PromptRecord::Kind::Progress).size(), 1u);
    EXPECT_EQ(DecodeFile(out).width, 20);
}

// A JPEG with no text and no turn is written while it is drawn: Cancel during that save says
// nothing and leaves the old file and no part file; converted again, it replaces the file.
TEST_F(ConvertTest, CancelWhileAJpegIsWrittenAsDrawnKeepsTheOldFile)
{
    const QString out = TempPath("exists.png");
    WriteAll(out, "precious");
    OpenWithOutput(WriteNoise(TempPath("p.jpg"), 300, 200), out);
    platform::HoldSavesUntilCancelled(true);
    (*prompts_)->QueueAnswer(IDYES);
    (*prompts_)->QueueProgressCancel();
    Click(1000);
    platform::HoldSavesUntilCancelled(false);
    EXPECT_EQ(Texts().size(), 1u) << "the question only: a cancelled conversion says nothing";
    EXPECT_EQ(ReadAll(out), "precious");
    EXPECT_EQ(FilesInDir(), (QStringList{"exists.png", "p.jpg"})) << "no temporary file is left";
    (*prompts_)->QueueAnswer(IDYES);
    Click(1000);
    EXPECT_EQ(DecodeFile(out).width, 300);
}

TEST_F(ConvertTest, SaveFailuresReportTheirPathAndLeaveNothing)
{
    OpenPhoto(WriteSolid(TempPath("p.png"), 20, 10, {1, 2, 3}));
    const QString missing = TempPath("no/such/folder/out.png");
    QDir(dir_.path()).mkdir("a_folder.png");
    for (const QString& out : {missing, TempPath("a_folder.png"), QString()}) {
        SetText(1003, out);
        (*prompts_)->Clear();
        (*prompts_)->QueueAnswer(IDOK);
        Click(1000);
        ASSERT_EQ((*prompts_)->Messages().size(), 1u) << out.toStdString();
        EXPECT_EQ(MessageOf((*prompts_)->Messages()[0].text), "Failed to save the file!");
        EXPECT_EQ((*prompts_)->Messages()[0].caption, out);
    }
    EXPECT_EQ(FilesInDir(), QStringList{"p.png"});
}

TEST_F(ConvertTest, OutputPathLongerThanKeptIsNotCut)
{
    OpenPhoto(WriteSolid(TempPath("p.png"), 20, 10, {1, 2, 3}));
    const QString longPath = dir_.path() + "/" + QString(120, 'a') + "/" + QString(140, 'b') + ".png";
    QDir().mkpath(QFileInfo(longPath).path());
    SetText(1003, longPath);
    (*prompts_)->QueueAnswer(IDOK);  // the edit's own length check
    (*prompts_)->QueueAnswer(IDOK);  // after the exchange, again
    (*prompts_)->QueueAnswer(IDOK);  // the save refused
    Click(1000);
    const QStringList texts = Texts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0], "Enter no more than 256 characters.");
    EXPECT_EQ(texts[2], "Failed to save the file!");
    EXPECT_EQ((*prompts_)->Messages()[2].caption, longPath);
    EXPECT_FALSE(QFile::exists(longPath));
    EXPECT_FALSE(QFile::exists(longPath.left(259)));
}

TEST_F(ConvertTest, UndecodablePhotoFailsTheDrawing)
{
    WriteAll(TempPath("bad.jpg"), "nope");
    (*prompts_)->QueueAnswer(IDOK);
    OpenPhoto(TempPath("bad.jpg"));
    SetText(1003, TempPath("out.png"));
    SetText(1005, "40");
    SetText(1006, "30");
    (*prompts_)->QueueAnswer(IDOK);
    Click(1000);
    EXPECT_EQ(Texts().last(), "Failed to convert photo!");
    EXPECT_FALSE(QFile::exists(TempPath("out.png")));
}

TEST_F(ConvertTest, SizesThatCannotBeAllocatedFailQuickly)
{
    OpenWithOutput(WriteSolid(TempPath("p.png"), 20, 10, {1, 2, 3}), TempPath("big.png"));
    for (const auto& [w, h] : {std::pair{"100000", "100000"}, std::pair{"2147483647", "1"}}) {
        SetText(1005, w);
        SetText(1006, h);
        (*prompts_)->Clear();
        for (int i = 0; i < 3; ++i)
            (*prompts_)->QueueAnswer(IDOK);
        const auto start = std::chrono::steady_clock::now();
        Click(1000);
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 20.0);
        EXPECT_EQ(Texts(), (QStringList{"Failed to SetResolution!", "Failed to SetInterpolationMode!",
                                        "Failed to convert photo!"}));
    }
    EXPECT_FALSE(QFile::exists(TempPath("big.png")));
}

// What the window says when a photo cannot be opened or its picture cannot be saved: the message
// it has always shown, then the reason the engine gave where it stopped.
TEST_F(ConvertTest, EachFailureSaysWhyAfterItsMessage)
{
    const QByteArray png = ReadAll(WriteNoise(TempPath("whole.png"), 300, 200));
    WriteAll(TempPath("cut.png"), png.left(png.size() / 2));
    const QByteArray jpeg = ReadAll(WriteSolid(TempPath("whole.jpg"), 300, 200, {9, 99, 199}));
    WriteAll(TempPath("cut.jpg"), jpeg.left(jpeg.size() - 200));
    QByteArray huge = png;
    const char size[8] = {0, 1, char(0x86), char(0xA0), 0, 1, char(0x86), char(0xA0)};  // 100000 x 100000
    huge.replace(huge.indexOf("IHDR") + 4, 8, QByteArray(size, 8));
    WriteAll(TempPath("huge.png"), huge);
    const struct {
        const char* photo;
        QString reason;
    } opened[] = {
        {"cut.png", "damaged: its data ends early"},
        {"cut.jpg", "damaged: its data ends early"},
        {"huge.png", "too large: its header gives 100000 x 100000 pixels, over the limit of " +
                         QString::number(platform::kMaxImagePixels) + " pixels"},
    };
    for (const auto& c : opened) {
        (*prompts_)->Clear();
        (*prompts_)->QueueAnswer(IDOK);
        OpenPhoto(TempPath(c.photo));
        EXPECT_EQ(Texts(), QStringList{"Can not get the width of the photo!"}) << c.photo;
        EXPECT_EQ((*prompts_)->Reasons(), QStringList{c.reason}) << c.photo;
    }

    OpenPhoto(TempPath("whole.png"));
    const ScratchMount full(TempPath("full"), 256 * 1024);
    const ScratchMount readOnly(TempPath("readonly"), 64 * 1024, true);
    if (!full.Mounted() || !readOnly.Mounted())
        GTEST_SKIP() << "mounting a tmpfs needs the superuser";
    full.FillLeaving(16 * 1024);
    const QString longName = TempPath(QString(130, QChar(0xE9)) + ".png");  // 264 bytes, 134 characters
    const struct {
        QString output;
        rlim_t sizeLimit;
        QString reason;
    } saved[] = {
        {TempPath("full/out.png"), RLIM_INFINITY, "no space left on the device"},
        {TempPath("readonly/out.png"), RLIM_INFINITY, "the file system is read-only"},
        {longName, RLIM_INFINITY, "the name is too long"},
        {TempPath("limited.png"), 20'000, "over the file size limit"},
    };
    for (const auto& c : saved) {
        SetText(1003, c.output);
        (*prompts_)->Clear();
        (*prompts_)->QueueAnswer(IDOK);
        struct rlimit before {};
        ::getrlimit(RLIMIT_FSIZE, &before);
        const auto ignored = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = before;
        limit.rlim_cur = c.sizeLimit;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        Click(1000);
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, ignored);
        EXPECT_EQ(Texts(), QStringList{"Failed to save the file!"}) << c.reason.toStdString();
        EXPECT_EQ((*prompts_)->Reasons(), QStringList{c.reason});
        EXPECT_FALSE(QFile::exists(c.output));
    }
    EXPECT_EQ(QDir(TempPath("full")).entryList(QDir::Files | QDir::Hidden), QStringList{".filler"});
}

TEST_F(ConvertTest, StoredUnknownAngleIsReportedAndTheFileStillWritten)
{
    platform::SettingsStore::WriteProfileInt("Option", "nRotateAngel", 45);
    platform::SettingsStore::WriteProfileInt("Option", "nFlipType", 1);
    (*prompts_)->QueueAnswer(IDOK);  // at start-up
    (*prompts_)->QueueAnswer(IDOK);  // at conversion
    COrvanelDlg dlg;
    dlg.Create();
    for (int id : {1018, 1019, 1020, 1021})
        EXPECT_FALSE(dlg.IsDlgButtonChecked(id)) << id;
    EXPECT_TRUE(dlg.IsDlgButtonChecked(1024));
    (*prompts_)->QueueFile(WriteCornerMarkers(TempPath("c.png"), 40, 20));
    qobject_cast<QAbstractButton*>(dlg.GetDlgItem(1001))->click();
    dlg.SetDlgItemText(1003, TempPath("odd.png"));
    qobject_cast<QAbstractButton*>(dlg.GetDlgItem(1000))->click();
    EXPECT_EQ(Texts(), (QStringList{"Unknown rotate angle!", "Unknown rotate angle!"}));
    const Decoded d = DecodeFile(TempPath("odd.png"));
    EXPECT_EQ(d.width, 40);
    EXPECT_EQ(d.At(1, 1), CornerColour(Corner::TopRight)) << "the flip still applies";
}

TEST_F(ConvertTest, ReadOnlyFolderReportsTheSave)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    QDir(dir_.path()).mkdir("ro");
    QFile::setPermissions(TempPath("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    OpenWithOutput(WriteSolid(TempPath("p.png"), 20, 10, {1, 2, 3}), TempPath("ro/out.png"));
    (*prompts_)->QueueAnswer(IDOK);
    Click(1000);
    EXPECT_EQ(Texts(), QStringList{"Failed to save the file!"});
    EXPECT_TRUE(QDir(TempPath("ro")).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QFile::setPermissions(TempPath("ro"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(ConvertTest, BrowseMakesThePngNameAndRemembersTheFolder)
{
    OpenPhoto(WriteSolid(TempPath("p.png"), 20, 10, {1, 2, 3}));
    const QString start = TextOf(1003);
    SetText(1003, "/somewhere/typed.png");  // Browse starts from the last exchanged path
    (*prompts_)->QueueFile(dir_.path() + "/my.folder/result.jpg");
    Click(1004);
    const auto& r = (*prompts_)->Records().back().request;
    EXPECT_EQ(r.title, "Select Output");
    EXPECT_EQ(r.initialFolder, start.left(start.lastIndexOf('/')));
    EXPECT_EQ(r.initialName, "*.*");
    EXPECT_EQ(r.flags, 4u);
    ASSERT_EQ(r.filters.size(), 1u);
    EXPECT_EQ(r.filters[0].patterns, "*.png");
    EXPECT_EQ(TextOf(1003), dir_.path() + "/my.folder/result.png");
    EXPECT_EQ(platform::SettingsStore::GetProfileString("Option", "last_output_folder", ""), dir_.path() + "/my.folder/");

    (*prompts_)->QueueFile(dir_.path() + "/my.folder/noext");
    Click(1004);
    EXPECT_EQ(TextOf(1003), dir_.path() + "/my.folder/noext.png");

    (*prompts_)->QueueFile(std::nullopt);
    Click(1004);
    EXPECT_EQ(TextOf(1003), dir_.path() + "/my.folder/noext.png") << "cancel changes nothing";
}

TEST_F(ConvertTest, CalculatorKeepsTheAspectRatio)
{
    (*prompts_)->QueueAnswer(IDOK);
    (*prompts_)->QueueAnswer(IDOK);
    Click(1011);
    Click(1012);
    EXPECT_EQ(Texts(), (QStringList{"Please open a photo file first!", "Please open a photo file first!"}));

    OpenPhoto(WriteSolid(TempPath("p.png"), 600, 110, {1, 2, 3}));
    SetText(1005, "600");
    Click(1011);
    EXPECT_EQ(TextOf(1006), "109");
    SetText(1006, "55");
    Click(1012);
    EXPECT_EQ(TextOf(1005), "300");
    SetText(1005, "letters");
    Click(1011);
    EXPECT_EQ(TextOf(1006), "0");

    WriteAll(TempPath("bad.jpg"), "");
    (*prompts_)->QueueAnswer(IDOK);
    OpenPhoto(TempPath("bad.jpg"));
    SetText(1005, "800");
    Click(1011);
    EXPECT_EQ(TextOf(1006), "0") << "no ratio without a decoded photo";
}

}  // namespace

// Closing the window while a conversion runs cancels it, then closes as the close box does.
TEST_F(ConvertTest, ClosingDuringAConversionCancelsItAndSavesTheSettings)
{
    OpenWithOutput(WriteSolid(TempPath("p.png"), 20, 10, {1, 2, 3}), TempPath("out.png"));
    Click(1019);  // 90 degrees, stored when the window closes
    platform::HoldSavesUntilCancelled(true);
    QTimer::singleShot(100, dlg_.get(), [this] { dlg_->close(); });
    Click(1000);
    platform::HoldSavesUntilCancelled(false);
    EXPECT_FALSE(dlg_->isHidden()) << "not closed while the conversion was still ending";
    QCoreApplication::processEvents();
    EXPECT_TRUE(dlg_->isHidden());
    EXPECT_EQ(FilesInDir(), QStringList{"p.png"});
    EXPECT_EQ(Texts(), QStringList{}) << "a cancelled conversion says nothing";
    SettingsStoreProbe::Reload();
    EXPECT_EQ(platform::SettingsStore::GetProfileInt("Option", "nRotateAngel", 0), 90);
}
