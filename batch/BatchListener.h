#pragma once
#include <QString>

#include "imaging/checks/PhotoFormat.h"

// What became of one photo of a batch.
enum class PhotoResult {
    Converted,
    Failed,
    Kept,       // its output was there already and replacing it was not asked for
    Cancelled,  // stopped by the cancel, or never begun: nothing written, nothing changed
};

// The figures of a batch once it has ended.
struct BatchSummary {
    int converted = 0;
    int kept = 0;         // outputs there already
    int ownOutputs = 0;   // outputs of the run itself that a folder walk found, left as they are
    int failed = 0;
    int cancelled = 0;    // stopped by the cancel or never begun
    bool folderUnusable = false;  // nothing was converted: the output folder cannot be used
    bool namesRefused = false;    // nothing was converted: the naming pattern gives some photo no name
};

// Told what a batch does, from the batch's threads: everything about one photo, from Started to
// Finished, on the one thread that converts it. Each front end (the command line's printer, the
// window's list) is one; the batch tells every listener the same.
class BatchListener {
public:
    virtual ~BatchListener() = default;
    // Before any photo: how many photos convert at once.
    virtual void Planned(int sideBySide) { (void)sideBySide; }
    // The output folder was missing and has been made, with its parents.
    virtual void OutputFolderMade(const QString& folder) { (void)folder; }
    // The photo starts, in the format its first bytes announce (read once, here).
    virtual void Started(int index, platform::PhotoFormat format) = 0;
    // What went wrong with subject (a photo, an output or a folder), or what the photo was
    // converted despite (a text IsWarningText calls one); index -1 for the run as a whole.
    virtual void Told(int index, const QString& subject, const QString& text) = 0;
    virtual void Saved(int index, const QString& path) { (void)index, (void)path; }
    // The output at path was there already and is kept as it is.
    virtual void Kept(int index, const QString& path) { (void)index, (void)path; }
    // reason: why it was not converted ("SUBJECT: text" when about another file than the photo),
    // the first thing told of it that is not a warning; empty when it converted.
    virtual void Finished(int index, PhotoResult result, const QString& reason) = 0;
};
