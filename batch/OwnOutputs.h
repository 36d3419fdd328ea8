#pragma once
#include <vector>

#include <QList>
#include <QString>

#include "batch/BatchPhotos.h"
#include "batch/OutputNames.h"

// Which photos of a run, found by walking a folder, are the run's own outputs: a file some photo
// of the run writes, or anything inside the output folder (ending in '/') when that lies below a
// folder walked. Photos named by themselves are never among them. By index of photos, as outputs.
std::vector<bool> OwnOutputs(const QList<BatchPhoto>& photos, const std::vector<OutputName>& outputs,
                             const QString& outputFolder);
