#pragma once
#include <functional>

#include "services/Prompts.h"

namespace platform {

// Prompts for a process that has nobody to ask: each message is handed to report (by default a
// "pictorelle: ..." line on standard error), every question gets the answer that changes nothing
// (No, Cancel, no file, no font, no text), and no window is ever made.
class ReportingPrompts final : public Prompts {
public:
    using Report = std::function<void(const QString& text, const QString& caption)>;
    explicit ReportingPrompts(Report report = {});

    int MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type) override;
    std::optional<QString> OpenFile(const FileDialogRequest& request) override;
    std::optional<QString> SaveFile(const FileDialogRequest& request) override;
    std::optional<QString> AskText(QWidget* owner, const QString& question, const QString& caption,
                                   const QString& initial = QString()) override;
    std::optional<FontChoice> ChooseFont(const FontDialogRequest& request) override;
    int TrackPopupMenu(QMenu& menu, const QPoint& globalPos, QWidget* owner) override;
    int RunDialog(CDialog& dialog) override;
    bool OpenUrl(const QUrl& url) override;
    void ShowHelp(QWidget* owner, const QString& page) override;
    std::unique_ptr<QObject> ShowProgress(QWidget* owner, const QString& text, std::function<void()> cancel,
                                          std::function<int()> percent) override;

private:
    Report report_;
};

// A message box's text as one line: its line breaks (and the blanks around them) become one space.
QString OneLine(const QString& text);

}  // namespace platform
