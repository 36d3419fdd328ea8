#include "app/cli/BatchPrinter.h"

#include <memory>

#include <QCoreApplication>
#include <QFileInfo>

#include "imaging/checks/PhotoFormat.h"
#include "batch/ReasonTexts.h"

namespace {
// The photo this thread converts, named in the messages that do not say which photo they are of.
// A pointer, for the reason BatchReport gives for its own.
thread_local BatchReport::PhotoScope* t_scope = nullptr;
}  // namespace

BatchPrinter::BatchPrinter(BatchReport& report, const QList<BatchPhoto>& photos, bool quiet)
    : report_(report), photos_(photos), quiet_(quiet)
{
}

void BatchPrinter::OutputFolderMade(const QString& folder)
{
    if (!quiet_)
        report_.Summary(QCoreApplication::translate("CommandLine", "made the output folder %1").arg(folder));
}

void BatchPrinter::Started(int index, platform::PhotoFormat format)
{
    const QString& path = photos_[index].path;
    report_.Progress(index, QFileInfo(path).fileName(), sideBySide_);
    const char* loader = platform::VipsLoaderFor(format);
    delete t_scope;
    t_scope = nullptr;
    t_scope = new BatchReport::PhotoScope(report_, path, loader ? QString::fromLatin1(loader) : QString());
}

void BatchPrinter::Told(int, const QString& subject, const QString& text)
{
    // --quiet prints nothing but errors.
    if (quiet_ && IsWarningText(text))
        return;
    report_.Error(subject, text);
}

void BatchPrinter::Saved(int, const QString& path)
{
    report_.Saved(path);
}

void BatchPrinter::Kept(int, const QString& path)
{
    report_.Kept(path);
}

void BatchPrinter::Finished(int, PhotoResult, const QString&)
{
    delete t_scope;  // its warnings are told now, once each
    t_scope = nullptr;
}

void BatchPrinter::Ended(const BatchSummary& summary)
{
    report_.Finish();
    if (summary.kept > 0 && !quiet_)
        // Each count in its own words, so that every language says 1, 2 and 5 in its own grammar.
        report_.Summary(QCoreApplication::translate("CommandLine", "%1, %2, %3")
                            .arg(QCoreApplication::translate("CommandLine", "%n converted", nullptr, summary.converted),
                                 QCoreApplication::translate("CommandLine", "%n kept because their outputs exist", nullptr, summary.kept),
                                 QCoreApplication::translate("CommandLine", "%n failed", nullptr, summary.failed)));
}
