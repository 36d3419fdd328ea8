#pragma once
#include <QString>

#include "imaging/Guid.h"

// The index of the first encoder whose MIME type equals mimeType exactly, with its class
// identifier in clsid; -1 and clsid untouched when there is none.
int FindEncoderByMimeType(const QString& mimeType, platform::Guid& clsid);
