// Real prompts, closed by a timer: what they show, the cursor over them, and a click they interrupt.
#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include "widgets/CDialog.h"
#include "widgets/QtPrompts.h"

namespace {

// Hands the next modal prompt to examine, then closes it.
class CloseNextPrompt {
public:
    explicit CloseNextPrompt(std::function<void(QWidget*)> examine) : examine_(std::move(examine))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* prompt = QApplication::activeModalWidget();
            if (!prompt)
                return;
            timer_.stop();
            examine_(prompt);
            qobject_cast<QDialog*>(prompt)->done(QDialog::Rejected);
        });
        timer_.start(10);
    }

private:
    std::function<void(QWidget*)> examine_;
    QTimer timer_;
};

Qt::CursorShape CursorShape()
{
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

}  // namespace

TEST(RealPrompts, MessageTextAndCaptionAreLiteral)
{
    const QString text = "Cannot open <b>holiday</b>.jpg<img src=\"x.png\">";
    const QString caption = "Warning [*] <i>now</i>";
    QString shownText, shownCaption;
    Qt::TextFormat format = Qt::AutoText;
    CloseNextPrompt closer([&](QWidget* box) {
        if (auto* label = box->findChild<QLabel*>("qt_msgbox_label")) {
            format = label->textFormat();
            shownText = label->text();
        }
        shownCaption = box->windowHandle()->title();
    });
    platform::QtPrompts().MessageBox(nullptr, text, caption, platform::MB_OK | platform::MB_ICONEXCLAMATION);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shownText, text);
    EXPECT_EQ(shownCaption, caption);
}

TEST(RealPrompts, NormalCursorOverPromptsThenWaitCursorAgain)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    platform::QtPrompts prompts;
    Qt::CursorShape overMessage = Qt::WaitCursor;
    {
        CloseNextPrompt closer([&](QWidget*) { overMessage = CursorShape(); });
        prompts.MessageBox(nullptr, "Overwrite?", "Pictorelle", platform::MB_YESNO);
    }
    EXPECT_EQ(overMessage, Qt::ArrowCursor);
    EXPECT_EQ(CursorShape(), Qt::WaitCursor);

    QTemporaryDir dir;
    Qt::CursorShape overFileDialog = Qt::WaitCursor;
    {
        CloseNextPrompt closer([&](QWidget*) { overFileDialog = CursorShape(); });
        platform::FileDialogRequest request;
        request.initialFolder = dir.path();
        request.filters = {{"Photo Files (*.png)", "*.png"}};
        EXPECT_EQ(prompts.OpenFile(request), std::nullopt);
    }
    EXPECT_EQ(overFileDialog, Qt::ArrowCursor);
    EXPECT_EQ(CursorShape(), Qt::WaitCursor);
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the cursor stack is left as it was";
}

TEST(RealPrompts, FileTypesReadWhole)
{
    QTemporaryDir dir;
    platform::FileDialogRequest request;
    request.initialFolder = dir.path();
    request.filters = {{"Photo Files (*.bmp;*.gif;*.png;*.tif;*.jpg;*.jpeg;*.ico;*.webp;*.heic;*.avif)", "*.png"}};
    int shownWidth = 0, wholeWidth = 1;
    CloseNextPrompt closer([&](QWidget* dialog) {
        if (auto* types = dialog->findChild<QComboBox*>("fileTypeCombo")) {
            shownWidth = types->width();
            wholeWidth = types->sizeHint().width();
        }
        EXPECT_LE(dialog->frameGeometry().width(), dialog->screen()->availableGeometry().width());
    });
    platform::QtPrompts().OpenFile(request);
    EXPECT_GE(shownWidth, wholeWidth);
}

namespace {
constexpr int kEdit = 10;
constexpr int kButton = 11;

platform::DialogTemplate EditAndButtonTemplate()
{
    return {3, "f", 120, 60, "Sans", 8,
            {{kEdit, platform::ControlKind::Edit, "", 5, 5, 50, 12, platform::StyleTabStop},
             {kButton, platform::ControlKind::PushButton, "Convert", 5, 30, 50, 14, platform::StyleTabStop}}};
}

// Its edit complains when left, as the main window's edits do about bad numbers.
class ComplainingEditDialog : public platform::CDialog {
public:
    ComplainingEditDialog() : CDialog(EditAndButtonTemplate())
    {
        MapMessage(kEdit, platform::Notification::KillFocus, [this] {
            ++complaints;
            platform::CurrentPrompts().MessageBox(this, "Enter a number.", "Pictorelle", platform::MB_OK);
        });
        MapMessage(kButton, platform::Notification::Clicked, [this] { ++clicks; });
    }
    int complaints = 0;
    int clicks = 0;
};
}  // namespace

// Qt's own dialogs for one test; a program without a window reports its messages instead.
struct RealPromptsInstalled {
    RealPromptsInstalled() { platform::InstallPrompts(std::make_unique<platform::QtPrompts>()); }
    ~RealPromptsInstalled() { platform::InstallPrompts(nullptr); }
};

TEST(RealPrompts, MessageOnLeavingAnEditInterruptsTheClick)
{
    const RealPromptsInstalled real;
    ComplainingEditDialog dlg;
    dlg.Create();
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    dlg.GotoDlgCtrl(kEdit);
    auto* button = qobject_cast<QAbstractButton*>(dlg.GetDlgItem(kButton));
    const QPoint onButton = button->mapTo(&dlg, button->rect().center());

    {
        // The user lets go of the button while the message is up, as anyone does.
        CloseNextPrompt closer(
            [&](QWidget*) { QTest::mouseRelease(dlg.windowHandle(), Qt::LeftButton, {}, onButton); });
        QTest::mousePress(dlg.windowHandle(), Qt::LeftButton, {}, onButton);
        QTest::qWait(20);
    }
    EXPECT_EQ(dlg.complaints, 1);
    EXPECT_EQ(dlg.clicks, 0) << "the message interrupted the click";
    EXPECT_FALSE(button->isDown());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    QTest::mouseClick(dlg.windowHandle(), Qt::LeftButton, {}, onButton);
    EXPECT_EQ(dlg.clicks, 1) << "the next click acts";
    EXPECT_EQ(dlg.complaints, 1);
}
