#pragma once
#include <QStringList>

#include "services/Prompts.h"

namespace platform {

// The prompts a user sees: Qt's message boxes and file dialogs.
class QtPrompts final : public Prompts {
public:
    int MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type) override;
    std::optional<QString> OpenFile(const FileDialogRequest& request) override;
    std::optional<QString> SaveFile(const FileDialogRequest& request) override;
    std::optional<QStringList> OpenFiles(const FileDialogRequest& request) override;
    std::optional<QString> ChooseFolder(const FileDialogRequest& request) override;
    std::optional<QString> AskText(QWidget* owner, const QString& question, const QString& caption,
                                   const QString& initial = QString()) override;
    std::optional<QColor> ChooseColour(QWidget* owner, const QString& caption, const QColor& initial) override;
    std::optional<FontChoice> ChooseFont(const FontDialogRequest& request) override;
    int TrackPopupMenu(QMenu& menu, const QPoint& globalPos, QWidget* owner) override;
    int RunDialog(CDialog& dialog) override;
    bool OpenUrl(const QUrl& url) override;
    void ShowHelp(QWidget* owner, const QString& page) override;
    std::unique_ptr<QObject> ShowProgress(QWidget* owner, const QString& text, std::function<void()> cancel,
                                          std::function<int()> percent = {}) override;
};

// How often a progress with a percentage reads it.
inline constexpr int kProgressPollMs = 100;

// A filter as Qt's file dialog takes it: the description followed by the patterns, made to
// match without regard to letter case ("*.jpg" also lists IMG_0001.JPG); "*.*" lists every file.
QString QtNameFilter(const FileFilter& filter);

}  // namespace platform
