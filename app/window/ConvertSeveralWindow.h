#pragma once
#include <functional>
#include <memory>
#include <vector>

#include <QColor>
#include <QWidget>

#include "app/window/BatchRunner.h"
#include "app/window/SeveralPhotosChoices.h"
#include "batch/Presets.h"

class BatchPreview;
class PosixLocaleHold;
class CaptionBox;
class FolderLister;
class PhotoListModel;
class PhotoSizeReader;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;

// "Convert Several Photos": a list of photos converted together, with one size rule, turn, caption
// and output folder, through the batch engine. Beside the main window, which
// stays usable.
class ConvertSeveralWindow final : public QWidget {
    Q_OBJECT
public:
    explicit ConvertSeveralWindow(QWidget* parent = nullptr);
    ~ConvertSeveralWindow() override;

    // Photos named on the command line or dropped: folders among them are added as Add Folder adds them.
    void AddPaths(const QStringList& paths);
    // The folder's photos are listed once walked, off the window's thread.
    void AddFolder(const QString& folder);

    PhotoListModel& Photos() { return *model_; }
    bool Converting() const { return runner_->Running(); }

    // The controls, for tests and for the keyboard.
    QPushButton* ConvertAllButton() const { return convertAll_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* HelpButton() const { return help_; }
    QPushButton* OpenFolderButton() const { return openFolder_; }
    QLabel* Summary() const { return summary_; }
    QComboBox* PresetBox() const { return preset_; }
    QPushButton* SavePresetButton() const { return savePreset_; }
    QPushButton* DeletePresetButton() const { return deletePreset_; }
    QLineEdit* NamingPatternField() const { return namingPattern_; }
    QComboBox* OutputPlaceBox() const { return outputPlace_; }
    QPushButton* BackgroundButton() const { return background_; }
    QComboBox* PngEffortBox() const { return png_; }
    QLabel* NamePreview() const { return namePreview_; }

    CaptionBox* Caption() const { return caption_; }
    BatchPreview* Preview() const { return preview_; }

    // Reads the controls into choices.
    SeveralPhotosChoices Choices() const;
    void ShowChoices(const SeveralPhotosChoices& choices);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildControls();
    // Sets a group of texts now and again whenever the language changes.
    void Relabel(std::function<void()> texts);
    void OnFolderListed(const QList<BatchPhoto>& photos, const QStringList& problems);
    void OnAddPhotos();
    void OnAddFolder();
    void OnRemove();
    void OnBrowse();
    void OnConvertAll();
    void OnOpenFolder();
    void OnEvents(const BatchRunner::Events& events);
    void OnFinished(int status);
    void EnableForRun(bool running);
    void EnableSizeFields();
    void EnableDpiField();
    void EnableFolderFields();
    void ChooseBackground();
    void ShowBackground();
    void ShowPreview();
    void ShowOutputName();
    // Lists the presets as kept now, select shown chosen (none when it is not there); returns
    // what was skipped as damaged, each saying why.
    QStringList FillPresets(const QString& select);
    void OnPresetChosen(int index);
    void OnSavePreset();
    void OnDeletePreset();
    // The figures of the last run belong to its list: a changed list drops them.
    void ForgetRun();
    void Message(const QString& text);

    PhotoListModel* model_;
    std::unique_ptr<PhotoSizeReader> sizes_;
    std::unique_ptr<FolderLister> folders_;
    std::unique_ptr<BatchRunner> runner_;
    QTableView* list_ = nullptr;
    QPushButton* addPhotos_ = nullptr;
    QPushButton* addFolder_ = nullptr;
    QCheckBox* subfolders_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* clear_ = nullptr;
    QComboBox* sizeMode_ = nullptr;
    QSpinBox* width_ = nullptr;
    QSpinBox* height_ = nullptr;
    QCheckBox* noEnlarge_ = nullptr;
    QComboBox* rotate_ = nullptr;
    QComboBox* flip_ = nullptr;
    QComboBox* details_ = nullptr;
    QComboBox* resolution_ = nullptr;  // the photo's own, or dpi_
    QSpinBox* dpi_ = nullptr;
    QCheckBox* dateAsTaken_ = nullptr;
    QPushButton* background_ = nullptr;  // shows backgroundColour_
    QRgb backgroundColour_ = qRgb(0, 0, 0);
    QComboBox* png_ = nullptr;
    CaptionBox* caption_ = nullptr;
    BatchPreview* preview_ = nullptr;
    QComboBox* outputPlace_ = nullptr;  // into outputFolder_, or next to each photo
    QLineEdit* outputFolder_ = nullptr;
    QPushButton* browse_ = nullptr;
    QCheckBox* replace_ = nullptr;
    QLineEdit* namingPattern_ = nullptr;
    QLabel* namePreview_ = nullptr;  // the selected photo's output name, or why there is none
    QComboBox* preset_ = nullptr;
    QPushButton* savePreset_ = nullptr;
    QPushButton* deletePreset_ = nullptr;
    std::vector<Preset> presets_;  // as preset_ lists them
    QStringList damagedPresets_;   // told once, when the window is first shown
    QProgressBar* progress_ = nullptr;
    QLabel* current_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* openFolder_ = nullptr;
    QPushButton* convertAll_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
    std::vector<std::function<void()>> relabel_;
    int done_ = 0;
    int converted_ = 0;
    int failed_ = 0;
    int kept_ = 0;
    bool running_ = false;
    bool cancelled_ = false;  // the run was cancelled by the user
    QString runFolder_;  // the output folder of the last Convert All
    std::unique_ptr<PosixLocaleHold> localeHeld_;  // while a run goes
    bool discardChoices_ = false;  // closing by Escape: the choices kept are those of before
};
