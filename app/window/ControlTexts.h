#pragma once
#include <QString>
#include <QStringList>

class QColor;
class QComboBox;
class QPixmap;
class QLabel;
class QWidget;

// A control with its label: the label's mnemonic reaches it, and a screen reader reads the
// label's words as its name.
void LabelControl(QLabel* label, QWidget* control, const QString& text);

// A combo box's entries, in place when it has them already, so that its choice stays when the
// language changes.
void SetComboItems(QComboBox* box, const QStringList& items);

// A small square of colour framed in frame, so that a white or a pale colour shows on the
// window's own.
QPixmap ColourSwatch(const QColor& colour, const QColor& frame);
