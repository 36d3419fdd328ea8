#pragma once
#include <deque>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "services/Prompts.h"

namespace platform {
class HelpWindow;
}

// One prompt the program showed.
struct PromptRecord {
    enum class Kind { Message, OpenFile, SaveFile, Font, Menu, Dialog, Url, Help, Progress, OpenFiles, Folder, Text, Colour };
    Kind kind;
    QWidget* owner = nullptr;
    QString text;
    QString caption;
    unsigned type = 0;
    platform::FileDialogRequest request;
    platform::FontDialogRequest font;
    // Menu: every item depth first as "text" (indented by depth, "[x] " when checked) and ids.
    QStringList menuItems;
    std::vector<int> menuIds;
    // Url: the address in text; Help: the page in text; Text: the question in text, the field's
    // first value in request.initialName; Colour: the first colour shown in font.colour.
};

// Records every prompt and answers it from the queue of its kind (buttons or file names);
// a prompt without a queued answer fails the test.
// A message box's text is the window's message, then the engine's reason in brackets where it
// gave one ("Failed to save the file! (no space left on the device)"): each part alone.
QString MessageOf(const QString& text);
QString ReasonOf(const QString& text);

class ScriptedPrompts final : public platform::Prompts {
public:
    void QueueAnswer(int button) { buttons_.push_back(button); }
    // Answers an open, save or folder dialog.
    void QueueFile(std::optional<QString> path) { files_.push_back(std::move(path)); }
    void QueueFiles(std::optional<QStringList> paths) { fileLists_.push_back(std::move(paths)); }
    // Answers a text question (nothing: cancelled).
    void QueueText(std::optional<QString> text) { texts_.push_back(std::move(text)); }
    void QueueFont(std::optional<platform::FontChoice> choice) { fonts_.push_back(std::move(choice)); }
    void QueueColour(std::optional<QColor> colour) { colours_.push_back(std::move(colour)); }
    // A menu command picked (0: dismissed), a dialog's result, whether an address opens.
    void QueueMenuChoice(int id) { menuChoices_.push_back(id); }
    void QueueDialogResult(int result) { dialogResults_.push_back(result); }
    void QueueUrlOpens(bool opens) { urlResults_.push_back(opens); }
    // The next progress shown is cancelled at once (a progress with nothing queued just shows).
    void QueueProgressCancel() { ++progressCancels_; }
    std::size_t PendingAnswers() const
    {
        return buttons_.size() + files_.size() + fileLists_.size() + fonts_.size() + menuChoices_.size() + dialogResults_.size() +
               urlResults_.size() + texts_.size() + colours_.size() + progressCancels_;
    }
    std::vector<PromptRecord> OfKind(PromptRecord::Kind kind) const;
    // The percentages a progress showed, read as the real one reads them and once more as it
    // closes; empty for a progress without a percentage.
    const std::vector<int>& ProgressPercents() const { return percents_; }

    const std::vector<PromptRecord>& Records() const { return records_; }
    std::vector<PromptRecord> Messages() const;
    // The messages as the window words them, without the reason that may follow; the reasons.
    QStringList MessageTexts() const;
    QStringList Reasons() const;
    void Clear() { records_.clear(); }

    int MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type) override;
    std::optional<QString> OpenFile(const platform::FileDialogRequest& request) override;
    std::optional<QString> SaveFile(const platform::FileDialogRequest& request) override;
    std::optional<QStringList> OpenFiles(const platform::FileDialogRequest& request) override;
    std::optional<QString> ChooseFolder(const platform::FileDialogRequest& request) override;
    std::optional<QString> AskText(QWidget* owner, const QString& question, const QString& caption,
                                   const QString& initial = QString()) override;
    std::optional<QColor> ChooseColour(QWidget* owner, const QString& caption, const QColor& initial) override;
    std::optional<platform::FontChoice> ChooseFont(const platform::FontDialogRequest& request) override;
    int TrackPopupMenu(QMenu& menu, const QPoint& globalPos, QWidget* owner) override;
    int RunDialog(platform::CDialog& dialog) override;
    bool OpenUrl(const QUrl& url) override;
    // Records the page and shows it in the real help window, which tests then look at.
    void ShowHelp(QWidget* owner, const QString& page) override;
    platform::HelpWindow* HelpWindow() const { return helpWindow_; }
    std::unique_ptr<QObject> ShowProgress(QWidget* owner, const QString& text, std::function<void()> cancel,
                                          std::function<int()> percent) override;

private:
    template <typename Answer>
    std::optional<Answer> NextFile(PromptRecord::Kind kind, const platform::FileDialogRequest& request,
                                   std::deque<std::optional<Answer>>& queue);
    std::vector<PromptRecord> records_;
    std::deque<int> buttons_;
    std::deque<std::optional<QString>> files_;
    std::deque<std::optional<QStringList>> fileLists_;
    std::deque<std::optional<platform::FontChoice>> fonts_;
    std::deque<std::optional<QString>> texts_;
    std::deque<std::optional<QColor>> colours_;
    std::deque<int> menuChoices_;
    std::deque<int> dialogResults_;
    std::deque<bool> urlResults_;
    platform::HelpWindow* helpWindow_ = nullptr;
    std::size_t progressCancels_ = 0;
    std::vector<int> percents_;
};

// Installs scripted prompts for the life of the object.
class ScopedScriptedPrompts {
public:
    ScopedScriptedPrompts();
    ~ScopedScriptedPrompts();
    ScriptedPrompts& operator*() { return *prompts_; }
    ScriptedPrompts* operator->() { return prompts_; }

private:
    ScriptedPrompts* prompts_;
};
