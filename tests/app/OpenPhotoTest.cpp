// Opening a photo through the real main window, with scripted prompts.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalBlocker>

#include "services/SettingsStore.h"
#include <vips/vips8>

#include "support/BayerDng.h"
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
    // The colour the preview shows at a fraction of its width and height.
    Rgb PreviewAt(double fx = 0.5, double fy = 0.5) const
    {
        const QImage shot = dlg_->GetDlgItem(1002)->grab().toImage();
        const QColor c = shot.pixelColor(int(fx * (shot.width() - 1)), int(fy * (shot.height() - 1)));
        return Rgb{std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
    }
    QString ComboItem(int index) const
    {
        return qobject_cast<QComboBox*>(dlg_->GetDlgItem(1039))->itemText(index);
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
    EXPECT_EQ(TextOf(1003), QDir::homePath() + "/Pictures/");
}

TEST_F(OpenPhotoTest, StillPhotoFillsSizeInformationAndProposal)
{
    const QString photo = WriteSolid(TempPath("holiday.photo.jpg"), 64, 48, {90, 60, 30});
    const QString outputFolder = TextOf(1003);
    OpenPhoto(photo);

    const auto& open = (*prompts_)->Records().at(0);
    EXPECT_EQ(open.kind, PromptRecord::Kind::OpenFile);
    EXPECT_EQ(open.owner, dlg_.get());
    EXPECT_EQ(open.request.title, "Select a Photo file...");
    EXPECT_EQ(open.request.flags, 0x81801u);
    EXPECT_EQ(open.request.initialFolder, "");
    ASSERT_EQ(open.request.filters.size(), 2u);
    EXPECT_EQ(open.request.filters[0].patterns,
              "*.bmp;*.gif;*.png;*.tif;*.jpg;*.jpeg;*.ico;*.exif;*.wmf;*.emf;*.dib;*.raw;*.tiff;"
              "*.webp;*.heic;*.heif;*.avif;*.jxl;*.jp2;*.j2k;*.dng;*.cr2;*.cr3;*.nef;*.arw;*.orf;*.rw2;*.raf;*.pef;*.srw");
    EXPECT_TRUE(open.request.filters[0].description.endsWith(
        "*.j2k;*.dng;*.cr2;*.cr3;*.nef;*.arw;*.orf;*.rw2;*.raf;*.pef;*.srw)"));
    EXPECT_EQ(open.request.filters[1].description, "Any Files (*.*)");

    EXPECT_EQ(LastPhotoFolder(), dir_.path() + "/");
    EXPECT_EQ(TextOf(1009), "holiday.photo.jpg 64 * 48");
    EXPECT_EQ(TextOf(1005), "64");
    EXPECT_EQ(TextOf(1006), "48");
    EXPECT_TRUE(IsEnabled(1003) && IsEnabled(1005) && IsEnabled(1006));
    EXPECT_EQ(TextOf(1003), outputFolder + "holiday.photo_out.png");
    EXPECT_FALSE(IsShown(1039));
    EXPECT_FALSE(IsShown(1040));
    EXPECT_FALSE(IsShown(1041));
    EXPECT_EQ(TextOf(1040), "Set frame from 0 to 0");
    EXPECT_EQ(ComboItem(0), "FrameDimensionPage");

    // The next open starts in the folder remembered.
    (*prompts_)->QueueFile(std::nullopt);
    Click(1001);
    EXPECT_EQ((*prompts_)->Records().back().request.initialFolder, dir_.path() + "/");
    EXPECT_EQ(TextOf(1009), "holiday.photo.jpg 64 * 48") << "cancel changes nothing";
    EXPECT_EQ(TextOf(1003), outputFolder + "holiday.photo_out.png");
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
    EXPECT_EQ(ComboItem(0), "FrameDimensionTime");
    EXPECT_EQ(TextOf(1041), "0");

    SetText(1041, "3");
    EXPECT_NEAR(PreviewAt()[1], ColourOfFrame(3)[1], 3);

    SetText(1041, "12");
    EXPECT_EQ(TextOf(1041), "9") << "beyond the last frame is corrected to it";
    EXPECT_NEAR(PreviewAt()[1], ColourOfFrame(9)[1], 3);

    SetText(1041, "-3");
    EXPECT_EQ(TextOf(1041), "0");
    EXPECT_NEAR(PreviewAt()[1], ColourOfFrame(0)[1], 3);

    SetText(1041, "");  // an empty edit changes nothing
    EXPECT_NEAR(PreviewAt()[1], ColourOfFrame(0)[1], 3);
    EXPECT_TRUE((*prompts_)->Messages().empty());
}

TEST_F(OpenPhotoTest, PreviewShowsTheWholeActiveFrameStretched)
{
    EXPECT_EQ(PreviewAt(), (Rgb{0, 0, 0})) << "black before any photo";

    OpenPhoto(WriteCornerMarkers(TempPath("c.png"), 800, 100));
    EXPECT_EQ(PreviewAt(0.02, 0.04), CornerColour(Corner::TopLeft));
    EXPECT_EQ(PreviewAt(0.98, 0.04), CornerColour(Corner::TopRight));
    EXPECT_EQ(PreviewAt(0.02, 0.96), CornerColour(Corner::BottomLeft));
    EXPECT_EQ(PreviewAt(0.98, 0.96), CornerColour(Corner::BottomRight));

    OpenPhoto(WriteFramesGif(TempPath("anim.gif"), 30, 20, 5));
    SetText(1041, "4");
    EXPECT_NEAR(PreviewAt()[1], ColourOfFrame(4)[1], 3);
}

TEST_F(OpenPhotoTest, CameraRawShowsItsOwnPreviewTurnedAsShot)
{
    // A dim sensor whose camera preview, stored as the sensor saw it, has a red top-left quadrant.
    BayerDngLayout layout;
    layout.orientation = 6;
    layout.value = [](int, int, int) { return std::uint16_t(3000); };
    const vips::VImage quadrant = vips::VImage::black(384, 256, vips::VImage::option()->set("bands", 3));
    const vips::VImage red = quadrant.new_from_image(std::vector<double>{255, 0, 0});
    const vips::VImage preview = red.join(quadrant, VIPS_DIRECTION_HORIZONTAL)
                                     .join(quadrant.join(quadrant, VIPS_DIRECTION_HORIZONTAL), VIPS_DIRECTION_VERTICAL)
                                     .cast(VIPS_FORMAT_UCHAR)
                                     .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    void* jpeg = nullptr;
    size_t size = 0;
    preview.write_to_buffer(".jpg", &jpeg, &size);
    layout.thumbnail = {768, 512, true, QByteArray(static_cast<const char*>(jpeg), qsizetype(size))};
    g_free(jpeg);
    OpenPhoto(WriteBayerDng(TempPath("shot.dng"), layout));
    EXPECT_TRUE((*prompts_)->Messages().empty());
    EXPECT_EQ(TextOf(1009), "shot.dng 64 * 96");
    EXPECT_EQ(ComboItem(0), "FrameDimensionPage");
    const Rgb turned = PreviewAt(0.9, 0.1);  // turned a quarter clockwise: now the top right
    EXPECT_GT(turned[0], 200);
    EXPECT_LT(turned[1], 60);
    EXPECT_LT(PreviewAt(0.1, 0.1)[0], 60);
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
    EXPECT_NEAR(PreviewAt()[0], ColourOfFrame(2)[0], 3);
}

TEST_F(OpenPhotoTest, TiffPagesAndDimensionChange)
{
    OpenPhoto(DataFile("pages_3_sizes.tif"));
    EXPECT_EQ(ComboItem(0), "FrameDimensionPage");
    EXPECT_EQ(TextOf(1040), "Set frame from 0 to 2");
    SetText(1041, "1");
    EXPECT_EQ(PreviewAt(), (Rgb{0, 255, 0})) << "the second page, 20 x 50 and green";
    // Choosing a dimension in the list only relabels the range.
    SetText(1040, "something else");
    auto* combo = qobject_cast<QComboBox*>(dlg_->GetDlgItem(1039));
    Q_EMIT combo->activated(0);
    EXPECT_EQ(TextOf(1040), "Set frame from 0 to 2");
    EXPECT_EQ(TextOf(1041), "1");
    EXPECT_EQ(PreviewAt(), (Rgb{0, 255, 0}));
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
        EXPECT_EQ(MessageOf((*prompts_)->Messages()[0].text), "Can not get the width of the photo!");
        EXPECT_EQ((*prompts_)->Messages()[0].caption, bad);
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
    EXPECT_EQ(TextOf(1009), "keep.png 10 * 8");
    EXPECT_EQ(LastPhotoFolder(), dir_.path() + "/");
}

}  // namespace
