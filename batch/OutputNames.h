#pragma once
#include <mutex>

#include <QByteArray>
#include <QSet>
#include <QString>

#include "batch/NamingPattern.h"

// A photo's output: its name as told, and the bytes that name it on disk.
struct OutputName {
    QString path;
    QByteArray local;
};

// Whether a photo may write its output.
enum class OutputClaim {
    Granted,          // the name is the photo's now
    NameTooLong,      // its own name is over kMaxFileNameBytes
    PathTooLong,      // the whole path is over kMaxPathChars
    Unwritable,       // a special file
    OutputOfAnother,  // another photo of the run writes it
    Exists,           // something is there, and replacing it was not asked for
};

// The outputs of one command-line run: each photo's output name, each name given to one photo.
class OutputNames {
public:
    // Outputs go to outputFile when one is given, else into folder (ending in '/'), or with
    // besidePhotos each into its photo's own folder, named after their photos by pattern
    // (NamingPattern.h).
    OutputNames(const QString& outputFile, const QString& folder, const QString& pattern = kDefaultNamingPattern,
                bool besidePhotos = false);

    // The output of the photo at path (absolute); empty when the pattern gives it no name. A photo
    // found in a folder given whole (addedFolder, absolute) keeps its place below it:
    // addedFolder/day2/a.jpg writes day2/a_out.png into the output folder, so that repeated names
    // in different folders never meet. facts holds what the pattern says of the photo beyond its
    // path (its place in the run, its date, its output's size); its name, extension and folder
    // are read from path. Beside the photos, addedFolder plays no part.
    OutputName For(const QString& path, const QString& addedFolder = QString(), NamingFacts facts = {}) const;

    // Whether output may be written: never over a special file, over another photo's output of
    // this run (the photo that comes second is told), or, without overwrite, over anything
    // already there. A granted name is then taken, so no other photo of the run writes it.
    // Without overwrite the save checks again as it publishes.
    OutputClaim Claim(const OutputName& output, bool overwrite);

private:
    const QString outputFile_;
    const QString pattern_;
    const QString folder_;
    const QByteArray localFolder_;
    const bool beside_;
    std::mutex mutex_;
    QSet<QByteArray> taken_;  // by their bytes: two names that are not UTF-8 may read alike
};
