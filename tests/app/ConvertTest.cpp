// Converting through the real main window: checks and messages in order, orientation by pixels,
// the PNG written, safe overwrite, Browse and the aspect-ratio calculator.
#include <unistd.h>

#include <chrono>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <vips/vips8>

#include "platform/ui/SettingsStore.h"
#include "support/Fixtures.h"
#include "support/MainDialogFixture.h"

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

TEST_F(ConvertTest, TwelveOrientationsByCornerMarkers)
{
    using C = Corner;
    struct Case {
        int angleRadio, flipRadio;
        std::array<Corner, 4> corners;  // colours expected at TL, TR, BL, BR of the output
    };
    const Case cases[] = {
        {1018, 1023, {C::TopLeft, C::TopRight, C::BottomLeft, C::BottomRight}},
        {1018, 1024, {C::TopRight, C::TopLeft, C::BottomRight, C::BottomLeft}},
        {1018, 1025, {C::BottomLeft, C::BottomRight, C::TopLeft, C::TopRight}},
        {1019, 1023, {C::BottomLeft, C::TopLeft, C::BottomRight, C::TopRight}},
        {1019, 1024, {C::TopLeft, C::BottomLeft, C::TopRight, C::BottomRight}},
        {1019, 1025, {C::BottomRight, C::TopRight, C::BottomLeft, C::TopLeft}},
        {1020, 1023, {C::BottomRight, C::BottomLeft, C::TopRight, C::TopLeft}},
        {1020, 1024, {C::BottomLeft, C::BottomRight, C::TopLeft, C::TopRight}},
        {1020, 1025, {C::TopRight, C::TopLeft, C::BottomRight, C::BottomLeft}},
        {1021, 1023, {C::TopRight, C::BottomRight, C::TopLeft, C::BottomLeft}},
        {1021, 1024, {C::BottomRight, C::TopRight, C::BottomLeft, C::TopLeft}},
        {1021, 1025, {C::TopLeft, C::BottomLeft, C::TopRight, C::BottomRight}},
    };
    OpenPhoto(WriteCornerMarkers(TempPath("corners.png"), 80, 60));
    SetText(1005, "40");
    SetText(1006, "30");
    for (const auto& c : cases) {
        const QString out = TempPath(QString("out_%1_%2.png").arg(c.angleRadio).arg(c.flipRadio));
        SetText(1003, out);
        Click(c.angleRadio);
        Click(c.flipRadio);
        Click(1000);
        ASSERT_TRUE(QFile::exists(out)) << out.toStdString();
        const Decoded d = DecodeFile(out);
        const bool turned = c.angleRadio == 1019 || c.angleRadio == 1021;
        EXPECT_EQ(d.width, turned ? 30 : 40) << out.toStdString();
        EXPECT_EQ(d.height, turned ? 40 : 30) << out.toStdString();
        const int r = d.width - 3, b = d.height - 3;
        EXPECT_EQ(d.At(2, 2), CornerColour(c.corners[0])) << out.toStdString() << " top left";
        EXPECT_EQ(d.At(r, 2), CornerColour(c.corners[1])) << out.toStdString() << " top right";
        EXPECT_EQ(d.At(2, b), CornerColour(c.corners[2])) << out.toStdString() << " bottom left";
        EXPECT_EQ(d.At(r, b), CornerColour(c.corners[3])) << out.toStdString() << " bottom right";
    }
    EXPECT_TRUE(Texts().isEmpty());
}

TEST_F(ConvertTest, WritesRgbPngWithResolutionAndNothingElse)
{
    const QString out = TempPath("out.png");
    OpenWithOutput(WriteSolid(TempPath("dpi.jpg"), 64, 48, {200, 100, 50}, 300, 150), out);
    ::testing::internal::CaptureStdout();
    Click(1000);
    const std::string printed = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(printed, out.toStdString() + " saved successfully.\n");
    EXPECT_TRUE(Texts().isEmpty());

    const auto chunks = ReadPngChunks(out);
    ASSERT_GE(chunks.size(), 4u);
    EXPECT_EQ(chunks.front().type, "IHDR");
    EXPECT_EQ(chunks.front().data[8], 8) << "bit depth";
    EXPECT_EQ(chunks.front().data[9], 2) << "colour type RGB";
    EXPECT_EQ(chunks.back().type, "IEND");
    bool phys = false;
    for (const auto& c : chunks) {
        EXPECT_TRUE(c.type == "IHDR" || c.type == "pHYs" || c.type == "IDAT" || c.type == "IEND") << c.type;
        if (c.type == "pHYs") {
            phys = true;
            const auto& p = c.data;
            const std::uint32_t x = (p[0] << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
            const std::uint32_t y = (p[4] << 24) | (p[5] << 16) | (p[6] << 8) | p[7];
            EXPECT_EQ(x, 11811u) << "300 dpi";
            EXPECT_EQ(y, 11811u) << "the horizontal resolution on both axes";
            EXPECT_EQ(p[8], 1);
        }
    }
    EXPECT_TRUE(phys);
    if (const auto ok = PngCheckAccepts(out)) {
        EXPECT_TRUE(*ok);
    }
    const Decoded d = DecodeFile(out);
    EXPECT_EQ(d.bands, 3);
    EXPECT_EQ(d.At(10, 10), (Rgb{200, 100, 50}));
}

TEST_F(ConvertTest, SameSizeKeepsEveryPixelAndAlphaGoesOntoBlack)
{
    vips::VImage noise = vips::VImage::gaussnoise(37, 23, vips::VImage::option()->set("sigma", 60.0))
                             .bandjoin(vips::VImage::gaussnoise(37, 23))
                             .bandjoin(vips::VImage::gaussnoise(37, 23))
                             .cast(VIPS_FORMAT_UCHAR)
                             .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    noise.write_to_file(TempPath("noise.png").toLocal8Bit().constData());
    OpenWithOutput(TempPath("noise.png"), TempPath("same.png"));
    Click(1000);
    const Decoded in = DecodeFile(TempPath("noise.png"));
    const Decoded out = DecodeFile(TempPath("same.png"));
    ASSERT_EQ(out.width, 37);
    ASSERT_EQ(out.height, 23);
    EXPECT_EQ(out.pixels, in.pixels);

    // Half-transparent red over the black bitmap.
    vips::VImage rgba = vips::VImage::black(10, 6)
                            .new_from_image(std::vector<double>{255, 0, 0, 128})
                            .cast(VIPS_FORMAT_UCHAR)
                            .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    rgba.write_to_file(TempPath("alpha.png").toLocal8Bit().constData());
    OpenWithOutput(TempPath("alpha.png"), TempPath("alpha_out.png"));
    Click(1000);
    const Rgb px = DecodeFile(TempPath("alpha_out.png")).At(5, 3);
    EXPECT_NEAR(px[0], 128, 1);
    EXPECT_EQ(px[1], 0);
    EXPECT_EQ(px[2], 0);
}

TEST_F(ConvertTest, StretchesToTheOutputSizeWithoutCropping)
{
    OpenWithOutput(WriteCornerMarkers(TempPath("wide.png"), 800, 600), TempPath("square.png"));
    SetText(1005, "100");
    SetText(1006, "100");
    Click(1000);
    const Decoded d = DecodeFile(TempPath("square.png"));
    EXPECT_EQ(d.width, 100);
    EXPECT_EQ(d.height, 100);
    EXPECT_EQ(d.At(1, 1), CornerColour(Corner::TopLeft));
    EXPECT_EQ(d.At(98, 98), CornerColour(Corner::BottomRight));
}

TEST_F(ConvertTest, AnsweringNoLeavesTheFileAndRendersNothing)
{
    const QString out = TempPath("exists.png");
    WriteAll(out, "precious");
    OpenWithOutput(WriteSolid(TempPath("p.png"), 20, 10, {1, 2, 3}), out);
    SetText(1005, "0");  // would fail if anything were rendered
    (*prompts_)->QueueAnswer(IDNO);
    Click(1000);
    ASSERT_EQ((*prompts_)->Messages().size(), 1u);
    const PromptRecord q = (*prompts_)->Messages()[0];
    EXPECT_EQ(q.text, out + " exists. Do you want to replace it?");
    EXPECT_EQ(q.caption, "Warning");
    EXPECT_EQ(q.type, 0x34u);
    EXPECT_EQ(ReadAll(out), "precious");
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
        EXPECT_EQ((*prompts_)->Messages()[0].text, "Failed to save the file!");
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

TEST_F(ConvertTest, UnknownAngleIsReportedAndTheFileStillWritten)
{
    OpenWithOutput(WriteCornerMarkers(TempPath("c.png"), 40, 20), TempPath("odd.png"));
    dlg_->m_nRotateAngel = 45;
    dlg_->m_nFlipType = 1;
    (*prompts_)->QueueAnswer(IDOK);
    Click(1000);
    EXPECT_EQ(Texts(), QStringList{"Unknown rotate angle!"});
    const Decoded d = DecodeFile(TempPath("odd.png"));
    EXPECT_EQ(d.width, 40);
    EXPECT_EQ(d.At(1, 1), CornerColour(Corner::TopRight)) << "the flip still applies";

    // An unknown flip is not reported and does not flip.
    dlg_->m_nRotateAngel = 0;
    dlg_->m_nFlipType = 7;
    SetText(1003, TempPath("oddflip.png"));
    Click(1000);
    EXPECT_EQ(DecodeFile(TempPath("oddflip.png")).At(1, 1), CornerColour(Corner::TopLeft));
    EXPECT_EQ(Texts().size(), 1);
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

TEST_F(ConvertTest, PhotoChangedOnDiskAfterOpeningFailsTheDrawing)
{
    OpenWithOutput(WriteSolid(TempPath("gone.png"), 20, 10, {9, 8, 7}), TempPath("out.png"));
    QFile::remove(TempPath("gone.png"));
    (*prompts_)->QueueAnswer(IDOK);
    Click(1000);
    EXPECT_EQ(Texts(), QStringList{"Failed to convert photo!"});
    EXPECT_FALSE(QFile::exists(TempPath("out.png")));

    // Cut short after opening: the conversion notices, and writes nothing half-done.
    WriteSolid(TempPath("cut.jpg"), 300, 200, {9, 8, 7});
    OpenWithOutput(TempPath("cut.jpg"), TempPath("out.png"));
    WriteAll(TempPath("cut.jpg"), ReadAll(TempPath("cut.jpg")).left(400));
    (*prompts_)->QueueAnswer(IDOK);
    Click(1000);
    EXPECT_EQ(Texts().last(), "Failed to convert photo!");
    EXPECT_FALSE(QFile::exists(TempPath("out.png")));
}

TEST_F(ConvertTest, BrowseMakesThePngNameAndRemembersTheFolder)
{
    OpenPhoto(WriteSolid(TempPath("p.png"), 20, 10, {1, 2, 3}));
    SetText(1003, "/somewhere/typed.png");  // Browse starts from the last exchanged path
    const QString start = dlg_->m_strOutputFile;
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
    EXPECT_EQ(dlg_->m_strOutputFolder, dir_.path() + "/my.folder/");
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
    EXPECT_EQ(dlg_->m_nOutputHeight, 109);
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
