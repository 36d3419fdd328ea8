// Photo file names through the real main window: a name is only a name, whatever its bytes, and
// a photo that cannot be opened is reported, never a crash.
#include <cstdio>
#include <vector>

#include <QFile>
#include <QFontMetrics>
#include <QLabel>

#include "imaging/testing/ImagingTestSeams.h"
#include "res/ResourceIds.h"
#include "support/Fixtures.h"
#include "support/MainDialogFixture.h"

using platform::IDOK;

namespace {

const QString kCannotOpen = QStringLiteral("Can not get the width of the photo!");  // message 126

class PhotoFileNameTest : public MainDialogFixture {
protected:
    void TearDown() override
    {
        MainDialogFixture::TearDown();
        // Qt's folder listings skip names that are not UTF-8, so the folder cannot remove them.
        for (const QByteArray& local : moved_)
            std::remove(local.constData());
    }
    // Moves a picture made under a plain name to the exact bytes name in the folder; returns its
    // path as the program is given it.
    QString MoveTo(const QString& made, const QByteArray& name)
    {
        const QByteArray local = QFile::encodeName(dir_.path()) + '/' + name;
        EXPECT_EQ(std::rename(QFile::encodeName(made).constData(), local.constData()), 0) << name.constData();
        moved_.push_back(local);
        return QFile::decodeName(local);
    }
    void Open(const QString& path, bool answerMessage = false)
    {
        (*prompts_)->Clear();
        if (answerMessage)
            (*prompts_)->QueueAnswer(IDOK);
        OpenPhoto(path);
    }

private:
    std::vector<QByteArray> moved_;
};

TEST_F(PhotoFileNameTest, EachNameOpensTheFileItNames)
{
    // libvips would read "x.jpg[shrink=8]" as x.jpg at an eighth of its size.
    MoveTo(WriteSolid(TempPath("made.jpg"), 64, 48, {9, 9, 9}), "x.jpg");
    struct Row {
        QByteArray name;
        const char* kind;
        int width;
        int height;
    };
    const Row rows[] = {
        {"photo[1]", "jpg", 40, 30},
        {"x.jpg[shrink=8]", "jpg", 56, 24},
        {"pic[0].bmp", "bmp", 30, 20},
        {"<b>%s %d 100%<i>.png", "png", 33, 21},
        {"two\nlines.jpg", "jpg", 35, 25},
        {"-leading dash.png", "png", 37, 27},
        {"  spaced  name .gif", "gif", 39, 23},
        {"caf\xe9 \xff.jpg", "jpg", 41, 29},  // not UTF-8: Qt shows both bytes as U+FFFD
    };
    for (const Row& row : rows) {
        const QString made = TempPath(QStringLiteral("made.") + row.kind);
        if (QByteArray(row.kind) == "bmp")
            QFile::copy(DataFile("photo_30x20.bmp"), made);
        else
            WriteSolid(made, row.width, row.height, {200, 100, 50});
        Open(MoveTo(made, row.name));
        EXPECT_TRUE((*prompts_)->MessageTexts().isEmpty()) << row.name.constData();
        EXPECT_EQ(TextOf(IDC_EDIT_OUTPUT_WIDTH), QString::number(row.width)) << row.name.constData();
        EXPECT_EQ(TextOf(IDC_EDIT_OUTPUT_HEIGHT), QString::number(row.height)) << row.name.constData();
        if (row.name.startsWith('<')) {
            // The information line shows the name's characters, not what they would mark up.
            const auto* info = qobject_cast<QLabel*>(dlg_->GetDlgItem(IDC_STATIC_PHOTO_INFO));
            EXPECT_EQ(info->text(), QString("<b>%s %d 100%<i>.png 33 * 21"));
            EXPECT_GE(info->sizeHint().width(), QFontMetrics(info->font()).horizontalAdvance(info->text()));
        }
    }
}

TEST_F(PhotoFileNameTest, UndecodableNameMatchingTwoFilesIsNotGuessed)
{
    MoveTo(WriteSolid(TempPath("a.jpg"), 20, 10, {1, 2, 3}), "caf\xe9.jpg");
    const QString path = MoveTo(WriteSolid(TempPath("b.jpg"), 30, 10, {1, 2, 3}), "caf\xe8.jpg");
    Open(path, true);
    EXPECT_EQ((*prompts_)->MessageTexts(), QStringList{kCannotOpen});
}

TEST_F(PhotoFileNameTest, MemoryRunningOutWhileOpeningIsReported)
{
    const QString photos[] = {DataFile("photo_30x20.bmp"), WriteSolid(TempPath("p.jpg"), 64, 48, {1, 2, 3})};
    platform::ForceAllocationFailures(true);
    for (const QString& photo : photos) {
        Open(photo, true);
        EXPECT_EQ((*prompts_)->MessageTexts(), QStringList{kCannotOpen}) << photo.toStdString();
    }
    platform::ForceAllocationFailures(false);
    Open(photos[1]);
    EXPECT_TRUE((*prompts_)->MessageTexts().isEmpty());
    EXPECT_EQ(TextOf(IDC_EDIT_OUTPUT_WIDTH), "64");
}

}  // namespace
