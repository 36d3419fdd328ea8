#include "services/ReportingPrompts.h"

#include <cstdio>

#include <QRegularExpression>

namespace platform {

ReportingPrompts::ReportingPrompts(Report report) : report_(std::move(report))
{
    if (!report_)
        report_ = [](const QString& text, const QString&) {
            std::fputs(QStringLiteral("pictorelle: %1\n").arg(OneLine(text)).toLocal8Bit().constData(), stderr);
        };
}

int ReportingPrompts::MessageBox(QWidget*, const QString& text, const QString& caption, unsigned type)
{
    report_(text, caption);
    return (type & 0xF) == MB_YESNO ? IDNO : IDOK;
}

std::optional<QString> ReportingPrompts::OpenFile(const FileDialogRequest&) { return std::nullopt; }
std::optional<QString> ReportingPrompts::SaveFile(const FileDialogRequest&) { return std::nullopt; }
std::optional<QString> ReportingPrompts::AskText(QWidget*, const QString&, const QString&, const QString&)
{
    return std::nullopt;
}
std::optional<FontChoice> ReportingPrompts::ChooseFont(const FontDialogRequest&) { return std::nullopt; }
int ReportingPrompts::TrackPopupMenu(QMenu&, const QPoint&, QWidget*) { return 0; }
int ReportingPrompts::RunDialog(CDialog&) { return IDCANCEL; }
bool ReportingPrompts::OpenUrl(const QUrl&) { return false; }
void ReportingPrompts::ShowHelp(QWidget*, const QString&) {}

std::unique_ptr<QObject> ReportingPrompts::ShowProgress(QWidget*, const QString&, std::function<void()>, std::function<int()>)
{
    return nullptr;
}

QString OneLine(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    return QString(text).replace(breaks, QStringLiteral(" ")).trimmed();
}

}  // namespace platform
