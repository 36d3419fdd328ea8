#pragma once
#include <QList>

#include "app/cli/BatchReport.h"
#include "batch/BatchListener.h"
#include "batch/BatchPhotos.h"

// The command line's listener to a batch: prints what it is told, as BatchReport words it, and
// while a photo converts names it in the messages of the program's prompts and of the imaging
// libraries.
class BatchPrinter final : public BatchListener {
public:
    BatchPrinter(BatchReport& report, const QList<BatchPhoto>& photos, bool quiet);

    void Planned(int sideBySide) override { sideBySide_ = sideBySide; }
    void OutputFolderMade(const QString& folder) override;
    void Started(int index, platform::PhotoFormat format) override;
    void Told(int index, const QString& subject, const QString& text) override;
    void Saved(int index, const QString& path) override;
    void Kept(int index, const QString& path) override;
    void Finished(int index, PhotoResult result, const QString& reason) override;
    // The counts at the end, when some outputs were kept.
    void Ended(const BatchSummary& summary);

private:
    BatchReport& report_;
    const QList<BatchPhoto>& photos_;
    const bool quiet_;
    int sideBySide_ = 1;
};
