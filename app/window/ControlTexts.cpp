#include "app/window/ControlTexts.h"

#include <QComboBox>
#include <QColor>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

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

QPixmap ColourSwatch(const QColor& colour, const QColor& frame)
{
    QPixmap swatch(12, 12);
    swatch.fill(colour);
    QPainter painter(&swatch);
    painter.setPen(frame);
    painter.drawRect(0, 0, 11, 11);
    return swatch;
}
