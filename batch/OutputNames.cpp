#include "batch/OutputNames.h"

#include <algorithm>

#include <QFile>

#include "convert/PhotoPaths.h"
#include "system/FileSystem.h"
#include "system/LocalFileName.h"
#include "system/TemporaryName.h"

namespace {

QByteArray LocalFolder(const QString& folder)
{
    QByteArray local = platform::LocalFileName(folder);
    if (!local.isEmpty() && !local.endsWith('/'))
        local += '/';
    return local;
}

}  // namespace

OutputNames::OutputNames(const QString& outputFile, const QString& folder, const QString& pattern, bool besidePhotos)
    : outputFile_(outputFile), pattern_(pattern), folder_(folder), localFolder_(LocalFolder(folder)), beside_(besidePhotos)
{
}

OutputName OutputNames::For(const QString& path, const QString& addedFolder, NamingFacts facts) const
{
    if (!outputFile_.isEmpty())
        return {outputFile_, platform::LocalFileName(outputFile_)};
    QString displayName;
    GetDisplayFileName(path, displayName);
    // The output's name on disk keeps the bytes of a photo name that is not UTF-8.
    const QByteArray localPath = platform::LocalFileName(path);
    QString folder = folder_;
    QByteArray localFolder = localFolder_;
    if (beside_) {
        folder = GetFolderOfPath(path);
        localFolder = localPath.left(localPath.lastIndexOf('/') + 1);
    } else if (!addedFolder.isEmpty()) {
        folder += FolderBelow(addedFolder, path);
        localFolder += FolderBelow(platform::LocalFileName(addedFolder), localPath);
    }
    if (pattern_ == kDefaultNamingPattern)
        return {ProposeOutputFile(folder, displayName), ProposeLocalOutputFile(localFolder, localPath, displayName)};
    const qsizetype slash = localPath.lastIndexOf('/');
    const QByteArray file = localPath.mid(slash + 1);
    const qsizetype dot = file.lastIndexOf('.');
    facts.name = dot > 0 ? file.left(dot) : file;
    facts.ext = dot > 0 ? file.mid(dot + 1) : QByteArray();
    const QByteArray parent = localPath.left(std::max<qsizetype>(slash, 0));
    facts.folder = parent.mid(parent.lastIndexOf('/') + 1);
    const QByteArray name = NameByPattern(pattern_, facts);
    if (name.isEmpty())
        return {};
    return {folder + QFile::decodeName(name), localFolder + name};
}

OutputClaim OutputNames::Claim(const OutputName& output, bool overwrite)
{
    const std::lock_guard lock(mutex_);
    if (output.local.size() - (output.local.lastIndexOf('/') + 1) > platform::kMaxFileNameBytes)
        return OutputClaim::NameTooLong;
    if (output.path.size() > kMaxPathChars)
        return OutputClaim::PathTooLong;
    if (platform::IsSpecialFile(output.local))
        return OutputClaim::Unwritable;
    if (taken_.contains(output.local))
        return OutputClaim::OutputOfAnother;
    if (!overwrite && platform::AnythingAt(output.local))
        return OutputClaim::Exists;
    taken_.insert(output.local);
    return OutputClaim::Granted;
}
