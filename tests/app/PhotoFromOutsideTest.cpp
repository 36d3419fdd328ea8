// Photos from outside the window: named when the program starts, and dropped onto it.
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app/window/PhotoArgument.h"
#include "services/SettingsStore.h"
#include "support/Fixtures.h"
#include "support/MainDialogFixture.h"

namespace {

class PhotoFromOutsideTest : public MainDialogFixture {
protected:
    void Drop(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dlg_.get(), &enter);
        ASSERT_TRUE(enter.isAccepted()) << "the cursor shows the drop is welcome";
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        const std::size_t before = (*prompts_)->Records().size();
        QApplication::sendEvent(dlg_.get(), &drop);
        EXPECT_EQ((*prompts_)->Records().size(), before) << "the program the file came from is not kept waiting";
        QCoreApplication::processEvents();
    }
    QString LastPhotoFolder() const
    {
        return platform::SettingsStore::GetProfileString("Option", "LastPhotoFolder", "<none>");
    }
};

}  // namespace

TEST(PhotoArgument, TheOneNameAfterTheProgram)
{
    EXPECT_EQ(PhotoArgument({"pictorelle"}), "");
    EXPECT_EQ(PhotoArgument({"pictorelle", "/a b/p.jpg"}), "/a b/p.jpg");
    EXPECT_EQ(PhotoArgument({"pictorelle", "--", "-dash.jpg"}), QDir::current().absoluteFilePath("-dash.jpg"));
    EXPECT_EQ(PhotoArgument({"pictorelle", "rel/p.jpg"}), QDir::current().absoluteFilePath("rel/p.jpg"));
}

TEST_F(PhotoFromOutsideTest, NamedPhotoOpensOnceTheWindowShows)
{
    const QString photo = WriteSolid(TempPath("named photo.png"), 30, 20, {1, 2, 3});
    dlg_ = std::make_unique<COrvanelDlg>();
    dlg_->SetPhotoToOpen(photo);
    dlg_->Create();
    EXPECT_EQ(TextOf(1009), "") << "not before the window shows";
    dlg_->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(TextOf(1009), "named photo.png 30 * 20");
    EXPECT_TRUE(TextOf(1003).endsWith("/named photo_out.png"));
    EXPECT_EQ(LastPhotoFolder(), dir_.path() + "/");
}

TEST_F(PhotoFromOutsideTest, DroppedFilesOpenTheFirstAndRefuseWhatIsNoFile)
{
    const QString a = WriteSolid(TempPath("a.png"), 30, 20, {1, 2, 3});
    const QString b = WriteSolid(TempPath("b.png"), 10, 10, {1, 2, 3});
    // One photo opens here; several go to Convert Several Photos (SeveralPhotosTest).
    Drop({QUrl::fromLocalFile(a)});
    EXPECT_EQ(TextOf(1009), "a.png 30 * 20");
    // A name that is not UTF-8 opens as Open Photo opens it.
    const QByteArray latin1 = QFile::encodeName(dir_.path()) + "/caf\xe9.png";
    ASSERT_EQ(::rename(QFile::encodeName(b).constData(), latin1.constData()), 0);
    Drop({QUrl::fromEncoded("file://" + latin1.toPercentEncoding("/"))});
    EXPECT_TRUE(TextOf(1009).endsWith(".png 10 * 10")) << TextOf(1009).toStdString();
    std::remove(latin1.constData());  // the temporary folder cannot list it to remove it
    Drop({QUrl::fromLocalFile(a)});

    QDir(dir_.path()).mkdir("folder");
    const struct {
        QUrl url;
        QString caption;
    } refused[] = {{QUrl("https://example.org/p.jpg"), "https://example.org/p.jpg"},
                   {QUrl::fromLocalFile(TempPath("folder")), TempPath("folder")},
                   {QUrl::fromLocalFile(TempPath("missing.jpg")), TempPath("missing.jpg")}};
    QDir(dir_.path()).mkdir("elsewhere");
    platform::SettingsStore::WriteProfileString("Option", "LastPhotoFolder", TempPath("elsewhere/"));
    for (const auto& r : refused) {
        (*prompts_)->Clear();
        (*prompts_)->QueueAnswer(platform::IDOK);
        Drop({r.url});
        ASSERT_EQ((*prompts_)->Messages().size(), 1u) << r.url.toString().toStdString();
        EXPECT_EQ(MessageOf((*prompts_)->Messages()[0].text), "Can not get the width of the photo!");
        EXPECT_EQ((*prompts_)->Messages()[0].caption, r.caption);
    }
    EXPECT_EQ(TextOf(1009), "a.png 30 * 20") << "nothing else changes";
    EXPECT_EQ(LastPhotoFolder(), TempPath("elsewhere/"));

    // A drag of plain text is not accepted.
    QMimeData text;
    text.setText("hello");
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dlg_.get(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}
