// Opening a photo through the real main window, with scripted prompts.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSignalBlocker>

#include "platform/ui/SettingsStore.h"
#include "support/Fixtures.h"
#include "support/MainDialogFixture.h"

using platform::IDOK;

namespace {

class OpenPhotoTest : public MainDialogFixture {
protected:
    QString LastPhotoFolder() const
    {
        return platform::SettingsStore::GetProfileString("Option", "LastPhotoFolder", "<none>");
    }
    Rgb ActivePixel(int x, int y) const
    {
        return ActiveFramePixel(*dlg_->m_pImage, x, y);
    }
};

TEST_F(OpenPhotoTest, FirstStateHasNothingToConvert)
{
    EXPECT_FALSE(IsEnabled(1003));
    EXPECT_FALSE(IsEnabled(1005));
    EXPECT_FALSE(IsEnabled(1006));
    EXPECT_FALSE(IsShown(1039));
    EXPECT_FALSE(IsShown(1040));
    EXPECT_FALSE(IsShown(1041));
    EXPECT_EQ(TextOf(1043), "0");
    EXPECT_EQ(TextOf(1044), "0");
    EXPECT_TRUE(dlg_->IsDlgButtonChecked(1018));
    EXPECT_TRUE(dlg_->IsDlgButtonChecked(1023));
    // The output folder is the pictures folder with its trailing '/'.
    EXPECT_TRUE(dlg_->m_strOutputFolder.endsWith("/Pictures/")) << dlg_->m_strOutputFolder.toStdString();
    EXPECT_EQ(TextOf(1003), dlg_->m_strOutputFolder);
}

TEST_F(OpenPhotoTest, StillPhotoFillsSizeInformationAndProposal)
{
    const QString photo = WriteSolid(TempPath("holiday.photo.jpg"), 64, 48, {90, 60, 30});
    OpenPhoto(photo);

    const auto& open = (*prompts_)->Records().at(0);
    EXPECT_EQ(open.kind, PromptRecord::Kind::OpenFile);
    EXPECT_EQ(open.owner, dlg_.get());
    EXPECT_EQ(open.request.title, "Select a Photo file...");
    EXPECT_EQ(open.request.flags, 0x81801u);
    EXPECT_EQ(open.request.initialFolder, "");
    ASSERT_EQ(open.request.filters.size(), 2u);
    EXPECT_EQ(open.request.filters[0].patterns,
              "*.bmp;*.gif;*.png;*.tif;*.jpg;*.jpeg;*.ico;*.exif;*.wmf;*.emf;*.dib;*.raw;*.tiff");
    EXPECT_EQ(open.request.filters[1].description, "Any Files (*.*)");

    EXPECT_EQ(dlg_->m_szPhotoFile, photo);
    EXPECT_EQ(LastPhotoFolder(), dir_.path() + "/");
    EXPECT_EQ(TextOf(1009), "holiday.photo.jpg 64 * 48");
    EXPECT_EQ(TextOf(1005), "64");
    EXPECT_EQ(TextOf(1006), "48");
    EXPECT_TRUE(IsEnabled(1003) && IsEnabled(1005) && IsEnabled(1006));
    EXPECT_EQ(TextOf(1003), dlg_->m_strOutputFolder + "holiday.photo_out.png");
    EXPECT_EQ(dlg_->m_strOutputFile, TextOf(1003));
    EXPECT_FALSE(IsShown(1039));
    EXPECT_FALSE(IsShown(1040));
    EXPECT_FALSE(IsShown(1041));
    EXPECT_EQ(TextOf(1040), "Set frame from 0 to 0");
    EXPECT_EQ(dlg_->m_nDimensionCount, 1u);

    // The next open starts in the folder remembered.
    (*prompts_)->QueueFile(std::nullopt);
    Click(1001);
    EXPECT_EQ((*prompts_)->Records().back().request.initialFolder, dir_.path() + "/");
    EXPECT_EQ(dlg_->m_szPhotoFile, photo) << "cancel changes nothing";
}

TEST_F(OpenPhotoTest, NameWithoutDotGetsSuffix)
{
    QFile::rename(WriteSolid(TempPath("scan.png"), 20, 10, {1, 1, 1}), TempPath("scan"));
    OpenPhoto(TempPath("scan"));
    EXPECT_TRUE(TextOf(1003).endsWith("/scan_out.png"));
}

TEST_F(OpenPhotoTest, AnimatedGifFramesAreChosenByNumber)
{
    OpenPhoto(WriteFramesGif(TempPath("anim.gif"), 30, 20, 10));
    EXPECT_FALSE(IsShown(1039)) << "one dimension: no combo box";
    EXPECT_TRUE(IsShown(1040));
    EXPECT_TRUE(IsShown(1041));
    EXPECT_EQ(TextOf(1040), "Set frame from 0 to 9");
    EXPECT_EQ(dlg_->m_comboDimension.GetLBText(0), "FrameDimensionTime");
    EXPECT_EQ(TextOf(1041), "0");

    SetText(1041, "3");
    const Rgb three = ActivePixel(5, 5);
    EXPECT_NEAR(three[1], ColourOfFrame(3)[1], 3);

    SetText(1041, "12");
    EXPECT_EQ(TextOf(1041), "9") << "beyond the last frame is corrected to it";
    EXPECT_NEAR(ActivePixel(5, 5)[1], ColourOfFrame(9)[1], 3);

    SetText(1041, "-3");
    EXPECT_EQ(TextOf(1041), "0");
    EXPECT_NEAR(ActivePixel(5, 5)[1], ColourOfFrame(0)[1], 3);

    SetText(1041, "");  // an empty edit changes nothing
    EXPECT_NEAR(ActivePixel(5, 5)[1], ColourOfFrame(0)[1], 3);
    EXPECT_TRUE((*prompts_)->Messages().empty());
}

TEST_F(OpenPhotoTest, PreviewShowsTheWholeActiveFrameStretched)
{
    QWidget* preview = dlg_->GetDlgItem(1002);
    const auto colourAt = [&](double fx, double fy) {
        const QImage shot = preview->grab().toImage();
        const QColor c = shot.pixelColor(int(fx * (shot.width() - 1)), int(fy * (shot.height() - 1)));
        return Rgb{std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
    };
    EXPECT_EQ(colourAt(0.5, 0.5), (Rgb{0, 0, 0})) << "black before any photo";

    OpenPhoto(WriteCornerMarkers(TempPath("c.png"), 800, 100));
    EXPECT_EQ(colourAt(0.02, 0.04), CornerColour(Corner::TopLeft));
    EXPECT_EQ(colourAt(0.98, 0.04), CornerColour(Corner::TopRight));
    EXPECT_EQ(colourAt(0.02, 0.96), CornerColour(Corner::BottomLeft));
    EXPECT_EQ(colourAt(0.98, 0.96), CornerColour(Corner::BottomRight));

    OpenPhoto(WriteFramesGif(TempPath("anim.gif"), 30, 20, 5));
    SetText(1041, "4");
    EXPECT_NEAR(colourAt(0.5, 0.5)[1], ColourOfFrame(4)[1], 3);
}

TEST_F(OpenPhotoTest, LeavingFrameNumberOutOfRangeIsReported)
{
    OpenPhoto(WriteFramesGif(TempPath("anim.gif"), 30, 20, 4));
    auto* edit = qobject_cast<QLineEdit*>(dlg_->GetDlgItem(1041));
    {
        // A text that escaped correction, as when the dimension changed under it.
        const QSignalBlocker block(edit);
        edit->setText("7");
    }
    (*prompts_)->QueueAnswer(IDOK);
    LeaveEdit(1041);
    ASSERT_EQ((*prompts_)->Messages().size(), 1u);
    EXPECT_EQ((*prompts_)->Messages()[0].text, "The frame number is invalid. Please enter again!");
    EXPECT_EQ((*prompts_)->Messages()[0].caption, "Error");
    EXPECT_EQ(TextOf(1041), "7");

    {
        const QSignalBlocker block(edit);
        edit->setText("2");
    }
    LeaveEdit(1041);
    EXPECT_EQ((*prompts_)->Messages().size(), 1u);
    EXPECT_NEAR(ActivePixel(1, 1)[0], ColourOfFrame(2)[0], 3);
}

TEST_F(OpenPhotoTest, TiffPagesAndDimensionChange)
{
    OpenPhoto(DataFile("pages_3_sizes.tif"));
    EXPECT_EQ(dlg_->m_comboDimension.GetLBText(0), "FrameDimensionPage");
    EXPECT_EQ(TextOf(1040), "Set frame from 0 to 2");
    SetText(1041, "1");
    EXPECT_EQ(dlg_->m_pImage->Width(), 20u);
    EXPECT_EQ(dlg_->m_pImage->Height(), 50u);
    // Choosing a dimension in the list only relabels the range.
    SetText(1040, "something else");
    auto* combo = qobject_cast<QComboBox*>(dlg_->GetDlgItem(1039));
    Q_EMIT combo->activated(0);
    EXPECT_EQ(TextOf(1040), "Set frame from 0 to 2");
    EXPECT_EQ(dlg_->m_pImage->Width(), 20u);
    EXPECT_EQ(TextOf(1041), "1");
}

TEST_F(OpenPhotoTest, UndecodablePhotoIsReportedAndKeepsEarlierState)
{
    OpenPhoto(WriteSolid(TempPath("good.png"), 64, 48, {1, 2, 3}));
    for (const char* name : {"empty.jpg", "text.jpg"}) {
        const QString bad = TempPath(name);
        WriteAll(bad, QByteArray(name).startsWith("empty") ? QByteArray() : QByteArray("not a photo\n"));
        (*prompts_)->Clear();
        (*prompts_)->QueueAnswer(IDOK);
        OpenPhoto(bad);
        ASSERT_EQ((*prompts_)->Messages().size(), 1u) << name;
        EXPECT_EQ((*prompts_)->Messages()[0].text, "Can not get the width of the photo!");
        EXPECT_EQ((*prompts_)->Messages()[0].caption, bad);
        EXPECT_EQ(dlg_->m_szPhotoFile, bad);
        EXPECT_EQ(dlg_->m_nPhotoWidth, 0);
        EXPECT_TRUE(TextOf(1003).endsWith(QString(name).section('.', 0, 0) + "_out.png"));
        EXPECT_EQ(TextOf(1009), "good.png 64 * 48") << "the information line keeps the last photo";
        EXPECT_EQ(TextOf(1005), "64");
    }
}

TEST_F(OpenPhotoTest, TextPositionBeyondPhotoIsResetWithWarnings)
{
    SetText(1043, "500");
    SetText(1044, "48");
    (*prompts_)->QueueAnswer(IDOK);
    (*prompts_)->QueueAnswer(IDOK);
    OpenPhoto(WriteSolid(TempPath("p.png"), 400, 48, {1, 2, 3}));
    const auto messages = (*prompts_)->Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "The text position X is bigger than the photo width!, The program set it to 0 now.");
    EXPECT_EQ(messages[0].caption, "Warning");
    EXPECT_EQ(messages[1].text, "The text position Y is bigger than the photo height!, The program set it to 0 now.");
    EXPECT_EQ(TextOf(1043), "0");
    EXPECT_EQ(TextOf(1044), "0");

    // Negative positions and positions inside the photo pass.
    SetText(1043, "-5");
    SetText(1044, "47");
    OpenPhoto(TempPath("p.png"));
    EXPECT_EQ(TextOf(1043), "-5");
    EXPECT_EQ(TextOf(1044), "47");
}

TEST_F(OpenPhotoTest, PathLongerThanTheProgramKeepsIsRefused)
{
    OpenPhoto(WriteSolid(TempPath("keep.png"), 10, 8, {1, 2, 3}));
    const QString tooLong = "/tmp/" + QString(300, 'a') + ".png";
    (*prompts_)->QueueAnswer(IDOK);
    OpenPhoto(tooLong);
    ASSERT_EQ((*prompts_)->Messages().size(), 1u);
    EXPECT_EQ((*prompts_)->Messages()[0].caption, tooLong);
    EXPECT_EQ(dlg_->m_szPhotoFile, TempPath("keep.png"));
    EXPECT_EQ(LastPhotoFolder(), dir_.path() + "/");
}

}  // namespace
