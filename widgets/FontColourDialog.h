#pragma once
#include <QColor>
#include <QDialog>
#include <QFont>

class QComboBox;
class QFontDialog;

namespace platform {

// The sixteen standard colours offered for text, in their usual order, named in English.
const std::vector<std::pair<QString, QColor>>& StandardTextColours();

// Qt's font chooser (family, style, size, underline, strike-out) with a colour choice beside it.
class FontColourDialog final : public QDialog {
    Q_OBJECT

public:
    FontColourDialog(const QFont& font, const QColor& colour, QWidget* parent = nullptr);
    QFont SelectedFont() const;
    QColor SelectedColour() const;

private:
    QFontDialog* fonts_;
    QComboBox* colours_;
};

}  // namespace platform
