#pragma once
#include <cstdio>
#include <optional>

#include <QString>

#include "services/Prompts.h"

// Answers the open dialog with one photo and declines everything else; a message box means the
// benchmark's conversion failed, and is said on standard error.
class PhotoOnlyPrompts final : public platform::Prompts {
public:
    explicit PhotoOnlyPrompts(QString photo) : photo_(std::move(photo)) {}
    bool failed = false;
    int MessageBox(QWidget*, const QString& text, const QString&, unsigned) override
    {
        std::fprintf(stderr, "message: %s\n", text.toLocal8Bit().constData());
        failed = true;
        return platform::IDNO;
    }
    std::optional<QString> OpenFile(const platform::FileDialogRequest&) override { return photo_; }
    std::optional<QString> SaveFile(const platform::FileDialogRequest&) override { return std::nullopt; }
    std::optional<platform::FontChoice> ChooseFont(const platform::FontDialogRequest&) override { return std::nullopt; }
    int TrackPopupMenu(QMenu&, const QPoint&, QWidget*) override { return 0; }
    int RunDialog(platform::CDialog&) override { return platform::IDCANCEL; }
    bool OpenUrl(const QUrl&) override { return false; }
    void ShowHelp(QWidget*, const QString&) override {}
    std::unique_ptr<QObject> ShowProgress(QWidget*, const QString&, std::function<void()>, std::function<int()>) override
    {
        return nullptr;
    }

private:
    QString photo_;
};
