#include "imaging/png/DetailChunks.h"

#include <algorithm>

namespace platform {

namespace {

void Append(std::vector<std::uint8_t>& to, const QByteArray& bytes)
{
    to.insert(to.end(), bytes.begin(), bytes.end());
}

// Uncompressed, with no language: readers of XMP and of text take it so.
PngChunk International(const QByteArray& keyword, const QByteArray& utf8)
{
    PngChunk chunk{"iTXt", {}};
    Append(chunk.data, keyword);
    for (const std::uint8_t separator : {0, 0, 0, 0, 0})  // keyword's end, no compression, its method, no language, no translated keyword
        chunk.data.push_back(separator);
    Append(chunk.data, utf8);
    return chunk;
}

bool FitsLatin1(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0 && c.unicode() <= 0xFF; });
}

}  // namespace

std::vector<PngChunk> DetailChunks(const OutputDetails& details)
{
    std::vector<PngChunk> chunks;
    if (!details.exif.isEmpty()) {
        chunks.push_back({"eXIf", {}});
        Append(chunks.back().data, details.exif);
    }
    if (!details.xmp.isEmpty())
        chunks.push_back(International(QByteArrayLiteral("XML:com.adobe.xmp"), details.xmp));
    for (const DetailText& text : details.texts) {
        if (!FitsLatin1(text.text)) {
            chunks.push_back(International(text.keyword, text.text.toUtf8()));
            continue;
        }
        PngChunk chunk{"tEXt", {}};
        Append(chunk.data, text.keyword);
        chunk.data.push_back(0);
        Append(chunk.data, text.text.toLatin1());
        chunks.push_back(std::move(chunk));
    }
    return chunks;
}

}  // namespace platform
