#include "app/window/CaptionBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "app/window/ControlTexts.h"
#include "app/window/SeveralPhotosChoices.h"
#include "services/Prompts.h"
#include "settings/FontRecordConversion.h"

namespace {

// A length's unit box: the share first, pixels second.
CaptionLength LengthOf(const QSpinBox* value, const QComboBox* unit)
{
    return {static_cast<double>(value->value()), unit->currentIndex() == 0};
}

void ShowLength(QSpinBox* value, QComboBox* unit, const CaptionLength& length, int least, int mostShare, int mostPixels)
{
    unit->setCurrentIndex(length.percent ? 0 : 1);
    value->setRange(least, length.percent ? mostShare : mostPixels);
    value->setValue(static_cast<int>(length.value));
}

}  // namespace

CaptionBox::CaptionBox(QWidget* parent)
    : QGroupBox(parent),
      on_(new QCheckBox(this)),
      text_(new QLineEdit(this)),
      font_(new QPushButton(this)),
      swatch_(new QLabel(this)),
      fontName_(new QLabel(this)),
      sizeLabel_(new QLabel(this)),
      size_(new QSpinBox(this)),
      sizeUnit_(new QComboBox(this)),
      placeLabel_(new QLabel(this)),
      place_(new QComboBox(this)),
      marginLabel_(new QLabel(this)),
      margin_(new QSpinBox(this)),
      marginUnit_(new QComboBox(this)),
      xLabel_(new QLabel(this)),
      x_(new QSpinBox(this)),
      yLabel_(new QLabel(this)),
      y_(new QSpinBox(this))
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(on_, 0, 0);
    grid->addWidget(text_, 0, 1, 1, 3);
    grid->addWidget(font_, 0, 4);
    auto* fontShown = new QHBoxLayout;
    fontShown->addWidget(swatch_);
    fontShown->addWidget(fontName_, 1);
    grid->addLayout(fontShown, 0, 5, 1, 2);
    grid->addWidget(sizeLabel_, 1, 0);
    grid->addWidget(size_, 1, 1);
    grid->addWidget(sizeUnit_, 1, 2);
    grid->addWidget(placeLabel_, 1, 3);
    grid->addWidget(place_, 1, 4);
    grid->addWidget(marginLabel_, 2, 0);
    grid->addWidget(margin_, 2, 1);
    grid->addWidget(marginUnit_, 2, 2);
    grid->addWidget(xLabel_, 2, 3);
    grid->addWidget(x_, 2, 4);
    grid->addWidget(yLabel_, 2, 5);
    grid->addWidget(y_, 2, 6);
    for (QSpinBox* box : {x_, y_})
        box->setRange(0, kMaxSideInWindow);
    Relabel();

    connect(on_, &QCheckBox::toggled, this, [this] { EnableFields(); });
    connect(font_, &QPushButton::clicked, this, [this] { ChooseFont(); });
    // A unit changed keeps the number in range of its new unit.
    connect(sizeUnit_, &QComboBox::currentIndexChanged, this, [this](int unit) {
        size_->setRange(1, unit == 0 ? 100 : kMaxFontPixels);
    });
    connect(marginUnit_, &QComboBox::currentIndexChanged, this, [this](int unit) {
        margin_->setRange(0, unit == 0 ? 50 : kMaxSideInWindow);
    });
    connect(place_, &QComboBox::currentIndexChanged, this, [this] { EnableFields(); });
    for (QSpinBox* box : {size_, margin_, x_, y_})
        connect(box, &QSpinBox::valueChanged, this, &CaptionBox::Changed);
    for (QComboBox* box : {sizeUnit_, place_, marginUnit_})
        connect(box, &QComboBox::currentIndexChanged, this, &CaptionBox::Changed);
    connect(on_, &QCheckBox::toggled, this, &CaptionBox::Changed);
    connect(text_, &QLineEdit::textChanged, this, &CaptionBox::Changed);
}

void CaptionBox::Relabel()
{
    setTitle(tr("Caption"));
    on_->setText(tr("&Text:"));
    text_->setAccessibleName(tr("Text"));
    font_->setText(tr("Font && colo&ur..."));
    LabelControl(sizeLabel_, size_, tr("Text hei&ght:"));
    SetComboItems(sizeUnit_, {tr("% of the height"), tr("pixels")});
    sizeUnit_->setAccessibleName(tr("Size unit"));
    // Every letter of the word is another control's already.
    LabelControl(placeLabel_, place_, tr("Place:"));
    SetComboItems(place_, {tr("Top left"), tr("Top"), tr("Top right"), tr("Left"), tr("Centre"), tr("Right"),
                      tr("Bottom left"), tr("Bottom"), tr("Bottom right"), tr("At X, Y")});
    LabelControl(marginLabel_, margin_, tr("&Margin:"));
    SetComboItems(marginUnit_, {tr("% of the shorter side"), tr("pixels")});
    marginUnit_->setAccessibleName(tr("Margin unit"));
    LabelControl(xLabel_, x_, tr("&X:"));
    LabelControl(yLabel_, y_, tr("&Y:"));
    x_->setAccessibleName(tr("Text X"));
    y_->setAccessibleName(tr("Text Y"));
    ShowFont();
}

bool CaptionBox::On() const
{
    return on_->isChecked();
}

QString CaptionBox::Text() const
{
    return text_->text();
}

CaptionStyle CaptionBox::Style() const
{
    CaptionStyle style = style_;
    style.size = LengthOf(size_, sizeUnit_);
    style.margin = LengthOf(margin_, marginUnit_);
    style.place = static_cast<CaptionPlace>(place_->currentIndex());
    style.x = x_->value();
    style.y = y_->value();
    return style;
}

void CaptionBox::Show(bool on, const QString& text, const CaptionStyle& style)
{
    style_ = style;
    on_->setChecked(on);
    text_->setText(text);
    ShowLength(size_, sizeUnit_, style.size, 1, 100, kMaxFontPixels);
    ShowLength(margin_, marginUnit_, style.margin, 0, 50, kMaxSideInWindow);
    place_->setCurrentIndex(static_cast<int>(style.place));
    x_->setValue(style.x);
    y_->setValue(style.y);
    ShowFont();
    EnableFields();
}

void CaptionBox::ChooseFont()
{
    platform::FontDialogRequest request;
    request.owner = this;
    request.font = style_.family.isEmpty() ? QGuiApplication::font() : QFont(style_.family);
    request.font.setBold(style_.bold);
    request.font.setItalic(style_.italic);
    request.colour = style_.colour;
    request.flags = platform::CF_SCREENFONTS | platform::CF_EFFECTS;
    const auto choice = platform::CurrentPrompts().ChooseFont(request);
    if (!choice)
        return;
    // The dialog's size is not the caption's: that is a share of each picture, set beside it.
    style_.family = choice->font.family().left(kFaceNameChars);
    style_.bold = choice->font.bold();
    style_.italic = choice->font.italic();
    style_.colour = choice->colour;
    ShowFont();
    Q_EMIT Changed();
}

void CaptionBox::ShowFont()
{
    QString name = style_.family.isEmpty() ? QGuiApplication::font().family() : style_.family;
    if (style_.bold)
        name += tr(", bold");
    if (style_.italic)
        name += tr(", italic");
    swatch_->setPixmap(ColourSwatch(style_.colour, palette().color(QPalette::WindowText)));
    fontName_->setText(name);
    fontName_->setAccessibleName(tr("Caption font: %1").arg(name));
}

void CaptionBox::EnableFields()
{
    const bool on = on_->isChecked();
    const bool atPoint = place_->currentIndex() == static_cast<int>(CaptionPlace::AtPoint);
    for (QWidget* w : std::initializer_list<QWidget*>{text_, font_, swatch_, fontName_, sizeLabel_, size_, sizeUnit_,
                                                      placeLabel_, place_})
        w->setEnabled(on);
    for (QWidget* w : std::initializer_list<QWidget*>{marginLabel_, margin_, marginUnit_})
        w->setEnabled(on && !atPoint);
    for (QWidget* w : std::initializer_list<QWidget*>{xLabel_, x_, yLabel_, y_})
        w->setEnabled(on && atPoint);
}
