#include "widgets/FontColourDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace platform {
namespace {

// The font with its style named as the font database names it: the chooser matches styles by
// name and would otherwise pick the first style of a family whose regular face is called "Book".
// Of the styles with the font's weight and slant, the shortest name is the plain one ("Bold",
// not "Condensed Bold").
QFont WithStyleName(QFont font)
{
    const QString family = QFontInfo(font).family();
    QString best;
    for (const QString& style : QFontDatabase::styles(family)) {
        const QFont candidate = QFontDatabase::font(family, style, 12);
        const bool slanted = candidate.style() != QFont::StyleNormal;
        if (candidate.weight() == font.weight() && slanted == font.italic() &&
            (best.isEmpty() || style.size() < best.size()))
            best = style;
    }
    if (!best.isEmpty())
        font.setStyleName(best);
    return font;
}

}  // namespace

const std::vector<std::pair<QString, QColor>>& StandardTextColours()
{
    // The names are translated where they are shown; the table keeps them in English.
    static const std::vector<std::pair<QString, QColor>> colours = {
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "Black"), QColor(0, 0, 0)},
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "Maroon"), QColor(128, 0, 0)},
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "Green"), QColor(0, 128, 0)},
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "Olive"), QColor(128, 128, 0)},
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "Navy"), QColor(0, 0, 128)},
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "Purple"), QColor(128, 0, 128)},
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "Teal"), QColor(0, 128, 128)},
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "Gray"), QColor(128, 128, 128)},
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "Silver"), QColor(192, 192, 192)},
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "Red"), QColor(255, 0, 0)},
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "Lime"), QColor(0, 255, 0)},
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "Yellow"), QColor(255, 255, 0)},
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "Blue"), QColor(0, 0, 255)},
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "Fuchsia"), QColor(255, 0, 255)},
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "Aqua"), QColor(0, 255, 255)},
        {QT_TRANSLATE_NOOP("platform::FontColourDialog", "White"), QColor(255, 255, 255)},
    };
    return colours;
}

FontColourDialog::FontColourDialog(const QFont& font, const QColor& colour, QWidget* parent)
    : QDialog(parent), fonts_(new QFontDialog(WithStyleName(font), this)), colours_(new QComboBox(this))
{
    setWindowTitle(tr("Font"));
    // The font chooser lives inside this dialog; its own buttons give way to ours.
    fonts_->setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::NoButtons);
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setSizeGripEnabled(false);
    fonts_->setCurrentFont(WithStyleName(font));

    int selected = 0;
    const auto& standard = StandardTextColours();
    for (std::size_t i = 0; i < standard.size(); ++i) {
        QPixmap swatch(16, 16);
        swatch.fill(standard[i].second);
        colours_->addItem(QIcon(swatch), tr(standard[i].first.toUtf8().constData()), standard[i].second);
        if (standard[i].second.rgb() == colour.rgb())
            selected = static_cast<int>(i);
    }
    colours_->setCurrentIndex(selected);

    auto* colourRow = new QHBoxLayout;
    auto* colourLabel = new QLabel(tr("&Color:"), this);
    colourLabel->setBuddy(colours_);
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(colours_);
    colourRow->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
    fonts_->show();
}

QFont FontColourDialog::SelectedFont() const
{
    return fonts_->currentFont();
}

QColor FontColourDialog::SelectedColour() const
{
    return colours_->currentData().value<QColor>();
}

}  // namespace platform
