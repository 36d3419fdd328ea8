#include "app/window/ControlTexts.h"

#include <QComboBox>
#include <QLabel>

void LabelControl(QLabel* label, QWidget* control, const QString& text)
{
    label->setText(text);
    label->setBuddy(control);
    control->setAccessibleName(QString(text).remove(u'&'));
}

void SetComboItems(QComboBox* box, const QStringList& items)
{
    if (box->count() == 0) {
        box->addItems(items);
        return;
    }
    for (int i = 0; i < items.size() && i < box->count(); ++i)
        box->setItemText(i, items[i]);
}
