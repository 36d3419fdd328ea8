#include "support/ScriptedPrompts.h"

#include <QMenu>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include "widgets/CDialog.h"
#include "widgets/HelpWindow.h"
#include "widgets/MenuFromTemplate.h"
#include "widgets/QtPrompts.h"

std::vector<PromptRecord> ScriptedPrompts::Messages() const
{
    std::vector<PromptRecord> out;
    for (const auto& r : records_) {
        if (r.kind == PromptRecord::Kind::Message)
            out.push_back(r);
    }
    return out;
}

QString MessageOf(const QString& text)
{
    const qsizetype open = text.lastIndexOf(QStringLiteral("! ("));
    return open >= 0 && text.endsWith(u')') ? text.left(open + 1) : text;
}

QString ReasonOf(const QString& text)
{
    const QString message = MessageOf(text);
    return message.size() == text.size() ? QString() : text.mid(message.size() + 2).chopped(1);
}

QStringList ScriptedPrompts::MessageTexts() const
{
    QStringList out;
    for (const auto& r : Messages())
        out << MessageOf(r.text);
    return out;
}

QStringList ScriptedPrompts::Reasons() const
{
    QStringList out;
    for (const auto& r : Messages())
        out << ReasonOf(r.text);
    return out;
}

int ScriptedPrompts::MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type)
{
    records_.push_back(PromptRecord{PromptRecord::Kind::Message, owner, text, caption, type, {}, {}, {}, {}});
    if (buttons_.empty()) {
        ADD_FAILURE() << "unexpected message box: \"" << text.toStdString() << "\" caption \""
                      << caption.toStdString() << "\"";
        return (type & 0xF) == platform::MB_YESNO ? platform::IDNO : platform::IDOK;
    }
    const int answer = buttons_.front();
    buttons_.pop_front();
    return answer;
}

template <typename Answer>
std::optional<Answer> ScriptedPrompts::NextFile(PromptRecord::Kind kind, const platform::FileDialogRequest& request,
                                               std::deque<std::optional<Answer>>& queue)
{
    records_.push_back(PromptRecord{kind, request.owner, {}, request.title, request.flags, request, {}, {}, {}});
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
        return std::nullopt;
    }
    auto answer = queue.front();
    queue.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompts::OpenFile(const platform::FileDialogRequest& request)
{
    return NextFile(PromptRecord::Kind::OpenFile, request, files_);
}

std::optional<QString> ScriptedPrompts::SaveFile(const platform::FileDialogRequest& request)
{
    return NextFile(PromptRecord::Kind::SaveFile, request, files_);
}

std::optional<QStringList> ScriptedPrompts::OpenFiles(const platform::FileDialogRequest& request)
{
    return NextFile(PromptRecord::Kind::OpenFiles, request, fileLists_);
}

std::optional<QString> ScriptedPrompts::ChooseFolder(const platform::FileDialogRequest& request)
{
    return NextFile(PromptRecord::Kind::Folder, request, files_);
}

std::optional<QString> ScriptedPrompts::AskText(QWidget* owner, const QString& question, const QString& caption,
                                                const QString& initial)
{
    PromptRecord record{PromptRecord::Kind::Text, owner, question, caption, 0, {}, {}, {}, {}};
    record.request.initialName = initial;
    records_.push_back(record);
    if (texts_.empty()) {
        ADD_FAILURE() << "unexpected text question: \"" << question.toStdString() << "\"";
        return std::nullopt;
    }
    auto answer = texts_.front();
    texts_.pop_front();
    return answer;
}

std::optional<QColor> ScriptedPrompts::ChooseColour(QWidget* owner, const QString& caption, const QColor& initial)
{
    PromptRecord record{PromptRecord::Kind::Colour, owner, {}, caption, 0, {}, {}, {}, {}};
    record.font.colour = initial;
    records_.push_back(record);
    if (colours_.empty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return std::nullopt;
    }
    auto answer = colours_.front();
    colours_.pop_front();
    return answer;
}

std::optional<platform::FontChoice> ScriptedPrompts::ChooseFont(const platform::FontDialogRequest& request)
{
    PromptRecord record{PromptRecord::Kind::Font, request.owner, {}, {}, request.flags, {}, request, {}, {}};
    records_.push_back(record);
    if (fonts_.empty()) {
        ADD_FAILURE() << "unexpected font dialog";
        return std::nullopt;
    }
    auto answer = fonts_.front();
    fonts_.pop_front();
    return answer;
}

std::vector<PromptRecord> ScriptedPrompts::OfKind(PromptRecord::Kind kind) const
{
    std::vector<PromptRecord> out;
    for (const auto& r : records_) {
        if (r.kind == kind)
            out.push_back(r);
    }
    return out;
}

namespace {
template <typename T>
T Next(std::deque<T>& queue, T fallback, const char* what)
{
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << what;
        return fallback;
    }
    T answer = queue.front();
    queue.pop_front();
    return answer;
}

void Snapshot(const QMenu& menu, int depth, PromptRecord& record)
{
    for (const QAction* item : menu.actions()) {
        record.menuItems << QString(depth * 2, ' ') + (item->isChecked() ? "[x] " : "") + item->text();
        record.menuIds.push_back(platform::GetMenuItemID(*item));
        if (item->menu())
            Snapshot(*item->menu(), depth + 1, record);
    }
}
}  // namespace

int ScriptedPrompts::TrackPopupMenu(QMenu& menu, const QPoint&, QWidget* owner)
{
    PromptRecord record{PromptRecord::Kind::Menu, owner, {}, {}, 0, {}, {}, {}, {}};
    Snapshot(menu, 0, record);
    records_.push_back(record);
    return Next(menuChoices_, 0, "popup menu");
}

int ScriptedPrompts::RunDialog(platform::CDialog& dialog)
{
    dialog.Create();
    records_.push_back(PromptRecord{PromptRecord::Kind::Dialog, dialog.parentWidget(), {}, dialog.windowTitle(), 0, {}, {}, {}, {}});
    return Next(dialogResults_, platform::IDCANCEL, "dialog");
}

bool ScriptedPrompts::OpenUrl(const QUrl& url)
{
    records_.push_back(PromptRecord{PromptRecord::Kind::Url, nullptr, url.toString(), {}, 0, {}, {}, {}, {}});
    return Next(urlResults_, false, "address to open");
}

std::unique_ptr<QObject> ScriptedPrompts::ShowProgress(QWidget* owner, const QString& text, std::function<void()> cancel,
                                                       std::function<int()> percent)
{
    records_.push_back(PromptRecord{PromptRecord::Kind::Progress, owner, text, {}, 0, {}, {}, {}, {}});
    if (progressCancels_ > 0) {
        --progressCancels_;
        QTimer::singleShot(0, std::move(cancel));  // as the user's click would come, from the event loop
    }
    if (!percent)
        return nullptr;
    auto shown = std::make_unique<QObject>();
    auto* poll = new QTimer(shown.get());
    const auto read = [this, percent] { percents_.push_back(percent()); };
    read();
    QObject::connect(poll, &QTimer::timeout, read);
    poll->start(platform::kProgressPollMs);
    QObject::connect(shown.get(), &QObject::destroyed, read);
    return shown;
}

void ScriptedPrompts::ShowHelp(QWidget* owner, const QString& page)
{
    records_.push_back(PromptRecord{PromptRecord::Kind::Help, owner, page, {}, 0, {}, {}, {}, {}});
    helpWindow_ = platform::HelpWindow::Show(owner, page);
}

ScopedScriptedPrompts::ScopedScriptedPrompts()
{
    auto prompts = std::make_unique<ScriptedPrompts>();
    prompts_ = prompts.get();
    platform::InstallPrompts(std::move(prompts));
}

ScopedScriptedPrompts::~ScopedScriptedPrompts()
{
    EXPECT_EQ(prompts_->PendingAnswers(), 0u) << "queued answers were never asked for";
    platform::InstallPrompts(nullptr);
}
