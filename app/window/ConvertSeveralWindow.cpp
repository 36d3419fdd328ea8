#include "app/window/ConvertSeveralWindow.h"

#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include "app/window/BatchPreview.h"
#include "app/window/CaptionBox.h"
#include "app/window/ControlTexts.h"
#include "app/window/FolderLister.h"
#include "app/window/OpenOrSay.h"
#include "app/window/OutputNamePreview.h"
#include "app/window/PhotoListModel.h"
#include "app/window/PhotoSizeReader.h"
#include "convert/PhotoExtensions.h"
#include "lang/CLanguage.h"
#include "lang/PosixLocale.h"
#include "services/Prompts.h"
#include "services/SystemInfo.h"
#include "batch/OutputFolderProblem.h"
#include "batch/RequestOptions.h"
#include "app/window/HelpPage.h"
#include "settings/UserOutputFolder.h"

namespace {

QString ProposedFolder()
{
    // Where the pictures folder cannot be found the fallback is proposed; the main window tells that.
    return UserOutputFolder(platform::QueryOsMajorVersion(), [](const QString&) {});
}

void Named(QWidget* control, const QString& name)
{
    control->setAccessibleName(name);
}

}  // namespace

ConvertSeveralWindow::ConvertSeveralWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), model_(new PhotoListModel(this))
{
    setAcceptDrops(true);
    sizes_ = std::make_unique<PhotoSizeReader>([this](const PhotoSizeReader::Sizes& sizes) { model_->SetSizes(sizes); });
    folders_ = std::make_unique<FolderLister>(
        [this](const QList<BatchPhoto>& photos, const QStringList& problems) { OnFolderListed(photos, problems); });
    runner_ = std::make_unique<BatchRunner>([this](const BatchRunner::Events& events) { OnEvents(events); },
                                            [this](int status) { OnFinished(status); });
    BuildControls();
    ShowChoices(LoadSeveralPhotosChoices(ProposedFolder()));
    damagedPresets_ = FillPresets(QString());
    EnableForRun(false);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &ConvertSeveralWindow::ForgetRun);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &ConvertSeveralWindow::ForgetRun);
    connect(model_, &QAbstractItemModel::modelReset, this, &ConvertSeveralWindow::ForgetRun);
    // A photo's place, or its size once read, may change its output's name.
    connect(model_, &QAbstractItemModel::rowsInserted, this, &ConvertSeveralWindow::ShowOutputName);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &ConvertSeveralWindow::ShowOutputName);
    connect(model_, &QAbstractItemModel::modelReset, this, &ConvertSeveralWindow::ShowOutputName);
    connect(model_, &QAbstractItemModel::dataChanged, this, &ConvertSeveralWindow::ShowOutputName);
}

ConvertSeveralWindow::~ConvertSeveralWindow()
{
    // The run ends (cancelled, waited for) before the locale it holds may change.
    runner_.reset();
    localeHeld_.reset();
}

void ConvertSeveralWindow::Relabel(std::function<void()> texts)
{
    texts();
    relabel_.push_back(std::move(texts));
}

void ConvertSeveralWindow::changeEvent(QEvent* event)
{
    // The language changed: the same controls, in the new language's words.
    if (event->type() == QEvent::LanguageChange) {
        for (const auto& texts : relabel_)
            texts();
        // The list's headings and states are the model's words, read again when shown.
        Q_EMIT model_->headerDataChanged(Qt::Horizontal, 0, model_->columnCount() - 1);
        list_->viewport()->update();
        ShowOutputName();  // a pattern's problem is told in the language's words
    }
    QWidget::changeEvent(event);
}

void ConvertSeveralWindow::BuildControls()
{
    auto* layout = new QVBoxLayout(this);

    list_ = new QTableView(this);
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->verticalHeader()->hide();
    // Rows of one height, not measured one by one: a folder of thousands lists at once.
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setColumnWidth(PhotoListModel::NameColumn, 260);
    list_->setColumnWidth(PhotoListModel::SizeColumn, 110);
    list_->setMinimumHeight(180);
    auto* listLabel = new QLabel(this);
    Relabel([=, this] { LabelControl(listLabel, list_, tr("Photos to con&vert:")); });
    layout->addWidget(listLabel);
    layout->addWidget(list_, 1);

    auto* listButtons = new QHBoxLayout;
    addPhotos_ = new QPushButton(this);
    addFolder_ = new QPushButton(this);
    subfolders_ = new QCheckBox(this);
    remove_ = new QPushButton(this);
    clear_ = new QPushButton(this);
    Relabel([this] {
        addPhotos_->setText(tr("Add &Photos..."));
        addFolder_->setText(tr("Add &Folder..."));
        subfolders_->setText(tr("With its &subfolders"));
        remove_->setText(tr("&Remove"));
        clear_->setText(tr("C&lear"));
    });
    for (QWidget* w : {static_cast<QWidget*>(addPhotos_), static_cast<QWidget*>(addFolder_),
                       static_cast<QWidget*>(subfolders_), static_cast<QWidget*>(remove_), static_cast<QWidget*>(clear_)})
        listButtons->addWidget(w);
    listButtons->addStretch();
    layout->addLayout(listButtons);

    // A preset sets every choice below at once; the command line's --preset reads the same ones.
    auto* presets = new QHBoxLayout;
    auto* presetLabel = new QLabel(this);
    preset_ = new QComboBox(this);
    preset_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    preset_->setMinimumContentsLength(24);
    savePreset_ = new QPushButton(this);
    deletePreset_ = new QPushButton(this);
    Relabel([=, this] {
        LabelControl(presetLabel, preset_, tr("Preset:"));
        preset_->setPlaceholderText(tr("Choose a preset"));
        savePreset_->setText(tr("Save As..."));
        Named(savePreset_, tr("Save the choices as a preset"));
        deletePreset_->setText(tr("Delete"));
        Named(deletePreset_, tr("Delete the chosen preset"));
    });
    presets->addWidget(presetLabel);
    presets->addWidget(preset_);
    presets->addWidget(savePreset_);
    presets->addWidget(deletePreset_);
    presets->addStretch();
    layout->addLayout(presets);

    auto* picture = new QGroupBox(this);
    auto* grid = new QGridLayout(picture);
    auto* sizeLabel = new QLabel(picture);
    sizeMode_ = new QComboBox(picture);
    auto* widthLabel = new QLabel(picture);
    width_ = new QSpinBox(picture);
    auto* heightLabel = new QLabel(picture);
    height_ = new QSpinBox(picture);
    for (QSpinBox* box : {width_, height_})
        box->setRange(1, kMaxSideInWindow);
    noEnlarge_ = new QCheckBox(picture);
    Relabel([=, this] {
        picture->setTitle(tr("Each photo"));
        SetComboItems(sizeMode_, {tr("Keep the photo's size"), tr("Width, the height following"),
                             tr("Height, the width following"), tr("Fit within, keeping the aspect ratio"),
                             tr("Exactly")});
        LabelControl(sizeLabel, sizeMode_, tr("Si&ze:"));
        LabelControl(widthLabel, width_, tr("&Width:"));
        LabelControl(heightLabel, height_, tr("&Height:"));
        for (QSpinBox* box : {width_, height_})
            box->setSuffix(tr(" px"));
        noEnlarge_->setText(tr("&Never enlarge"));
    });
    grid->addWidget(sizeLabel, 0, 0);
    grid->addWidget(sizeMode_, 0, 1);
    grid->addWidget(widthLabel, 0, 2);
    grid->addWidget(width_, 0, 3);
    grid->addWidget(heightLabel, 0, 4);
    grid->addWidget(height_, 0, 5);
    grid->addWidget(noEnlarge_, 0, 6);

    auto* rotateLabel = new QLabel(picture);
    rotate_ = new QComboBox(picture);
    auto* flipLabel = new QLabel(picture);
    flip_ = new QComboBox(picture);
    Relabel([=, this] {
        SetComboItems(rotate_, {tr("0\u00B0"), tr("90\u00B0"), tr("180\u00B0"), tr("270\u00B0")});
        LabelControl(rotateLabel, rotate_, tr("Rot&ate:"));
        SetComboItems(flip_, {tr("None"), tr("Horizontal"), tr("Vertical")});
        LabelControl(flipLabel, flip_, tr("Fl&ip:"));
    });
    grid->addWidget(rotateLabel, 1, 0);
    grid->addWidget(rotate_, 1, 1);
    grid->addWidget(flipLabel, 1, 2);
    grid->addWidget(flip_, 1, 3);

    // What the picture keeps of its photo besides the pixels.
    auto* detailsLabel = new QLabel(picture);
    details_ = new QComboBox(picture);
    auto* resolutionLabel = new QLabel(picture);
    resolution_ = new QComboBox(picture);
    dpi_ = new QSpinBox(picture);
    dpi_->setRange(kMinDpiInWindow, kMaxDpiInWindow);
    dateAsTaken_ = new QCheckBox(picture);
    Relabel([=, this] {
        SetComboItems(details_, {tr("None", "photo details"), tr("All but location"), tr("All")});
        LabelControl(detailsLabel, details_, tr("P&hoto details:"));
        SetComboItems(resolution_, {tr("The photo's own"), tr("Dots per inch")});
        LabelControl(resolutionLabel, resolution_, tr("Resolu&tion:"));
        dpi_->setSuffix(tr(" dpi"));
        Named(dpi_, tr("Dots per inch"));
        dateAsTaken_->setText(tr("Date the files as ta&ken"));
    });
    grid->addWidget(detailsLabel, 1, 4);
    grid->addWidget(details_, 1, 5);
    grid->addWidget(resolutionLabel, 2, 0);
    grid->addWidget(resolution_, 2, 1);
    grid->addWidget(dpi_, 2, 2, 1, 2);
    grid->addWidget(dateAsTaken_, 2, 4, 1, 3);

    // What a transparent photo lies on, and how hard its file is packed.
    auto* backgroundLabel = new QLabel(picture);
    background_ = new QPushButton(picture);
    auto* pngLabel = new QLabel(picture);
    png_ = new QComboBox(picture);
    Relabel([=, this] {
        LabelControl(backgroundLabel, background_, tr("Background:"));
        background_->setText(tr("Colour..."));
        background_->setToolTip(tr("What transparent pixels are laid on, before the caption"));
        SetComboItems(png_, {tr("Fast"), tr("Normal"), tr("Smallest")});
        LabelControl(pngLabel, png_, tr("PNG size:"));
        png_->setToolTip(tr("Fast: a larger file sooner. Smallest: a smaller file in many times the time."));
        ShowBackground();
    });
    grid->addWidget(backgroundLabel, 3, 0);
    grid->addWidget(background_, 3, 1);
    grid->addWidget(pngLabel, 3, 4);
    grid->addWidget(png_, 3, 5);

    layout->addWidget(picture);

    // The caption beside the preview of the selected photo as it will come out.
    auto* captionRow = new QHBoxLayout;
    caption_ = new CaptionBox(this);
    preview_ = new BatchPreview(this);
    Relabel([this] {
        caption_->Relabel();
        preview_->setAccessibleName(tr("Preview of the selected photo"));
    });
    captionRow->addWidget(caption_, 1);
    captionRow->addWidget(preview_);
    layout->addLayout(captionRow);

    // The folder and the names of the outputs, their fields in line.
    auto* output = new QGridLayout;
    auto* placeLabel = new QLabel(this);
    outputPlace_ = new QComboBox(this);
    auto* folderLabel = new QLabel(this);
    outputFolder_ = new QLineEdit(this);
    browse_ = new QPushButton(this);
    replace_ = new QCheckBox(this);
    Relabel([=, this] {
        LabelControl(placeLabel, outputPlace_, tr("Save outputs:"));
        SetComboItems(outputPlace_, {tr("Into this folder"), tr("Next to each photo")});
        LabelControl(folderLabel, outputFolder_, tr("Output fol&der:"));
        browse_->setText(tr("&Browse..."));
        Named(browse_, tr("Browse for the output folder"));
        replace_->setText(tr("Replace &existing files"));
    });
    output->addWidget(placeLabel, 0, 0);
    output->addWidget(outputPlace_, 0, 1, Qt::AlignLeft);
    output->addWidget(replace_, 0, 3);
    output->addWidget(folderLabel, 1, 0);
    output->addWidget(outputFolder_, 1, 1);
    output->addWidget(browse_, 1, 2);

    auto* patternLabel = new QLabel(this);
    namingPattern_ = new QLineEdit(this);
    namingPattern_->setToolTip(QStringLiteral("{name} {ext} {date} {time} {n} {n:4} {folder} {width} {height}"));
    namePreview_ = new QLabel(this);
    namePreview_->setTextFormat(Qt::PlainText);
    namePreview_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long name or problem wraps rather than widening the window.
    namePreview_->setWordWrap(true);
    namePreview_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Relabel([=, this] {
        LabelControl(patternLabel, namingPattern_, tr("Na&me pattern:"));
        Named(namePreview_, tr("Output name of the selected photo"));
    });
    output->addWidget(patternLabel, 2, 0);
    output->addWidget(namingPattern_, 2, 1);
    output->addWidget(namePreview_, 2, 2, 1, 2);
    output->setColumnStretch(1, 1);
    layout->addLayout(output);

    progress_ = new QProgressBar(this);
    Relabel([this] {
        progress_->setFormat(tr("%v of %m (%p%)"));
        Named(progress_, tr("Photos done"));
    });
    current_ = new QLabel(this);
    summary_ = new QLabel(this);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(progress_);
    layout->addWidget(current_);

    auto* actions = new QHBoxLayout;
    openFolder_ = new QPushButton(this);
    convertAll_ = new QPushButton(this);
    cancel_ = new QPushButton(this);
    help_ = new QPushButton(this);
    Relabel([this] {
        setWindowTitle(tr("Convert Several Photos"));
        openFolder_->setText(tr("&Open Output Folder"));
        convertAll_->setText(tr("&Convert All"));
        cancel_->setText(tr("Cancel"));
        help_->setText(tr("Help"));
        // Set after the texts, which may carry shortcuts of their own.
        cancel_->setShortcut(Qt::Key_Escape);  // enabled only while converting
        help_->setShortcut(QKeySequence::HelpContents);
    });
    connect(help_, &QPushButton::clicked, this, [this] {
        platform::CurrentPrompts().ShowHelp(
            this, HelpPage(theLanguage.BaseFolder(), theLanguage.GetCurrentLanguage(), QStringLiteral("SeveralPhotos.htm")));
    });
    actions->addWidget(help_);
    actions->addWidget(summary_, 1);
    actions->addWidget(openFolder_);
    actions->addWidget(convertAll_);
    actions->addWidget(cancel_);
    layout->addLayout(actions);

    connect(addPhotos_, &QPushButton::clicked, this, [this] { OnAddPhotos(); });
    connect(addFolder_, &QPushButton::clicked, this, [this] { OnAddFolder(); });
    connect(remove_, &QPushButton::clicked, this, [this] { OnRemove(); });
    connect(clear_, &QPushButton::clicked, this, [this] {
        sizes_->Forget();
        model_->Clear();
    });
    connect(browse_, &QPushButton::clicked, this, [this] { OnBrowse(); });
    connect(convertAll_, &QPushButton::clicked, this, [this] { OnConvertAll(); });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancelled_ = true;
        runner_->Cancel();
        cancel_->setEnabled(false);
    });
    connect(openFolder_, &QPushButton::clicked, this, [this] { OnOpenFolder(); });
    // Picked by the user, even the one shown already: its choices come back over any changed since.
    connect(preset_, &QComboBox::activated, this, [this](int index) { OnPresetChosen(index); });
    connect(preset_, &QComboBox::currentIndexChanged, this,
            [this](int index) { deletePreset_->setEnabled(!running_ && index >= 0); });
    connect(savePreset_, &QPushButton::clicked, this, [this] { OnSavePreset(); });
    connect(deletePreset_, &QPushButton::clicked, this, [this] { OnDeletePreset(); });
    connect(namingPattern_, &QLineEdit::textChanged, this, [this] { ShowOutputName(); });
    connect(sizeMode_, &QComboBox::currentIndexChanged, this, [this] { EnableSizeFields(); });
    connect(resolution_, &QComboBox::currentIndexChanged, this, [this] { EnableDpiField(); });
    connect(outputPlace_, &QComboBox::currentIndexChanged, this, [this] {
        EnableFolderFields();
        ShowOutputName();
    });
    connect(background_, &QPushButton::clicked, this, [this] { ChooseBackground(); });
    connect(caption_, &CaptionBox::Changed, this, [this] { ShowPreview(); });
    for (QComboBox* box : {sizeMode_, rotate_, flip_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { ShowPreview(); });
    for (QSpinBox* box : {width_, height_})
        connect(box, &QSpinBox::valueChanged, this, [this] { ShowPreview(); });
    connect(noEnlarge_, &QCheckBox::toggled, this, [this] { ShowPreview(); });
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& row) {
        preview_->ShowPhoto(row.isValid() ? model_->At(row.row()).photo.path : QString());
        ShowOutputName();
    });
    resize(860, 640);
}

SeveralPhotosChoices ConvertSeveralWindow::Choices() const
{
    SeveralPhotosChoices c;
    c.size = {static_cast<SizeRule::Mode>(sizeMode_->currentIndex()), width_->value(), height_->value(),
              noEnlarge_->isChecked()};
    c.rotate = rotate_->currentIndex() * 90;
    c.flip = flip_->currentIndex();
    c.textOn = caption_->On();
    c.text = caption_->Text();
    c.caption = caption_->Style();
    c.outputFolder = outputFolder_->text();
    c.besidePhotos = outputPlace_->currentIndex() == 1;
    c.replace = replace_->isChecked();
    c.subfolders = subfolders_->isChecked();
    c.details = static_cast<platform::DetailsChoice>(details_->currentIndex());
    c.dateAsTaken = dateAsTaken_->isChecked();
    if (resolution_->currentIndex() == 1)
        c.dpi = dpi_->value();
    c.namingPattern = namingPattern_->text();
    c.background = backgroundColour_;
    c.png = static_cast<platform::PngEffort>(png_->currentIndex());
    return c;
}

void ConvertSeveralWindow::ShowChoices(const SeveralPhotosChoices& c)
{
    sizeMode_->setCurrentIndex(static_cast<int>(c.size.mode));
    width_->setValue(c.size.width);
    height_->setValue(c.size.height);
    noEnlarge_->setChecked(c.size.noEnlarge);
    rotate_->setCurrentIndex(c.rotate / 90);
    flip_->setCurrentIndex(c.flip);
    caption_->Show(c.textOn, c.text, c.caption);
    outputFolder_->setText(c.outputFolder);
    outputPlace_->setCurrentIndex(c.besidePhotos ? 1 : 0);
    replace_->setChecked(c.replace);
    subfolders_->setChecked(c.subfolders);
    details_->setCurrentIndex(static_cast<int>(c.details));
    dateAsTaken_->setChecked(c.dateAsTaken);
    resolution_->setCurrentIndex(c.dpi ? 1 : 0);
    dpi_->setValue(c.dpi.value_or(kProposedDpi));
    namingPattern_->setText(c.namingPattern);
    backgroundColour_ = c.background;
    png_->setCurrentIndex(static_cast<int>(c.png));
    ShowBackground();
    EnableSizeFields();
    EnableDpiField();
    EnableFolderFields();
    ShowPreview();  // the background changes no control whose signal would show it
}

void ConvertSeveralWindow::EnableSizeFields()
{
    using M = SizeRule::Mode;
    const auto mode = static_cast<M>(sizeMode_->currentIndex());
    const bool idle = !running_;
    width_->setEnabled(idle && mode != M::Keep && mode != M::Height);
    height_->setEnabled(idle && mode != M::Keep && mode != M::Width);
    noEnlarge_->setEnabled(idle && mode != M::Keep);
}

void ConvertSeveralWindow::EnableDpiField()
{
    dpi_->setEnabled(!running_ && resolution_->currentIndex() == 1);
}

void ConvertSeveralWindow::EnableFolderFields()
{
    const bool intoFolder = !running_ && outputPlace_->currentIndex() == 0;
    outputFolder_->setEnabled(intoFolder);
    browse_->setEnabled(intoFolder);
}

void ConvertSeveralWindow::ChooseBackground()
{
    const std::optional<QColor> chosen =
        platform::CurrentPrompts().ChooseColour(this, tr("Background"), QColor(backgroundColour_));
    if (!chosen || !chosen->isValid())
        return;
    backgroundColour_ = chosen->rgb();
    ShowBackground();
    ShowPreview();
}

void ConvertSeveralWindow::ShowBackground()
{
    background_->setIcon(ColourSwatch(QColor(backgroundColour_), palette().color(QPalette::WindowText)));
    Named(background_, tr("Background colour: %1").arg(QColor(backgroundColour_).name(QColor::HexRgb).toUpper()));
}

void ConvertSeveralWindow::ShowPreview()
{
    preview_->ShowChoices(Choices());
    ShowOutputName();  // {width} and {height} follow the size rule and the turn
}

void ConvertSeveralWindow::ShowOutputName()
{
    ListedPhoto listed;
    // The selected photo, else the first, so that a pattern shows what it gives before a pick.
    const QModelIndex current = list_->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    if (row < model_->rowCount()) {
        const PhotoListModel::Row& photo = model_->At(row);
        listed = {photo.photo, row + 1, photo.size, QDateTime()};
        // The file's time stands in for {date} and {time}: the date taken is in the photo's
        // details, which are read off this thread by the run, not for every change of a field.
        listed.modified = QFileInfo(photo.photo.path).lastModified();
    }
    const QString text = OutputNamePreview(Choices(), listed);
    namePreview_->setText(text);
    namePreview_->setToolTip(text);  // a name without blanks to wrap at may be cut
}

QStringList ConvertSeveralWindow::FillPresets(const QString& select)
{
    PresetList list = LoadPresets();
    presets_ = std::move(list.presets);
    const QSignalBlocker quiet(preset_);  // filling it picks nothing
    preset_->clear();
    int chosen = -1;
    for (std::size_t i = 0; i < presets_.size(); ++i) {
        preset_->addItem(presets_[i].name);
        if (presets_[i].name == select)
            chosen = static_cast<int>(i);
    }
    preset_->setCurrentIndex(chosen);
    deletePreset_->setEnabled(!running_ && chosen >= 0);
    return list.damaged;
}

void ConvertSeveralWindow::OnPresetChosen(int index)
{
    if (index < 0 || index >= static_cast<int>(presets_.size()))
        return;
    RequestReader reader;
    if (!reader.ApplyPreset(presets_[index].options)) {
        Message(tr("The preset %1 cannot be used: %2").arg(presets_[index].name, UsageText(reader.Error())));
        return;
    }
    const ConversionRequest& wanted = reader.Request();
    ShowChoices(ChoicesOf(wanted, Choices()));
    // A preset kept by the command line may go beyond the window's fields (a side over its
    // largest, a margin over half the picture), which then hold less than the preset says.
    QList<RequestOption> shown = PresetOptionsOf(RequestOf(Choices()));
    if (wanted.outputFolder.isEmpty() && !wanted.besidePhotos)
        shown.removeIf([](const RequestOption& option) {
            return option.name == QLatin1String("--output-dir") || option.name == QLatin1String("--beside-photos");
        });
    if (shown != PresetOptionsOf(wanted))
        Message(tr("Some choices of the preset %1 are beyond what this window offers and were brought within its range.")
                    .arg(presets_[index].name));
}

void ConvertSeveralWindow::OnSavePreset()
{
    platform::Prompts& prompts = platform::CurrentPrompts();
    const QString proposed = preset_->currentIndex() >= 0 ? preset_->currentText() : QString();
    const std::optional<QString> typed = prompts.AskText(this, tr("Name of the preset:"), tr("Save Preset"), proposed);
    if (!typed)
        return;
    const QString name = typed->trimmed();
    if (const std::optional<QString> problem = PresetNameProblem(name)) {
        Message(tr("The preset cannot be saved: %1").arg(*problem));
        return;
    }
    // A pattern that names nothing would make the preset unreadable, here and on the command line.
    const SeveralPhotosChoices choices = Choices();
    if (const std::optional<QString> problem = NamingPatternProblem(choices.namingPattern)) {
        Message(tr("The naming pattern cannot be used: %1").arg(*problem));
        return;
    }
    const bool exists = std::any_of(presets_.begin(), presets_.end(), [&](const Preset& p) { return p.name == name; });
    if (exists && prompts.MessageBox(this, tr("A preset named %1 exists already. Replace it?").arg(name), windowTitle(),
                                     platform::MB_YESNO | platform::MB_ICONEXCLAMATION) != platform::IDYES)
        return;
    if (!SavePreset(Preset{name, PresetOptionsOf(RequestOf(choices))}))
        Message(tr("The preset %1 could not be saved.").arg(name));
    FillPresets(name);
}

void ConvertSeveralWindow::OnDeletePreset()
{
    const int index = preset_->currentIndex();
    if (index < 0 || index >= static_cast<int>(presets_.size()))
        return;
    const QString name = presets_[index].name;
    if (platform::CurrentPrompts().MessageBox(this, tr("Delete the preset %1?").arg(name), windowTitle(),
                                              platform::MB_YESNO | platform::MB_ICONEXCLAMATION) != platform::IDYES)
        return;
    if (!DeletePreset(name))
        Message(tr("The preset %1 could not be deleted.").arg(name));
    FillPresets(QString());
}

void ConvertSeveralWindow::AddPaths(const QStringList& paths)
{
    QList<BatchPhoto> photos;
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir())
            AddFolder(path);
        else
            photos.append({path, QString()});
    }
    sizes_->Read(model_->Add(photos));
}

void ConvertSeveralWindow::AddFolder(const QString& folder)
{
    folders_->List(folder, subfolders_->isChecked());
}

void ConvertSeveralWindow::OnFolderListed(const QList<BatchPhoto>& photos, const QStringList& problems)
{
    sizes_->Read(model_->Add(photos));
    if (!problems.isEmpty())
        Message(problems.join(u'\n'));
}

void ConvertSeveralWindow::OnAddPhotos()
{
    platform::FileDialogRequest request;
    request.owner = this;
    request.title = tr("Add Photos");
    request.filters = {{tr("Photo Files"), PhotoPatterns()}, {tr("Any Files (*.*)"), QStringLiteral("*.*;")}};
    request.flags = platform::OFN_EXPLORER | platform::OFN_FILEMUSTEXIST | platform::OFN_PATHMUSTEXIST;
    if (const auto chosen = platform::CurrentPrompts().OpenFiles(request))
        AddPaths(*chosen);
}

void ConvertSeveralWindow::OnAddFolder()
{
    platform::FileDialogRequest request;
    request.owner = this;
    request.title = tr("Add Folder");
    if (const auto chosen = platform::CurrentPrompts().ChooseFolder(request))
        AddFolder(*chosen);
}

void ConvertSeveralWindow::OnRemove()
{
    QList<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        rows << index.row();
    model_->Remove(rows);
}

void ConvertSeveralWindow::OnBrowse()
{
    platform::FileDialogRequest request;
    request.owner = this;
    request.title = tr("Output Folder");
    request.initialFolder = outputFolder_->text();
    if (const auto chosen = platform::CurrentPrompts().ChooseFolder(request))
        outputFolder_->setText(*chosen);
}

void ConvertSeveralWindow::OnConvertAll()
{
    if (runner_->Running())
        return;
    if (model_->rowCount() == 0) {
        Message(tr("There is no photo to convert: add photos first."));
        return;
    }
    const SeveralPhotosChoices choices = Choices();
    if (const std::optional<QString> problem = NamingPatternProblem(choices.namingPattern)) {
        Message(tr("The naming pattern cannot be used: %1").arg(*problem));
        return;
    }
    SaveSeveralPhotosChoices(choices);
    // A folder typed that is not there yet is made, as the command line makes it.
    const QFileInfo folder(choices.outputFolder);
    if (!choices.besidePhotos &&
        (choices.outputFolder.isEmpty() || PrepareOutputFolder(choices.outputFolder).problem)) {
        Message(tr("The output folder %1 cannot be written to: choose another.").arg(choices.outputFolder));
        return;
    }
    // Beside the photos there is no one folder to open.
    runFolder_ = choices.besidePhotos ? QString() : folder.absoluteFilePath();
    model_->ResetStates();
    done_ = converted_ = failed_ = kept_ = 0;
    cancelled_ = false;
    progress_->setRange(0, model_->rowCount());
    progress_->setValue(0);
    summary_->clear();
    EnableForRun(true);
    // A language chosen in the main window meanwhile changes the C library's locale after the run.
    localeHeld_ = std::make_unique<PosixLocaleHold>();
    runner_->Start(RequestOf(choices), model_->Photos());
}

void ConvertSeveralWindow::OnEvents(const BatchRunner::Events& events)
{
    for (const BatchRunner::Event& e : events) {
        if (e.started) {
            model_->SetState(e.index, PhotoListModel::State::Converting);
            current_->setText(model_->At(e.index).name);
            continue;
        }
        switch (e.result) {
        case PhotoResult::Converted:
            ++converted_;
            model_->SetState(e.index, PhotoListModel::State::Converted, e.message);
            break;
        case PhotoResult::Failed:
            ++failed_;
            model_->SetState(e.index, PhotoListModel::State::Failed, e.message);
            break;
        case PhotoResult::Kept:
            ++kept_;
            model_->SetState(e.index, PhotoListModel::State::Kept);
            break;
        case PhotoResult::Cancelled:
            model_->SetState(e.index, PhotoListModel::State::NotConverted);
            continue;  // not done
        }
        ++done_;
    }
    progress_->setValue(done_);
}

void ConvertSeveralWindow::OnFinished(int status)
{
    localeHeld_.reset();
    EnableForRun(false);
    current_->clear();
    if (status == 2) {
        Message(tr("The output folder %1 cannot be written to: choose another.").arg(runFolder_));
        return;
    }
    if (!cancelled_) {
        // Each count in its own words, so that every language says 1, 2 and 5 in its own grammar.
        summary_->setText(tr("%1, %2, %3").arg(tr("%n converted", nullptr, converted_), tr("%n failed", nullptr, failed_),
                                                tr("%n kept because they exist", nullptr, kept_)));
        return;
    }
    // Photos the cancel stopped before they were told are not converted either.
    for (int row = 0; row < model_->rowCount(); ++row) {
        const auto state = model_->At(row).state;
        if (state == PhotoListModel::State::Waiting || state == PhotoListModel::State::Converting)
            model_->SetState(row, PhotoListModel::State::NotConverted);
    }
    summary_->setText(tr("Cancelled: %1, %2, %3, %4")
                          .arg(tr("%n converted", nullptr, converted_),
                               tr("%n not converted", nullptr, model_->rowCount() - done_),
                               tr("%n failed", nullptr, failed_), tr("%n kept because they exist", nullptr, kept_)));
}

void ConvertSeveralWindow::OnOpenFolder()
{
    const QString folder = runFolder_.isEmpty() ? outputFolder_->text() : runFolder_;
    OpenOrSay(this, QUrl::fromLocalFile(folder), tr("No program here opens folders. The converted photos are in %1").arg(folder),
              windowTitle(), platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

void ConvertSeveralWindow::ForgetRun()
{
    if (running_)
        return;
    done_ = converted_ = failed_ = kept_ = 0;
    cancelled_ = false;
    summary_->clear();
    progress_->setValue(0);
    progress_->setVisible(false);
}

void ConvertSeveralWindow::EnableForRun(bool running)
{
    running_ = running;
    for (QWidget* w : {static_cast<QWidget*>(addPhotos_), static_cast<QWidget*>(addFolder_),
                       static_cast<QWidget*>(subfolders_), static_cast<QWidget*>(remove_), static_cast<QWidget*>(clear_),
                       static_cast<QWidget*>(sizeMode_), static_cast<QWidget*>(rotate_), static_cast<QWidget*>(flip_),
                       static_cast<QWidget*>(details_), static_cast<QWidget*>(resolution_),
                       static_cast<QWidget*>(dateAsTaken_),
                       static_cast<QWidget*>(caption_), static_cast<QWidget*>(outputPlace_),
                       static_cast<QWidget*>(background_), static_cast<QWidget*>(png_),
                       static_cast<QWidget*>(replace_),
                       static_cast<QWidget*>(namingPattern_), static_cast<QWidget*>(preset_),
                       static_cast<QWidget*>(savePreset_), static_cast<QWidget*>(convertAll_)})
        w->setEnabled(!running);
    deletePreset_->setEnabled(!running && preset_->currentIndex() >= 0);
    cancel_->setEnabled(running);
    progress_->setVisible(running || done_ > 0);
    openFolder_->setEnabled(!running && !runFolder_.isEmpty());
    EnableSizeFields();
    EnableDpiField();
    EnableFolderFields();
}

void ConvertSeveralWindow::Message(const QString& text)
{
    platform::CurrentPrompts().MessageBox(this, text, windowTitle(), platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

void ConvertSeveralWindow::closeEvent(QCloseEvent* event)
{
    // Photos in flight stop with nothing written; the window's choices are kept for next time.
    runner_->Cancel();
    if (discardChoices_)
        ShowChoices(LoadSeveralPhotosChoices(ProposedFolder()));  // as they are when it opens again
    else
        SaveSeveralPhotosChoices(Choices());
    discardChoices_ = false;
    QWidget::closeEvent(event);
}

void ConvertSeveralWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Told once the window is there to be seen, and only once: the list leaves them out, and the
    // settings keep them as they are for the user to mend.
    if (damagedPresets_.isEmpty())
        return;
    const QString text = tr("These presets cannot be read and are left out of the list:\n%1").arg(damagedPresets_.join(u'\n'));
    damagedPresets_.clear();
    QMetaObject::invokeMethod(this, [this, text] { Message(text); }, Qt::QueuedConnection);
}

void ConvertSeveralWindow::keyPressEvent(QKeyEvent* event)
{
    // As in the main window, Escape closes without keeping the choices; during a run it is
    // Cancel's shortcut and never reaches here.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !running_) {
        discardChoices_ = true;
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ConvertSeveralWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && !runner_->Running())
        event->acceptProposedAction();
}

void ConvertSeveralWindow::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << QFile::decodeName(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    }
    event->acceptProposedAction();
    AddPaths(paths);
}
