// The language switched again and again while a batch converts beside the window: a program of its
// own, so that the ThreadSanitizer build can run it without building every test.
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QThread>

#include "app/window/COrvanelDlg.h"
#include "app/window/ConvertSeveralWindow.h"
#include "app/window/PhotoListModel.h"
#include "lang/CLanguage.h"
#include "lang/QtTranslation.h"
#include "support/Fixtures.h"
#include "support/MainDialogFixture.h"
#include "support/Watchdog.h"

namespace {
using LanguageDuringBatchTest = MainDialogFixture;
}  // namespace

// The run tells its photos in the language it started in, nothing it reads is changed under it,
// and the window's words follow each switch.
TEST_F(LanguageDuringBatchTest, ManySwitchesWhileDamagedPhotosConvert)
{
    QDir(dir_.path()).mkpath("base/language");
    QDir(dir_.path()).mkpath("out");
    WriteAll(TempPath("base/language/English.ini"), "");
    WriteAll(TempPath("base/language/German_Germany.ini"),
             "[STRING]\nIDS_STRING115=Umwandlung misslungen.\nIDS_STRING126=Breite unbekannt.\n");
    theLanguage.Init(TempPath("base"), "english");
    const QByteArray whole = ReadAll(WriteSolid(TempPath("whole.png"), 64, 48, {1, 2, 3}));
    QStringList photos;
    for (int i = 0; i < 120; ++i) {
        photos << TempPath(QString("cut%1.png").arg(i));
        WriteAll(photos.last(), whole.left(40 + i % 24));
    }
    dlg_->ConvertSeveral(photos);
    ConvertSeveralWindow& w = *dlg_->SeveralWindow();
    SeveralPhotosChoices c = w.Choices();
    c.outputFolder = TempPath("out");
    w.ShowChoices(c);
    const auto choose = [](const QString& language) {
        theLanguage.SetLanguage(language);
        LoadQtTranslation(language, {QStringLiteral(PICTORELLE_QM_DIR)});
        QCoreApplication::processEvents();
    };
    w.ConvertAllButton()->click();
    {
        const Watchdog watchdog("the run", 60);
        for (int i = 0; w.Converting(); ++i)
            choose(i % 2 ? QStringLiteral("English") : QStringLiteral("German_Germany"));
    }
    choose("German_Germany");
    EXPECT_EQ(w.ConvertAllButton()->text(), "Alle u&mwandeln");
    choose("English");
    EXPECT_EQ(w.ConvertAllButton()->text(), "&Convert All");
    for (int row = 0; row < photos.size(); ++row) {
        const QString status =
            w.Photos().data(w.Photos().index(row, PhotoListModel::StatusColumn), Qt::DisplayRole).toString();
        EXPECT_TRUE(status.startsWith("failed: Can not get the width of the photo!") ||
                    status.startsWith("failed: Failed to convert photo!"))
            << status.toStdString();
    }
}
