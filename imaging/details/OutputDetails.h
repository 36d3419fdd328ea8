#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

namespace platform {

// A text the picture's file carries under a registered keyword ("Author", "Creation Time").
struct DetailText {
    QByteArray keyword;
    QString text;
};

// What an output carries of its photo beyond the pixels, ready to write.
struct OutputDetails {
    QByteArray exif;                // TIFF-headed EXIF, as an eXIf chunk holds it; empty: none
    QByteArray xmp;                 // an XMP packet in UTF-8; empty: none
    std::vector<DetailText> texts;  // in the order written
    std::optional<std::int64_t> modified;  // seconds since the epoch the file is dated; the time of writing when unset

    bool HasChunks() const { return !exif.isEmpty() || !xmp.isEmpty() || !texts.empty(); }
};

}  // namespace platform
