#include "batch/OwnOutputs.h"

#include <QFileInfo>
#include <QSet>

#include "system/LocalFileName.h"

namespace {

QString WithSlash(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

}  // namespace

std::vector<bool> OwnOutputs(const QList<BatchPhoto>& photos, const std::vector<OutputName>& outputNames,
                             const QString& outputFolder)
{
    std::vector<bool> own(static_cast<std::size_t>(photos.size()), false);
    QSet<QByteArray> outputs;
    QList<QString> paths;
    for (const BatchPhoto& photo : photos)
        paths.append(QFileInfo(photo.path).absoluteFilePath());
    for (const OutputName& output : outputNames)
        outputs.insert(output.local);
    const QString folder = outputFolder.isEmpty() ? QString() : WithSlash(QFileInfo(outputFolder).absoluteFilePath());
    for (qsizetype i = 0; i < photos.size(); ++i) {
        if (photos[i].addedFolder.isEmpty())
            continue;
        const QString walked = WithSlash(photos[i].addedFolder);
        const bool inOutputFolder = !folder.isEmpty() && folder != walked && folder.startsWith(walked) &&
                                    paths[i].startsWith(folder);
        own[static_cast<std::size_t>(i)] = inOutputFolder || outputs.contains(platform::LocalFileName(paths[i]));
    }
    return own;
}
