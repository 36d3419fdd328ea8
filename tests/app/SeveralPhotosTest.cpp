// Convert Several Photos, headless through the prompt seam: how it opens, and Convert All over
// damaged photos, folders, existing outputs, a clash of names and a cancel; a folder walk cancelled;
// presets and the naming pattern.
#include <atomic>
#include <iostream>

#include <QApplication>
#include <QTimer>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QUrl>

#include "app/window/BatchPreview.h"
#include "app/window/CaptionBox.h"
#include "app/window/ConvertSeveralWindow.h"
#include "app/window/FolderLister.h"
#include "app/window/PhotoListModel.h"
#include "batch/Presets.h"
#include "batch/RequestOptions.h"
#include "imaging/ImagingThreads.h"
#include "imaging/testing/ImagingTestSeams.h"
#include "lang/CLanguage.h"
#include "lang/QtTranslation.h"
#include "res/ResourceIds.h"
#include "services/SettingsStore.h"
#include "support/ExifTool.h"
#include "support/Fixtures.h"
#include "support/MainDialogFixture.h"
#include "support/SettingsStoreProbe.h"
#include "support/Watchdog.h"

namespace {

class SeveralPhotosTest : public MainDialogFixture {
protected:
    ConvertSeveralWindow& Several(const QStringList& paths = {})
    {
        dlg_->ConvertSeveral(paths);
        return *dlg_->SeveralWindow();
    }
    // The defaults, with outputs into out/ of the test folder.
    void Choose(ConvertSeveralWindow& w, bool replace = false, SizeRule size = {})
    {
        QDir(dir_.path()).mkpath("out");
        SeveralPhotosChoices c;
        c.outputFolder = TempPath("out");
        c.replace = replace;
        c.size = size;
        w.ShowChoices(c);
    }
    void WaitUntil(const std::function<bool()>& done, const char* what)
    {
        const Watchdog watchdog(what, 60);
        while (!done()) {
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
    }
    void ConvertAll(ConvertSeveralWindow& w)
    {
        w.ConvertAllButton()->click();
        WaitUntil([&] { return !w.Converting(); }, "Convert All");
    }
    static QString Status(ConvertSeveralWindow& w, int row)
    {
        return w.Photos().data(w.Photos().index(row, PhotoListModel::StatusColumn), Qt::DisplayRole).toString();
    }
    // As a pick with the mouse or the keyboard.
    static void ChoosePreset(ConvertSeveralWindow& w, const QString& name)
    {
        const int index = w.PresetBox()->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        w.PresetBox()->setCurrentIndex(index);
        Q_EMIT w.PresetBox()->activated(index);
    }
    static QStringList PresetNames(const ConvertSeveralWindow& w)
    {
        QStringList names;
        for (int i = 0; i < w.PresetBox()->count(); ++i)
            names << w.PresetBox()->itemText(i);
        return names;
    }
    QStringList Outputs(const QString& folder = "out") const
    {
        QStringList names;
        for (const QString& name : QDir(TempPath(folder)).entryList(QDir::Files | QDir::Hidden))
            names << name;
        return names;
    }
};

}  // namespace

TEST_F(SeveralPhotosTest, OpensForSeveralPhotosDroppedOrNamedAndFromTheMenu)
{
    const QString a = WriteSolid(TempPath("a.png"), 30, 20, {1, 2, 3});
    const QString b = WriteSolid(TempPath("b.png"), 10, 40, {1, 2, 3});
    EXPECT_EQ(dlg_->SeveralWindow(), nullptr);

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dlg_.get(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dlg_.get(), &drop);
    QCoreApplication::processEvents();
    ASSERT_NE(dlg_->SeveralWindow(), nullptr);
    ConvertSeveralWindow& w = *dlg_->SeveralWindow();
    EXPECT_EQ(w.windowTitle(), "Convert Several Photos");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Photos().rowCount(), 2);
    EXPECT_EQ(TextOf(1009), "") << "the main window's photo stays as it was";
    WaitUntil([&] { return w.Photos().At(1).size.isValid(); }, "sizes read");
    EXPECT_EQ(w.Photos().At(0).size, QSize(30, 20));
    EXPECT_EQ(w.Photos().At(1).size, QSize(10, 40));

    // Listed once, whichever way a photo comes again.
    w.AddPaths({a, TempPath("./b.png")});
    EXPECT_EQ(w.Photos().rowCount(), 2);
    w.Photos().Remove({0});
    w.AddPaths({b, a});
    ASSERT_EQ(w.Photos().rowCount(), 2);
    EXPECT_EQ(w.Photos().At(0).name, "b.png");
    EXPECT_EQ(w.Photos().At(1).name, "a.png") << "a removed photo may come back, once";

    // The right-click menu's last entry opens the same window.
    (*prompts_)->QueueMenuChoice(IDM_CONVERT_SEVERAL);
    dlg_->ShowLanguageMenu({5, 5});
    const auto menus = (*prompts_)->OfKind(PromptRecord::Kind::Menu);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].menuItems.last(), "Convert Several Photos...");
    EXPECT_EQ(dlg_->SeveralWindow(), &w);

    // Enter in a field does not close it.
    for (QLineEdit* field : w.findChildren<QLineEdit*>()) {
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_TRUE(w.isVisible()) << field->accessibleName().toStdString();
    }

    // Every control without words of its own has a name for a screen reader.
    for (QWidget* control : w.findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractSpinBox*>(control->parentWidget()))
            continue;  // a spin box's own edit
        if (qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractSpinBox*>(control) ||
            qobject_cast<QLineEdit*>(control) || qobject_cast<QTableView*>(control))
            EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
    }
}

TEST_F(SeveralPhotosTest, ConvertAllOverDamagedPhotosFoldersAndAClash)
{
    QDir(dir_.path()).mkpath("trip/day1");
    QDir(dir_.path()).mkpath("trip/day2");
    QDir(dir_.path()).mkpath("x");
    QDir(dir_.path()).mkpath("y");
    WriteSolid(TempPath("wide.jpg"), 400, 100, {200, 10, 10});
    WriteAll(TempPath("damaged.jpg"), ReadAll(TempPath("wide.jpg")).left(40));
    WriteSolid(TempPath("trip/day1/IMG_0001.jpg"), 64, 48, {10, 200, 10});
    WriteSolid(TempPath("trip/day2/IMG_0001.jpg"), 48, 64, {10, 10, 200});
    WriteSolid(TempPath("x/p.png"), 30, 20, {1, 2, 3});
    WriteSolid(TempPath("y/p.png"), 20, 30, {1, 2, 3});

    ConvertSeveralWindow& w = Several({TempPath("wide.jpg"), TempPath("damaged.jpg")});
    Choose(w, false, {SizeRule::Mode::Fit, 200, 200, true});
    w.AddFolder(TempPath("trip"));
    WaitUntil([&] { return w.Photos().rowCount() == 4; }, "the folder listed");
    w.AddPaths({TempPath("x/p.png"), TempPath("y/p.png")});
    ASSERT_EQ(w.Photos().rowCount(), 6);
    EXPECT_EQ(w.Photos().At(2).name, "day1/IMG_0001.jpg");
    ConvertAll(w);

    EXPECT_EQ(Status(w, 0), "converted");
    EXPECT_TRUE(Status(w, 1).startsWith("failed: ")) << Status(w, 1).toStdString();
    EXPECT_EQ(Status(w, 2), "converted");
    EXPECT_EQ(Status(w, 3), "converted");
    EXPECT_EQ(Status(w, 4), "converted");
    EXPECT_EQ(Status(w, 5), "failed: not converted: its output " + TempPath("out/") +
                                "p_out.png is the output of another photo of this run")
        << "the first listed wins";
    EXPECT_EQ(w.Summary()->text(), "4 converted, 2 failed, 0 kept because they exist");
    const Decoded wide = DecodeFile(TempPath("out/wide_out.png"));
    EXPECT_EQ(QSize(wide.width, wide.height), QSize(200, 50));
    const Decoded day2 = DecodeFile(TempPath("out/day2/IMG_0001_out.png"));
    EXPECT_EQ(QSize(day2.width, day2.height), QSize(48, 64)) << "within the box: never enlarged";
    EXPECT_EQ(DecodeFile(TempPath("out/day1/IMG_0001_out.png")).width, 64);
    EXPECT_EQ(DecodeFile(TempPath("out/p_out.png")).width, 30);
    EXPECT_EQ(Outputs(), QStringList({"p_out.png", "wide_out.png"})) << "nothing of the failures";

    // The folder opens through the desktop, or is named where nothing opens folders.
    (*prompts_)->QueueUrlOpens(false);
    (*prompts_)->QueueAnswer(platform::IDOK);
    w.OpenFolderButton()->click();
    const auto urls = (*prompts_)->OfKind(PromptRecord::Kind::Url);
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_EQ(urls[0].text, QUrl::fromLocalFile(TempPath("out")).toString());
    ASSERT_EQ((*prompts_)->MessageTexts().size(), 1);
    EXPECT_TRUE((*prompts_)->MessageTexts()[0].contains(TempPath("out")));
}

TEST_F(SeveralPhotosTest, AnExistingOutputIsKeptUnlessReplacing)
{
    WriteSolid(TempPath("a.jpg"), 40, 30, {200, 10, 10});
    WriteSolid(TempPath("b.jpg"), 30, 40, {10, 200, 10});
    ConvertSeveralWindow& w = Several({TempPath("a.jpg"), TempPath("b.jpg")});
    Choose(w);
    WriteAll(TempPath("out/a_out.png"), "old bytes");
    ConvertAll(w);
    EXPECT_EQ(Status(w, 0), "kept: its output exists");
    EXPECT_EQ(Status(w, 1), "converted");
    EXPECT_EQ(ReadAll(TempPath("out/a_out.png")), "old bytes");
    EXPECT_EQ(w.Summary()->text(), "1 converted, 0 failed, 1 kept because they exist");
    EXPECT_EQ((*prompts_)->Records().size(), 0u) << "never asked per photo";

    Choose(w, true);
    ConvertAll(w);
    EXPECT_EQ(Status(w, 0), "converted");
    EXPECT_EQ(DecodeFile(TempPath("out/a_out.png")).width, 40);
    EXPECT_EQ(w.Summary()->text(), "2 converted, 0 failed, 0 kept because they exist");
    // The choices are the window's own, apart from the main window's.
    EXPECT_EQ(platform::SettingsStore::GetProfileInt("ConvertSeveral", "Replace", 0), 1);
    EXPECT_EQ(platform::SettingsStore::GetProfileString("ConvertSeveral", "OutputFolder", ""), TempPath("out"));
    EXPECT_EQ(platform::SettingsStore::GetProfileString("Option", "last_output_folder", "<none>"), "<none>");
}

TEST_F(SeveralPhotosTest, TheCaptionIsTheSameShareOfEachPictureAndALongOneIsMadeToFit)
{
    ConvertSeveralWindow& w = Several({WriteSolid(TempPath("big.jpg"), 6000, 4000, {0, 0, 0}),
                                       WriteSolid(TempPath("hd.png"), 1920, 1080, {0, 0, 0}),
                                       WriteSolid(TempPath("narrow.png"), 300, 200, {0, 0, 0})});
    Choose(w);
    SeveralPhotosChoices c = w.Choices();
    c.textOn = true;
    c.text = "Sommer 2026";
    w.ShowChoices(c);
    const int pipelineThreads = platform::PipelineThreads();
    // The face and colour come from Qt's font dialog; the size stays a share of each picture.
    QFont font("DejaVu Sans");
    font.setPixelSize(200);
    (*prompts_)->QueueFont(platform::FontChoice{font, QColor(255, 0, 0)});
    w.Caption()->FontButton()->click();
    c = w.Choices();
    EXPECT_EQ(c.caption.family, "DejaVu Sans");
    EXPECT_EQ(c.caption.size, (CaptionLength{4, true})) << "the default";
    EXPECT_EQ(c.caption.place, CaptionPlace::BottomRight);
    ConvertAll(w);

    const QRect big = InkBox(DecodeFile(TempPath("out/big_out.png")), IsRed);
    const QRect hd = InkBox(DecodeFile(TempPath("out/hd_out.png")), IsRed);
    ASSERT_FALSE(big.isEmpty() || hd.isEmpty());
    EXPECT_NEAR(big.height() / 4000.0, hd.height() / 1080.0, 0.01);
    EXPECT_GT(big.height(), 4000 * 0.02) << "a caption of about 4 %";
    // Bottom right, 2 % of the shorter side from the edges.
    EXPECT_NEAR(big.right(), 6000 - 80, 12);
    EXPECT_NEAR(hd.bottom(), 1080 - 22, 12);
    EXPECT_EQ(Status(w, 0), "converted");
    EXPECT_EQ(platform::PipelineThreads(), pipelineThreads) << "the main window converts as before the batch";

    // 4 % of 200 is 8 pixels: "Sommer 2026" fits in 300. A longer one is made smaller, never cut.
    c.text = "A caption far too long for a picture only three hundred pixels wide";
    c.caption.size = {20, true};
    c.replace = true;
    w.ShowChoices(c);
    ConvertAll(w);
    const QRect narrow = InkBox(DecodeFile(TempPath("out/narrow_out.png")), IsRed);
    ASSERT_FALSE(narrow.isEmpty());
    EXPECT_GE(narrow.left(), 6 - 1);
    EXPECT_LE(narrow.right(), 300 - 6);
    EXPECT_LT(narrow.height(), 40);
    EXPECT_TRUE(Status(w, 2).startsWith("converted; warning: the caption is drawn")) << Status(w, 2).toStdString();
}

// The preview is the picture the run writes: the same turn and flip, and the same shape.
TEST_F(SeveralPhotosTest, ThePreviewShowsThePictureTheRunWrites)
{
    ConvertSeveralWindow& w = Several({WriteCornerMarkers(TempPath("corners.png"), 60, 40)});
    Choose(w);
    SeveralPhotosChoices c = w.Choices();
    c.rotate = 90;
    c.flip = 1;
    w.ShowChoices(c);
    auto* list = w.findChild<QTableView*>();
    list->setCurrentIndex(w.Photos().index(0, 0));
    WaitUntil([&] { return !w.Preview()->Picture().isNull(); }, "the preview");
    ConvertAll(w);
    const QImage preview = w.Preview()->Picture();
    const Decoded png = DecodeFile(TempPath("out/corners_out.png"));
    ASSERT_EQ(QSize(png.width, png.height), QSize(40, 60));
    EXPECT_NEAR(static_cast<double>(preview.width()) / preview.height(), 40.0 / 60, 0.02);
    for (const auto& [fx, fy] : {std::pair{0.2, 0.2}, {0.8, 0.2}, {0.2, 0.8}, {0.8, 0.8}}) {
        const QColor shown = preview.pixelColor(static_cast<int>(fx * preview.width()), static_cast<int>(fy * preview.height()));
        const Rgb written = png.At(static_cast<int>(fx * png.width), static_cast<int>(fy * png.height));
        EXPECT_NEAR(shown.red(), written[0], 8) << fx << "," << fy;
        EXPECT_NEAR(shown.green(), written[1], 8) << fx << "," << fy;
        EXPECT_NEAR(shown.blue(), written[2], 8) << fx << "," << fy;
    }
}

// Outputs next to their photos on a background chosen, packed as chosen: kept across a restart,
// shown in the preview, the command line's files, and a rerun over the same folder writes nothing.
TEST_F(SeveralPhotosTest, BesideThePhotosOnABackgroundKeptAndGivingTheCommandLinesFiles)
{
    for (const char* folder : {"shoots/a", "shoots/b", "cli/a", "cli/b"})
        QDir(dir_.path()).mkpath(folder);
    WriteHalfTransparent(TempPath("shoots/a/logo.png"), 60, 40, {255, 0, 0});
    WriteNoise(TempPath("shoots/b/y.jpg"), 50, 30);
    for (const char* photo : {"a/logo.png", "b/y.jpg"})
        ASSERT_TRUE(QFile::copy(TempPath(QString("shoots/") + photo), TempPath(QString("cli/") + photo)));

    ConvertSeveralWindow& first = Several();
    Choose(first);
    first.OutputPlaceBox()->setCurrentIndex(1);
    QWidget* folderField = nullptr;
    for (QLineEdit* field : first.findChildren<QLineEdit*>())
        if (field->accessibleName() == "Output folder:")
            folderField = field;
    ASSERT_TRUE(folderField);
    EXPECT_FALSE(folderField->isEnabled()) << "no folder to type beside the photos";
    (*prompts_)->QueueColour(QColor(255, 255, 255));
    first.BackgroundButton()->click();
    ASSERT_EQ((*prompts_)->OfKind(PromptRecord::Kind::Colour).size(), 1u);
    EXPECT_EQ((*prompts_)->OfKind(PromptRecord::Kind::Colour)[0].font.colour, QColor(0, 0, 0)) << "black at first";
    first.PngEffortBox()->setCurrentIndex(2);
    first.close();

    ConvertSeveralWindow w;
    const ConversionRequest r = RequestOf(w.Choices());
    EXPECT_TRUE(r.besidePhotos && r.outputFolder.isEmpty());
    EXPECT_EQ(r.background, qRgb(255, 255, 255));
    EXPECT_EQ(r.png, platform::PngEffort::Smallest);
    w.AddPaths({TempPath("shoots")});
    WaitUntil([&] { return w.Photos().rowCount() == 2; }, "the walk");
    w.findChild<QTableView*>()->setCurrentIndex(w.Photos().index(0, 0));
    WaitUntil([&] { return !w.Preview()->Picture().isNull(); }, "the preview");
    const QImage preview = w.Preview()->Picture();
    EXPECT_EQ(preview.pixelColor(preview.width() * 9 / 10, preview.height() / 2), QColor(255, 255, 255));
    ConvertAll(w);
    EXPECT_EQ(w.Summary()->text(), "2 converted, 0 failed, 0 kept because they exist");

    QProcess cli;
    cli.setWorkingDirectory(dir_.path());
    cli.start(QStringLiteral(PICTORELLE_BINARY), {"--convert", "-r", "cli", "--beside-photos", "--background", "#FFFFFF",
                                                  "--png", "smallest", "--quiet"});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    for (const char* output : {"a/logo_out.png", "b/y_out.png"})
        EXPECT_EQ(ReadAll(TempPath(QString("shoots/") + output)), ReadAll(TempPath(QString("cli/") + output))) << output;
    EXPECT_EQ(DecodeFile(TempPath("shoots/a/logo_out.png")).At(50, 20), (Rgb{255, 255, 255}));

    // Walked again, the outputs are listed but never converted as photos.
    w.Photos().Clear();
    w.AddPaths({TempPath("shoots")});
    WaitUntil([&] { return w.Photos().rowCount() == 4; }, "the second walk");
    ConvertAll(w);
    EXPECT_EQ(w.Summary()->text(), "0 converted, 0 failed, 4 kept because they exist");
    EXPECT_EQ(Outputs("shoots/a"), QStringList({"logo.png", "logo_out.png"}));
    EXPECT_EQ(Outputs("shoots/b"), QStringList({"y.jpg", "y_out.png"}));
}

TEST_F(SeveralPhotosTest, CancelLeavesNoPartFileAndOldFilesAsTheyWere)
{
    QStringList photos;
    for (const char* name : {"a", "b", "c", "d", "e", "f"})
        photos << WriteSolid(TempPath(QString("%1.jpg").arg(name)), 60, 40, {200, 10, 10});
    ConvertSeveralWindow& w = Several(photos);
    Choose(w, true);
    WriteAll(TempPath("out/a_out.png"), "old a");
    WriteAll(TempPath("out/b_out.png"), "old b");
    platform::HoldSavesUntilCancelled(true);
    w.ConvertAllButton()->click();
    // Saves in flight, their temporary files open.
    WaitUntil([] { return platform::SavesHeldNow() > 0; }, "a save held");
    EXPECT_TRUE(w.CancelButton()->isEnabled());
    w.CancelButton()->click();
    WaitUntil([&] { return !w.Converting(); }, "the cancel");
    platform::HoldSavesUntilCancelled(false);

    EXPECT_EQ(Outputs(), QStringList({"a_out.png", "b_out.png"})) << "no partial file";
    EXPECT_EQ(ReadAll(TempPath("out/a_out.png")), "old a");
    EXPECT_EQ(ReadAll(TempPath("out/b_out.png")), "old b");
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(Status(w, row), "not converted") << row;
    EXPECT_EQ(w.Summary()->text(), "Cancelled: 0 converted, 6 not converted, 0 failed, 0 kept because they exist");
    EXPECT_TRUE(w.ConvertAllButton()->isEnabled());

    // The figures belong to the run they describe: a changed list drops them.
    w.AddPaths({WriteSolid(TempPath("g.jpg"), 60, 40, {200, 10, 10})});
    EXPECT_EQ(w.Summary()->text(), "");
}

TEST_F(SeveralPhotosTest, EveryChoiceIsLockedWhileARunGoes)
{
    ConvertSeveralWindow& w = Several({WriteSolid(TempPath("a.jpg"), 60, 40, {200, 10, 10})});
    Choose(w, true, SizeRule{SizeRule::Mode::Fit, 40, 30});
    platform::HoldSavesUntilCancelled(true);
    w.ConvertAllButton()->click();
    WaitUntil([] { return platform::SavesHeldNow() > 0; }, "a save held");
    QStringList editable;
    for (QWidget* child : w.findChildren<QWidget*>())
        if (child->isEnabled() && child->isVisible() && child->focusPolicy() != Qt::NoFocus &&
            (qobject_cast<QAbstractButton*>(child) || qobject_cast<QAbstractSpinBox*>(child) ||
             qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child)) &&
            child != w.CancelButton() && child != w.HelpButton())
            editable << child->objectName() + "/" + child->metaObject()->className();
    w.CancelButton()->click();
    WaitUntil([&] { return !w.Converting(); }, "the cancel");
    platform::HoldSavesUntilCancelled(false);
    EXPECT_EQ(editable, QStringList()) << "only Cancel acts during a run";
}

// A language chosen in the main window relabels this window at once, its choices kept.
TEST_F(SeveralPhotosTest, ALanguageSwitchRelabelsTheWindowKeepingItsChoices)
{
    ConvertSeveralWindow& w = Several({WriteSolid(TempPath("a.jpg"), 60, 40, {200, 10, 10})});
    Choose(w, false, SizeRule{SizeRule::Mode::Fit, 40, 30});
    LoadQtTranslation(QStringLiteral("German_Germany"), {QStringLiteral(PICTORELLE_QM_DIR)});
    QCoreApplication::processEvents();  // the change reaches windows as a posted event
    const QString german = w.ConvertAllButton()->text();
    const QString status = Status(w, 0);
    const QString title = w.windowTitle();
    const SeveralPhotosChoices kept = w.Choices();
    LoadQtTranslation(QStringLiteral("english"), {QStringLiteral(PICTORELLE_QM_DIR)});
    QCoreApplication::processEvents();
    EXPECT_EQ(german, "Alle u&mwandeln");
    EXPECT_EQ(status, "wartet");
    EXPECT_NE(title, "Convert Several Photos");
    EXPECT_EQ(kept.size.mode, SizeRule::Mode::Fit) << "the choice stays when its words change";
    EXPECT_EQ(w.ConvertAllButton()->text(), "&Convert All");
    EXPECT_EQ(w.windowTitle(), "Convert Several Photos");
}

TEST_F(SeveralPhotosTest, TheCloseBoxKeepsTheChoicesEscapeDoesNot)
{
    ConvertSeveralWindow& w = Several();
    Choose(w, false, SizeRule{SizeRule::Mode::Width, 640, 480});
    w.close();
    EXPECT_EQ(LoadSeveralPhotosChoices({}).size.width, 640);
    w.show();
    Choose(w, false, SizeRule{SizeRule::Mode::Width, 320, 480});
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(LoadSeveralPhotosChoices({}).size.width, 640);
    EXPECT_EQ(w.Choices().size.width, 640) << "shown as kept when it opens again";
}

TEST_F(SeveralPhotosTest, DetailsDateAndResolutionAreKeptReachTheRequestAndFallBackWhenOutOfRange)
{
    ConvertSeveralWindow& w = Several();
    const auto named = [](QWidget& window, const QString& name) {
        for (QWidget* control : window.findChildren<QWidget*>())
            if (control->accessibleName() == name)
                return control;
        return static_cast<QWidget*>(nullptr);
    };
    auto* details = qobject_cast<QComboBox*>(named(w, "Photo details:"));
    auto* resolution = qobject_cast<QComboBox*>(named(w, "Resolution:"));
    auto* dpi = qobject_cast<QSpinBox*>(named(w, "Dots per inch"));
    QCheckBox* dated = nullptr;
    for (QCheckBox* box : w.findChildren<QCheckBox*>())
        if (box->text() == "Date the files as ta&ken")
            dated = box;
    ASSERT_TRUE(details && resolution && dpi && dated);
    EXPECT_EQ(details->currentText(), "None");
    EXPECT_FALSE(dated->isChecked());
    EXPECT_EQ(resolution->currentText(), "The photo's own");
    EXPECT_FALSE(dpi->isEnabled()) << "no number while the photo's own resolution is kept";

    details->setCurrentIndex(1);
    dated->setChecked(true);
    resolution->setCurrentIndex(1);
    EXPECT_TRUE(dpi->isEnabled());
    EXPECT_EQ(dpi->value(), 300);
    dpi->setValue(72);
    w.close();
    const ConvertSeveralWindow reopened;
    const ConversionRequest r = RequestOf(reopened.Choices());
    EXPECT_EQ(r.details, platform::DetailsChoice::NoLocation);
    EXPECT_TRUE(r.dateAsTaken);
    EXPECT_EQ(r.dpi, 72);
    EXPECT_EQ(RequestOf(SeveralPhotosChoices{}).dpi, std::nullopt);

    for (const int dpiStored : {-1, 10001}) {
        platform::SettingsStore::WriteProfileInt("ConvertSeveral", "Details", 3);
        platform::SettingsStore::WriteProfileInt("ConvertSeveral", "DateAsTaken", 2);
        platform::SettingsStore::WriteProfileInt("ConvertSeveral", "Dpi", dpiStored);
        const SeveralPhotosChoices c = ConvertSeveralWindow().Choices();
        EXPECT_EQ(c.details, platform::DetailsChoice::None);
        EXPECT_FALSE(c.dateAsTaken);
        EXPECT_EQ(c.dpi, std::nullopt) << dpiStored;
    }
}

TEST_F(SeveralPhotosTest, DetailsAndTheDateTakenGiveTheCommandLinesFiles)
{
    WriteNoise(TempPath("phone.jpg"), 60, 40);
    TagLikeAPhone(TempPath("phone.jpg"));
    ConvertSeveralWindow& w = Several({TempPath("phone.jpg")});
    QDir(dir_.path()).mkpath("out");
    SeveralPhotosChoices c;
    c.outputFolder = TempPath("out");
    c.details = platform::DetailsChoice::NoLocation;
    c.dateAsTaken = true;
    w.ShowChoices(c);
    ConvertAll(w);

    QProcess cli;
    cli.setWorkingDirectory(dir_.path());
    cli.start(QStringLiteral(PICTORELLE_BINARY), {"--convert", "phone.jpg", "--metadata", "no-location", "--file-date",
                                                  "taken", "--output-dir", "cli", "--quiet"});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_EQ(ReadAll(TempPath("out/phone_out.png")), ReadAll(TempPath("cli/phone_out.png")));
    EXPECT_EQ(QFileInfo(TempPath("out/phone_out.png")).lastModified().toSecsSinceEpoch(), 1720945230);
    EXPECT_EQ(QFileInfo(TempPath("cli/phone_out.png")).lastModified().toSecsSinceEpoch(), 1720945230);
}

// A preset saved in the window sets every choice again after a restart, and gives the command
// line's --preset the same files.
TEST_F(SeveralPhotosTest, APresetKeepsEveryChoiceAcrossARestartAndGivesTheCommandLinesFiles)
{
    WriteNoise(TempPath("photo.jpg"), 300, 200);
    QDir(dir_.path()).mkpath("out");
    SeveralPhotosChoices c;
    c.size = {SizeRule::Mode::Fit, 160, 150, true};
    c.rotate = 90;
    c.flip = 2;
    c.textOn = true;
    c.text = "Shop";
    c.caption.family = "DejaVu Sans";
    c.caption.bold = true;
    c.caption.size = {18, false};
    c.caption.colour = QColor(10, 200, 30);
    c.caption.place = CaptionPlace::TopLeft;
    c.caption.margin = {5, false};
    c.details = platform::DetailsChoice::All;
    c.dateAsTaken = true;
    c.dpi = 72;
    c.namingPattern = "{n:3}_{name}_{width}x{height}";
    c.outputFolder = TempPath("out");
    c.replace = true;
    ConvertSeveralWindow& first = Several();
    first.ShowChoices(c);
    const QList<RequestOption> saved = PresetOptionsOf(RequestOf(first.Choices()));
    (*prompts_)->QueueText(" Shop ");
    first.SavePresetButton()->click();
    EXPECT_EQ(first.PresetBox()->currentText(), "Shop");
    EXPECT_TRUE(first.DeletePresetButton()->isEnabled());
    first.close();

    SettingsStoreProbe::Reload();
    ConvertSeveralWindow w;
    EXPECT_NE(PresetOptionsOf(RequestOf(w.Choices())), saved) << "the window's own choices were not kept";
    EXPECT_EQ(PresetNames(w).last(), "Shop") << "after the shipped ones";
    ChoosePreset(w, "Shop");
    EXPECT_EQ(PresetOptionsOf(RequestOf(w.Choices())), saved);

    w.AddPaths({TempPath("photo.jpg")});
    ConvertAll(w);
    // The settings file is named after the program that reads it.
    const QFileInfo settings(SettingsStoreProbe::FileName());
    QFile::copy(settings.filePath(),
                settings.dir().filePath(QFileInfo(QStringLiteral(PICTORELLE_BINARY)).completeBaseName() + ".ini"));
    QProcess cli;
    cli.setWorkingDirectory(dir_.path());
    cli.start(QStringLiteral(PICTORELLE_BINARY),
              {"--convert", "photo.jpg", "--preset", "Shop", "--output-dir", "cli", "--quiet"});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    // Turned upright to 200 x 300 first, then fitted in 160 x 150.
    ASSERT_EQ(Outputs(), QStringList({"001_photo_100x150.png"}));
    EXPECT_EQ(ReadAll(TempPath("out/001_photo_100x150.png")), ReadAll(TempPath("cli/001_photo_100x150.png")));

    // Deleted once confirmed.
    (*prompts_)->QueueAnswer(platform::IDNO);
    w.DeletePresetButton()->click();
    EXPECT_TRUE(PresetNames(w).contains("Shop"));
    (*prompts_)->QueueAnswer(platform::IDYES);
    w.DeletePresetButton()->click();
    EXPECT_FALSE(PresetNames(w).contains("Shop"));
    EXPECT_FALSE(FindPreset("Shop"));

    // A shipped preset says nothing of a caption: none is drawn, and nothing is told.
    ChoosePreset(w, "Web (1920, no details)");
    EXPECT_EQ(w.Choices().size.mode, SizeRule::Mode::Fit);
    EXPECT_FALSE(w.Choices().textOn);
    EXPECT_EQ((*prompts_)->Messages().size(), 2u) << "the two questions of Delete only";
}

TEST_F(SeveralPhotosTest, ADamagedPresetIsLeftOutAndToldOnceItsSettingsLeftAsTheyAre)
{
    const QString file = SettingsStoreProbe::FileName();
    QDir().mkpath(QFileInfo(file).absolutePath());
    WriteAll(file, "[Presets]\nCount=2\n[Preset-1]\nPresetName=Good\nfit=800x2000000\n[Preset-2]\nPresetName=Bad\nfit=abc\n");
    SettingsStoreProbe::Reload();
    const QByteArray before = ReadAll(file);
    (*prompts_)->QueueAnswer(platform::IDOK);
    ConvertSeveralWindow& w = Several();
    QCoreApplication::processEvents();
    EXPECT_EQ(PresetNames(w), QStringList({"Good"}));
    const auto messages = (*prompts_)->Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("'Bad'")) << messages[0].text.toStdString();
    EXPECT_FALSE(messages[0].text.contains("'Good'"));
    EXPECT_EQ(ReadAll(file), before);
    w.hide();
    w.show();
    QCoreApplication::processEvents();
    EXPECT_EQ((*prompts_)->Messages().size(), 1u) << "told once";

    // Its height is beyond the window's field: taken as far as it goes, and said.
    (*prompts_)->QueueAnswer(platform::IDOK);
    ChoosePreset(w, "Good");
    EXPECT_EQ(w.Choices().size.height, kMaxSideInWindow);
    ASSERT_EQ((*prompts_)->Messages().size(), 2u);
    EXPECT_TRUE((*prompts_)->Messages()[1].text.contains("brought within its range"));
}

TEST_F(SeveralPhotosTest, TheNamingPatternShowsTheSelectedPhotosNameAndOneWithAProblemIsRefused)
{
    ConvertSeveralWindow& w = Several({WriteSolid(TempPath("a.jpg"), 60, 40, {200, 10, 10}),
                                       WriteSolid(TempPath("b.jpg"), 30, 20, {10, 200, 10})});
    Choose(w, false, {SizeRule::Mode::Width, 15, 100});
    w.NamingPatternField()->setText("{n:3}_{name}");
    EXPECT_EQ(w.NamePreview()->text(), "001_a.png") << "the first before one is picked";
    auto* list = w.findChild<QTableView*>();
    list->setCurrentIndex(w.Photos().index(1, 0));
    EXPECT_EQ(w.NamePreview()->text(), "002_b.png");
    WaitUntil([&] { return w.Photos().At(1).size.isValid(); }, "sizes read");
    w.NamingPatternField()->setText("{name}_{width}x{height}");
    EXPECT_EQ(w.NamePreview()->text(), "b_15x10.png");

    w.NamingPatternField()->setText("a/b");
    EXPECT_EQ(w.NamePreview()->text(), *NamingPatternProblem("a/b"));
    (*prompts_)->QueueAnswer(platform::IDOK);
    ConvertAll(w);
    ASSERT_EQ((*prompts_)->Messages().size(), 1u);
    EXPECT_TRUE((*prompts_)->Messages()[0].text.contains(*NamingPatternProblem("a/b")));
    EXPECT_EQ(Outputs(), QStringList());
    w.close();
    EXPECT_EQ(LoadSeveralPhotosChoices({}).namingPattern, kDefaultNamingPattern) << "a stored pattern that names nothing";
}

TEST_F(SeveralPhotosTest, HelpShowsThePageOfThisWindow)
{
    ConvertSeveralWindow& w = Several();
    w.HelpButton()->click();
    const auto help = (*prompts_)->OfKind(PromptRecord::Kind::Help);
    ASSERT_EQ(help.size(), 1u);
    EXPECT_TRUE(help[0].text.endsWith("/help/SeveralPhotos.htm")) << help[0].text.toStdString();
}

// Its own CTest entry runs it alone (PICTORELLE_LATENCY_TEST=1): beside other tests the event
// loop's pace would be theirs.
// The window may be closed for good while a big tree is walked: it goes at once, and nothing the
// walk found is handed to it afterwards.
TEST_F(SeveralPhotosTest, AWalkStopsWhenCancelledAndItsListerGoesAtOnce)
{
    for (int folder = 0; folder < 20; ++folder) {
        const QString day = QString("tree/day%1").arg(folder);
        QDir(dir_.path()).mkpath(day);
        for (int i = 0; i < 200; ++i)
            WriteAll(TempPath(QString("%1/IMG_%2.jpg").arg(day).arg(i)), {});
    }
    const std::atomic<bool> cancelled{true};
    EXPECT_TRUE(PhotosOfFolder(TempPath("tree"), true, [](const QString&, const QString&, bool) {}, &cancelled).isEmpty());

    int listed = 0;
    auto lister = std::make_unique<FolderLister>([&](const QList<BatchPhoto>&, const QStringList&) { ++listed; });
    for (int walk = 0; walk < 4; ++walk)
        lister->List(TempPath("tree"), true);
    {
        const Watchdog watchdog("the lister destroyed during its walks", 5);
        lister.reset();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(listed, 0);
}

TEST_F(SeveralPhotosTest, AFolderOfThousandsListsInSecondsAndTheWindowKeepsAnswering)
{
    if (qEnvironmentVariableIsEmpty("PICTORELLE_LATENCY_TEST"))
        GTEST_SKIP() << "runs alone, with PICTORELLE_LATENCY_TEST=1";
    constexpr int kPhotos = 10000;
    const QByteArray jpeg = ReadAll(WriteSolid(TempPath("one.jpg"), 16, 12, {1, 2, 3}));
    for (const char* day : {"many/day1", "many/day2"})
        QDir(dir_.path()).mkpath(day);
    for (int i = 0; i < kPhotos; ++i)
        WriteAll(TempPath(QString("many/day%1/IMG_%2.jpg").arg(1 + i % 2).arg(i, 5, 10, QChar('0'))), jpeg);
    ConvertSeveralWindow& w = Several();
    // The longest the event loop goes without running a timer due every 10 ms.
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 worst = 0;
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        worst = std::max(worst, clock.elapsed() - last);
        last = clock.elapsed();
    });
    // The window's first paint is no part of it; the loop's own pace, idle, is told beside.
    WaitUntil([&] { return clock.elapsed() > 300; }, "the window shown");
    tick.start();
    last = clock.elapsed();
    WaitUntil([&] { return clock.elapsed() > 1300; }, "idle");
    const qint64 idle = worst;
    worst = 0;
    clock.restart();
    last = 0;
    w.AddFolder(TempPath("many"));
    WaitUntil([&] { return w.Photos().rowCount() == kPhotos; }, "the folder listed");
    EXPECT_LT(clock.elapsed(), 5000) << "listed";
    WaitUntil([&] { return w.Photos().At(kPhotos - 1).size.isValid(); }, "the sizes read");
    EXPECT_EQ(w.Photos().At(kPhotos - 1).size, QSize(16, 12));
    EXPECT_LT(worst, 100) << "the event loop waited that many ms";
    std::cout << "listed and sized " << kPhotos << " photos in " << clock.elapsed() << " ms, the event loop waiting "
              << worst << " ms at most (idle: " << idle << " ms)\n";
}
