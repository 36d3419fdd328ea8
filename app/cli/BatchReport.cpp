#include "app/cli/BatchReport.h"

#include <unistd.h>

#include "convert/PrintSaved.h"
#include "platform/services/ReportingPrompts.h"

namespace {
thread_local QString t_photo;
}  // namespace

BatchReport::BatchReport(int photos, bool quiet)
    : quiet_(quiet), progress_(stderr, photos, !quiet && photos > 1 && ::isatty(STDERR_FILENO))
{
}

void BatchReport::Error(const QString& subject, const QString& text)
{
    const QString line = subject.isEmpty() ? QStringLiteral("pictorelle: %1\n").arg(text)
                                           : QStringLiteral("pictorelle: %1: %2\n").arg(subject, text);
    const std::lock_guard lock(mutex_);
    progress_.Clear();
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

void BatchReport::Progress(int index, const QString& name)
{
    const std::lock_guard lock(mutex_);
    progress_.Show(index, name);
}

void BatchReport::Saved(const QString& path)
{
    if (quiet_)
        return;
    const std::lock_guard lock(mutex_);
    progress_.Clear();
    PrintSaved(path);
}

void BatchReport::Finish()
{
    const std::lock_guard lock(mutex_);
    progress_.Clear();
}

std::unique_ptr<platform::Prompts> BatchReport::MakePrompts()
{
    return std::make_unique<platform::ReportingPrompts>(
        [this](const QString& text, const QString&) { Error(t_photo, platform::OneLine(text)); });
}

BatchReport::PhotoScope::PhotoScope(const QString& photo)
{
    t_photo = photo;
}

BatchReport::PhotoScope::~PhotoScope()
{
    t_photo.clear();
}
