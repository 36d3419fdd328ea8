#pragma once
#include <functional>
#include <vector>

#include <QGroupBox>

#include "batch/CaptionStyle.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The caption of Convert Several Photos: its text, font and colour (Qt's font dialog, through the
// prompts), its size as a share of each picture's height or in pixels, and where it stands: one of
// nine places with a margin, or a point.
class CaptionBox final : public QGroupBox {
    Q_OBJECT
public:
    explicit CaptionBox(QWidget* parent = nullptr);

    bool On() const;
    QString Text() const;
    CaptionStyle Style() const;
    void Show(bool on, const QString& text, const CaptionStyle& style);
    // Sets the texts again, in the language now chosen.
    void Relabel();

    QPushButton* FontButton() const { return font_; }

Q_SIGNALS:
    // Any choice changed.
    void Changed();

private:
    void ChooseFont();
    void ShowFont();
    void EnableFields();

    QCheckBox* on_;
    QLineEdit* text_;
    QPushButton* font_;
    QLabel* swatch_;  // the colour
    QLabel* fontName_;
    QLabel* sizeLabel_;
    QSpinBox* size_;
    QComboBox* sizeUnit_;
    QLabel* placeLabel_;
    QComboBox* place_;
    QLabel* marginLabel_;
    QSpinBox* margin_;
    QComboBox* marginUnit_;
    QLabel* xLabel_;
    QSpinBox* x_;
    QLabel* yLabel_;
    QSpinBox* y_;
    CaptionStyle style_;  // the font's family and effects and the colour, as last chosen
};
