#include "widgets/CComboBox.h"

#include <QComboBox>

namespace platform {

void CComboBox::ResetContent()
{
    if (combo_)
        combo_->clear();
}

int CComboBox::InsertString(int index, const QString& text)
{
    if (!combo_)
        return -1;
    if (index < 0 || index > combo_->count())
        index = combo_->count();
    combo_->insertItem(index, text);
    return index;
}

int CComboBox::GetCount() const
{
    return combo_ ? combo_->count() : 0;
}

int CComboBox::GetCurSel() const
{
    return combo_ ? combo_->currentIndex() : -1;
}

int CComboBox::SetCurSel(int index)
{
    if (!combo_ || index < -1 || index >= combo_->count())
        return -1;
    combo_->setCurrentIndex(index);
    return index;
}

QString CComboBox::GetLBText(int index) const
{
    return combo_ ? combo_->itemText(index) : QString();
}

void CComboBox::ShowWindow(bool show)
{
    if (combo_)
        combo_->setVisible(show);
}

}  // namespace platform
