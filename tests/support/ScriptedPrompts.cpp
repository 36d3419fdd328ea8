#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

std::vector<PromptRecord> ScriptedPrompts::Messages() const
{
    std::vector<PromptRecord> out;
    for (const auto& r : records_) {
        if (r.kind == PromptRecord::Kind::Message)
            out.push_back(r);
    }
    return out;
}

QStringList ScriptedPrompts::MessageTexts() const
{
    QStringList out;
    for (const auto& r : Messages())
        out << r.text;
    return out;
}

int ScriptedPrompts::MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type)
{
    records_.push_back(PromptRecord{PromptRecord::Kind::Message, owner, text, caption, type, {}, {}});
    if (buttons_.empty()) {
        ADD_FAILURE() << "unexpected message box: \"" << text.toStdString() << "\" caption \""
                      << caption.toStdString() << "\"";
        return (type & 0xF) == platform::MB_YESNO ? platform::IDNO : platform::IDOK;
    }
    const int answer = buttons_.front();
    buttons_.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompts::NextFile(PromptRecord::Kind kind, const platform::FileDialogRequest& request)
{
    records_.push_back(PromptRecord{kind, request.owner, {}, request.title, request.flags, request, {}});
    if (files_.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
        return std::nullopt;
    }
    auto answer = files_.front();
    files_.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompts::OpenFile(const platform::FileDialogRequest& request)
{
    return NextFile(PromptRecord::Kind::OpenFile, request);
}

std::optional<QString> ScriptedPrompts::SaveFile(const platform::FileDialogRequest& request)
{
    return NextFile(PromptRecord::Kind::SaveFile, request);
}

std::optional<platform::FontChoice> ScriptedPrompts::ChooseFont(const platform::FontDialogRequest& request)
{
    PromptRecord record{PromptRecord::Kind::Font, request.owner, {}, {}, request.flags, {}, request};
    records_.push_back(record);
    if (fonts_.empty()) {
        ADD_FAILURE() << "unexpected font dialog";
        return std::nullopt;
    }
    auto answer = fonts_.front();
    fonts_.pop_front();
    return answer;
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
