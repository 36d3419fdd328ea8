#include "support/MainDialogFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>

void MainDialogFixture::SetUp()
{
    prompts_ = std::make_unique<ScopedScriptedPrompts>();
    dlg_ = std::make_unique<COrvanelDlg>();
    dlg_->Create();
    dlg_->show();
}

void MainDialogFixture::TearDown()
{
    dlg_.reset();
    prompts_.reset();
}

void MainDialogFixture::OpenPhoto(const QString& path)
{
    (*prompts_)->QueueFile(path);
    Click(1001);
}

void MainDialogFixture::Click(int id)
{
    auto* button = qobject_cast<QAbstractButton*>(dlg_->GetDlgItem(id));
    ASSERT_NE(button, nullptr) << "no button " << id;
    button->click();
}

void MainDialogFixture::SetText(int id, const QString& text)
{
    dlg_->SetDlgItemText(id, text);
}

QString MainDialogFixture::TextOf(int id) const
{
    return dlg_->GetDlgItemText(id);
}

bool MainDialogFixture::IsShown(int id) const
{
    return !dlg_->GetDlgItem(id)->isHidden();
}

bool MainDialogFixture::IsEnabled(int id) const
{
    return dlg_->GetDlgItem(id)->isEnabled();
}

void MainDialogFixture::LeaveEdit(int id)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(dlg_->GetDlgItem(id), &out);
}
