#include "app/cli/BatchReport.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>

#include <algorithm>

#include <QCoreApplication>

#include "app/cli/PrintableText.h"
#include "batch/ReasonTexts.h"
#include "convert/PrintSaved.h"
#include "imaging/LibraryLog.h"
#include "services/ReportingPrompts.h"
#include "system/Interruption.h"

namespace {
// A pointer: a thread-local with a destructor is registered with the C library on each thread,
// which needs memory exactly when it may have run out.
thread_local const QString* t_photo = nullptr;

// A reader that went away (`| head -1`) stops the batch as Ctrl-C would, leaving nothing behind.
void CheckWritten(bool written)
{
    if (!written && errno == EPIPE)
        platform::Interrupt(SIGPIPE);
}

void PutLine(const QByteArray& bytes, std::FILE* stream)
{
    const bool put = std::fputs(bytes.constData(), stream) >= 0;
    CheckWritten(std::fflush(stream) == 0 && put);
}
}  // namespace

BatchReport::BatchReport(int photos, bool quiet)
    : quiet_(quiet), progress_(stderr, photos, !quiet && photos > 1 && ::isatty(STDERR_FILENO))
{
}

void BatchReport::Print(const QString& subject, const QString& text)
{
    const QString line = subject.isEmpty() ? QStringLiteral("pictorelle: %1").arg(text)
                                           : QStringLiteral("pictorelle: %1: %2").arg(subject, text);
    const QByteArray bytes = PrintableText(line).toLocal8Bit() + '\n';
    const std::lock_guard lock(mutex_);
    progress_.Clear();
    PutLine(bytes, stderr);
}

void BatchReport::Error(const QString& subject, const QString& text)
{
    Print(subject, text);
}

void BatchReport::Warning(const QString& subject, const QString& text)
{
    if (quiet_)
        return;
    {
        const std::lock_guard lock(mutex_);
        const bool converting = std::any_of(converting_.cbegin(), converting_.cend(),
                                            [&](const auto& photo) { return photo.first == subject; });
        if (converting && !subject.isEmpty()) {
            QList<QPair<QString, int>>& told = warnings_[subject];
            const auto same = std::find_if(told.begin(), told.end(), [&](const auto& w) { return w.first == text; });
            if (same != told.end())
                ++same->second;
            else
                told.append({text, 1});
            return;
        }
    }
    Print(subject, WarningText(text));
}

void BatchReport::Progress(int index, const QString& name, int sideBySide)
{
    const std::lock_guard lock(mutex_);
    progress_.Show(index, PrintableText(name), done_, sideBySide);
}

void BatchReport::Saved(const QString& path)
{
    if (quiet_)
        return;
    const std::lock_guard lock(mutex_);
    progress_.Clear();
    CheckWritten(PrintSaved(PrintableText(path)));
}

void BatchReport::Kept(const QString& path)
{
    if (!quiet_)
        Summary(QCoreApplication::translate("CommandLine", "%1 kept: it exists already; --overwrite replaces it").arg(path));
}

void BatchReport::Summary(const QString& text)
{
    const QByteArray bytes = PrintableText(text).toLocal8Bit() + '\n';
    const std::lock_guard lock(mutex_);
    progress_.Clear();
    PutLine(bytes, stdout);
}

void BatchReport::Finish()
{
    const std::lock_guard lock(mutex_);
    progress_.Clear();
}

std::unique_ptr<platform::Prompts> BatchReport::MakePrompts()
{
    return std::make_unique<platform::ReportingPrompts>(
        [this](const QString& text, const QString&) { Error(t_photo ? *t_photo : QString(), platform::OneLine(text)); });
}

QString BatchReport::PhotoOfMessage(const QString& text)
{
    if (t_photo && !t_photo->isEmpty())
        return *t_photo;
    const std::lock_guard lock(mutex_);
    if (converting_.size() == 1)
        return converting_.first().first;
    QStringList named;
    for (const auto& [photo, loader] : std::as_const(converting_)) {
        if (!loader.isEmpty() && text.startsWith(loader + u':'))
            named << photo;
    }
    return named.size() == 1 ? named.first() : QString();
}

void BatchReport::RouteLibraryMessages()
{
    platform::RouteLibraryMessages([this](bool error, const QString& text) {
        const QString subject = PhotoOfMessage(text);
        const QString line = platform::OneLine(text);
        if (error)
            Error(subject, line);
        else
            Warning(subject, line);
    });
}

void BatchReport::StopLibraryMessages()
{
    platform::RouteLibraryMessages({});
}

BatchReport::PhotoScope::PhotoScope(BatchReport& report, const QString& photo, const QString& loader)
    : report_(report), photo_(photo)
{
    t_photo = &photo_;
    const std::lock_guard lock(report_.mutex_);
    report_.converting_.append({photo, loader});
}

BatchReport::PhotoScope::~PhotoScope()
{
    QList<QPair<QString, int>> warnings;
    {
        const std::lock_guard lock(report_.mutex_);
        warnings = report_.warnings_.take(photo_);
        for (qsizetype i = 0; i < report_.converting_.size(); ++i) {
            if (report_.converting_[i].first == photo_) {
                report_.converting_.removeAt(i);
                break;
            }
        }
        ++report_.done_;
    }
    for (const auto& [text, count] : std::as_const(warnings))
        report_.Print(photo_, WarningText(count == 1 ? text
                                                      : QCoreApplication::translate("CommandLine", "%1 (%n times)", nullptr, count)
                                                            .arg(text)));
    t_photo = nullptr;
}
