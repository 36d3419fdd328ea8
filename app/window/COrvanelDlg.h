#pragma once
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "lang/FormatText.h"
#include "convert/PhotoDocument.h"
#include "settings/LogFont.h"
#include "widgets/CComboBox.h"
#include "widgets/CDialog.h"
#include "services/Prompts.h"

class ConvertSeveralWindow;
class PhotoConversion;
class QMenu;
class QUrl;

// The main window: the photo, its frames, the output and the conversion.
class COrvanelDlg : public platform::CDialog {
    Q_OBJECT
public:
    explicit COrvanelDlg(QWidget* parent = nullptr);
    ~COrvanelDlg() override;

    // Photo (opening and frames)
    void OnBnClickedButtonOpenPhoto();
    // Everything Open Photo does once a path is chosen: the file manager's and a drop's way in.
    void OpenChosenPhoto(const QString& path);
    // A dropped file, opened once the drop has returned.
    void OpenDroppedPhoto(const QUrl& url);
    // A photo named when the program started, opened once the window shows.
    void SetPhotoToOpen(const QString& path) { m_photoToOpen = path; }
    // Photos named when the program started, listed in Convert Several Photos once the window shows.
    void SetPhotosToConvert(const QStringList& paths) { m_photosToConvert = paths; }
    // Opens Convert Several Photos beside the main window (once), with paths added to its list.
    void ConvertSeveral(const QStringList& paths);
    ConvertSeveralWindow* SeveralWindow() const { return m_severalWindow; }
    void OnCbnSelchangeFrameDimension();
    void OnEnUpdateFrameNumber();
    void OnEnKillfocusFrameNumber();
    // Output size
    void OnBnClickedButtonBaseWidth();
    void OnBnClickedButtonBaseHeight();
    // Conversion
    void OnBnClickedButtonConvert();
    int ConvertPhoto();
    void OnBnClickedButtonOutputFileBrowse();
    // Rotation and flip
    void OnBnClickedRadioRotate0() { m_nRotateAngel = 0; }
    void OnBnClickedRadioRotate90() { m_nRotateAngel = 90; }
    void OnBnClickedRadioRotate180() { m_nRotateAngel = 180; }
    void OnBnClickedRadioRotate270() { m_nRotateAngel = 270; }
    void OnBnClickedRadioFlipNo() { m_nFlipType = 0; }
    void OnBnClickedRadioFlipHorizontal() { m_nFlipType = 1; }
    void OnBnClickedRadioFlipVertical() { m_nFlipType = 2; }
    // Text overlay, its font and colour
    void OnEnKillfocusTextX();
    void OnEnKillfocusTextY();
    void OnBnClickedButtonFont();
    // The right-click menu: languages, the interface font, the about box
    void ShowLanguageMenu(const QPoint& point);
    void BuildLanguageMenu(QMenu& menu, QMenu& popup);
    void OnCommand(int id);
    void OnLanguageCommand(int id);
    void OnSelectLanguage(int id);
    void OnPopupMenuFont();
    void OnAbout();
    void OnKeepPhotoDetails();
    // Help and home page
    void OnBnClickedButtonHomepage();
    void OnBnClickedButtonHelp();
    // Closing
    void OnBnClickedButtonExit();
    void SaveSettingsAndClose();

private:
    // The photo: its path, image, frame dimensions and frame counts.
    PhotoDocument m_photo;
    QString m_strOutputFolder;
    QString m_strOutputFile;
    std::optional<int> m_osvi;  // major version of the operating system
    int m_nPhotoWidth = 0;
    int m_nPhotoHeight = 0;
    int m_nOutputWidth = 0;
    int m_nOutputHeight = 0;
    int m_nRotateAngel = 0;
    int m_nFlipType = 0;
    platform::CComboBox m_comboDimension;
    QString m_photoToOpen;
    QStringList m_photosToConvert;
    ConvertSeveralWindow* m_severalWindow = nullptr;  // a child: closed with the main window
    bool m_keepPhotoDetails = false;  // the picture keeps its photo's details but where it was taken
    LOGFONTW m_CurrentFont;
    COLORREF m_nCurrentColor = 0;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& dx) override;
    void OnClose() override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMessageMap();
    void PaintPreview(QPainter& painter, const QRect& area);
    void ListFrameDimensions();
    void CheckTextPositionAgainstPhoto();
    // The frame number typed, read by the one rule both of its handlers follow: nothing without a
    // listed dimension or a text; otherwise the number and the frame it stands for, brought into
    // the dimension's range.
    struct TypedFrame {
        int dimension;
        int typed;
        int frame;
        bool InRange() const { return typed == frame; }
    };
    std::optional<TypedFrame> ReadFrameNumber();
    void ShowFrame(int dimension, int frame);
    // Reads the output size edits into the members; false, after saying why, when unusable.
    bool ReadOutputSize();
    // The conversion's questions answered from the edits, its messages shown as message boxes.
    class ConversionInWindow;
    // Gives each edit the name of its label, for screen readers; again whenever labels change.
    void NameEditsAfterLabels();
    void LoadCurrentFont();
    void SaveCurrentFont();
    QString Text(int id, const std::vector<FormatValue>& values = {}) const;
    int Message(const QString& text, const QString& caption, unsigned type = platform::MB_OK);
    // Message id with the caption "Error", both in the current language.
    void ErrorMessage(int id);
    int ReadIntEdit(int id, int maxChars) const;

    // How many characters the handlers read from the edits.
    static constexpr int kSizeEditChars = 255;
    static constexpr int kPositionEditChars = 63;
    static constexpr int kFrameEditChars = 127;
    // Longest output path the edit takes from the keyboard.
    static constexpr int kOutputFileEditChars = 256;
};
