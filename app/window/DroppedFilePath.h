#pragma once
#include <QString>

class QUrl;

// The path of a dropped local file as a file dialog would give it, so that a name that is not
// UTF-8 opens as it would from Open Photo; empty for an address that is no local file.
QString DroppedFilePath(const QUrl& url);
