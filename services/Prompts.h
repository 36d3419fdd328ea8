#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QMenu;
class QObject;
class QPoint;
class QUrl;
class QWidget;

namespace platform {

class CDialog;

// Message-box types and answers, with their conventional values.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Open and save dialog flags that the program passes.
inline constexpr unsigned OFN_READONLY = 0x1;
inline constexpr unsigned OFN_HIDEREADONLY = 0x4;
inline constexpr unsigned OFN_PATHMUSTEXIST = 0x800;
inline constexpr unsigned OFN_FILEMUSTEXIST = 0x1000;
inline constexpr unsigned OFN_EXPLORER = 0x80000;

// Font dialog flags that the program passes.
inline constexpr unsigned CF_SCREENFONTS = 0x1;
inline constexpr unsigned CF_EFFECTS = 0x100;

struct FontDialogRequest {
    QWidget* owner = nullptr;
    QFont font;     // what the dialog shows first
    QColor colour;  // the colour it shows first
    unsigned flags = 0;
};

struct FontChoice {
    QFont font;
    QColor colour;
};

struct FileFilter {
    QString description;
    QString patterns;  // separated by ';'
};

struct FileDialogRequest {
    QWidget* owner = nullptr;
    std::vector<FileFilter> filters;
    int selectedFilter = 0;
    QString initialName;
    QString initialFolder;
    QString title;
    unsigned flags = 0;
    int nameCapacity = 0;  // characters the caller has room for, terminator included
};

// Every modal prompt of the program goes through this seam, so tests can script them.
class Prompts {
public:
    virtual ~Prompts() = default;
    // Returns the button pressed: IDOK, IDYES or IDNO.
    virtual int MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> SaveFile(const FileDialogRequest& request) = 0;
    // Several existing files chosen at once, or nothing when the user cancels; by default nothing.
    virtual std::optional<QStringList> OpenFiles(const FileDialogRequest& request);
    // A folder chosen (the request's title and initial folder), or nothing; by default nothing.
    virtual std::optional<QString> ChooseFolder(const FileDialogRequest& request);
    // A line of text asked for with question, the field holding initial first; nothing when the
    // user cancels. By default nothing.
    virtual std::optional<QString> AskText(QWidget* owner, const QString& question, const QString& caption,
                                           const QString& initial = QString());
    // A colour chosen in a dialog titled caption, showing initial first; nothing when the user
    // cancels. By default nothing.
    virtual std::optional<QColor> ChooseColour(QWidget* owner, const QString& caption, const QColor& initial);
    // The font and colour chosen, or nothing when the user cancels.
    virtual std::optional<FontChoice> ChooseFont(const FontDialogRequest& request) = 0;
    // Shows menu at globalPos until the user picks an item or dismisses it; the picked item's
    // command identifier, or 0.
    virtual int TrackPopupMenu(QMenu& menu, const QPoint& globalPos, QWidget* owner) = 0;
    // Runs one of the program's own dialogs modally; its result.
    virtual int RunDialog(CDialog& dialog) = 0;
    // Hands an address to the desktop's handler for it; false when nothing takes it.
    virtual bool OpenUrl(const QUrl& url) = 0;
    // Shows page, a help page on disk, in the program's help viewer beside owner; nothing waits.
    virtual void ShowHelp(QWidget* owner, const QString& page) = 0;
    // Shows that long work runs, with text and a Cancel button that calls cancel, until the
    // returned object is destroyed; nothing waits. With percent (called on the window's thread,
    // a few times a second) it shows the percentage done, else only that work goes on.
    virtual std::unique_ptr<QObject> ShowProgress(QWidget* owner, const QString& text, std::function<void()> cancel,
                                                  std::function<int()> percent = {}) = 0;
};

// The prompts in use: those installed last (the window installs Qt's dialogs), else messages
// reported on standard error with every question answered No.
Prompts& CurrentPrompts();
// Installs prompts and returns the previous ones (null when the default was in use).
std::unique_ptr<Prompts> InstallPrompts(std::unique_ptr<Prompts> prompts);

}  // namespace platform
