#include "support/PngDamage.h"

#include <algorithm>

#include <zlib.h>

namespace {

void AppendBe32(QByteArray& out, quint32 v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((v >> shift) & 0xFF));
}

int Channels(int colourType)
{
    return colourType == 2 ? 3 : colourType == 4 ? 2 : colourType == 6 ? 4 : 1;
}

// Sample c of pixel (x, y): a few levels, among them the tRNS colour's (1), so that it is met often.
unsigned SampleAt(const PngPicture& p, int x, int y, int c)
{
    const unsigned top = (1u << p.depth) - 1;
    if (p.colourType == 3)
        return unsigned(x * 3 + y * 11 + x * y) & top;
    const unsigned levels[] = {0, 1, top / 2, top - 1, top};
    return levels[unsigned(x * 7 + y * 13 + c * 5 + x * y) % 5];
}

// The rows of the (sub)image of every dx-th pixel from x0 in every dy-th row from y0.
void AppendRows(QByteArray& raw, const PngPicture& p, int x0, int dx, int y0, int dy)
{
    const int columns = p.width > x0 ? (p.width - x0 + dx - 1) / dx : 0;
    if (columns == 0)
        return;
    for (int y = y0; y < p.height; y += dy) {
        raw.append('\0');
        unsigned bits = 0;
        int used = 0;
        for (int i = 0; i < columns; ++i) {
            for (int c = 0; c < Channels(p.colourType); ++c) {
                const unsigned v = SampleAt(p, x0 + i * dx, y, c);
                if (p.depth == 16) {
                    raw.append(char(v >> 8)).append(char(v & 0xFF));
                    continue;
                }
                bits = (bits << p.depth) | v;
                used += p.depth;
                if (used == 8) {
                    raw.append(char(bits));
                    bits = 0, used = 0;
                }
            }
        }
        if (used > 0)
            raw.append(char(bits << (8 - used)));
    }
}

QByteArray HeaderChunks(const PngPicture& p)
{
    QByteArray ihdr;
    AppendBe32(ihdr, quint32(p.width));
    AppendBe32(ihdr, quint32(p.height));
    ihdr.append(char(p.depth)).append(char(p.colourType)).append('\0').append('\0').append(char(p.interlaced));
    QByteArray out = QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", ihdr);
    const int entries = 1 << std::min(p.depth, 8);
    if (p.colourType == 3) {
        QByteArray palette;
        for (int i = 0; i < entries; ++i)
            palette.append(char(i * 37)).append(char(255 - i * 11)).append(char(i * i));
        out += PngChunk("PLTE", palette);
    }
    if (p.transparency) {
        QByteArray trns;
        if (p.colourType == 3) {
            for (int i = 0; i < (entries + 1) / 2; ++i)  // the rest stay opaque
                trns.append(char(i * 97));
        } else {
            for (int c = 0; c < Channels(p.colourType); ++c)
                trns.append('\0').append('\1');
        }
        out += PngChunk("tRNS", trns);
    }
    return out;
}

}  // namespace

QByteArray PngChunk(const char* type, const QByteArray& data)
{
    QByteArray chunk;
    AppendBe32(chunk, quint32(data.size()));
    const QByteArray body = QByteArray(type, 4) + data;
    chunk += body;
    AppendBe32(chunk, quint32(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size()))));
    return chunk;
}

QByteArray PngScanlines(const PngPicture& p)
{
    QByteArray raw;
    if (!p.interlaced) {
        AppendRows(raw, p, 0, 1, 0, 1);
        return raw;
    }
    static constexpr int kX0[] = {0, 4, 0, 2, 0, 1, 0}, kDx[] = {8, 8, 4, 4, 2, 2, 1};
    static constexpr int kY0[] = {0, 0, 4, 0, 2, 0, 1}, kDy[] = {8, 8, 8, 4, 4, 2, 2};
    for (int pass = 0; pass < 7; ++pass)
        AppendRows(raw, p, kX0[pass], kDx[pass], kY0[pass], kDy[pass]);
    return raw;
}

QByteArray Deflated(const QByteArray& raw)
{
    uLongf size = compressBound(uLong(raw.size()));
    QByteArray out(qsizetype(size), '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(raw.constData()),
              uLong(raw.size()), 6);
    out.resize(qsizetype(size));
    return out;
}

QByteArray EncodePng(const PngPicture& p, const QByteArray& zlib, const QByteArray& beforeData)
{
    QByteArray out = HeaderChunks(p) + beforeData;
    const qsizetype third = zlib.size() / 3;
    out += PngChunk("IDAT", zlib.left(third)) + PngChunk("IDAT", zlib.mid(third, third)) +
           PngChunk("IDAT", zlib.mid(2 * third));
    return out + PngChunk("IEND", {});
}

QByteArray EncodePng(const PngPicture& p)
{
    return EncodePng(p, Deflated(PngScanlines(p)));
}

std::vector<PngVariant> PngDamageVariants()
{
    const PngPicture p;
    const QByteArray raw = PngScanlines(p);
    const QByteArray zlib = Deflated(raw);
    const QByteArray whole = EncodePng(p, zlib);
    const qsizetype iend = whole.size() - 12;
    const qsizetype secondIdat = whole.indexOf("IDAT", whole.indexOf("IDAT") + 4) - 4;
    const auto changed = [](QByteArray bytes, qsizetype at, char value) {
        bytes[at] = value;
        return bytes;
    };
    QByteArray badBlock = zlib;
    badBlock[2] = char(badBlock[2] | 0x06);  // the first block's type: 3, which does not exist
    QByteArray badAdler = zlib;
    badAdler[badAdler.size() - 1] = char(badAdler[badAdler.size() - 1] ^ 0x55);
    QByteArray badTextCrc = PngChunk("tEXt", QByteArray("Comment\0hello", 13));
    badTextCrc[badTextCrc.size() - 1] = char(badTextCrc[badTextCrc.size() - 1] ^ 1);
    const int rowBytes = 1 + p.width * 3;
    const QByteArray palette = PngChunk("PLTE", QByteArray(12, '\x40'));
    const QByteArray withPalette = EncodePng(p, zlib, palette);
    const qsizetype paletteEnd = withPalette.size() - 12;
    return {
        {"whole", whole, true},
        {"bytes_after_the_end_chunk", whole + QByteArray(100, 'x'), true},
        {"unknown_ancillary_chunk", EncodePng(p, zlib, PngChunk("prVt", "private")), true},
        {"ancillary_chunk_checksum_wrong", EncodePng(p, zlib, badTextCrc), true},
        {"ancillary_chunk_after_the_data", whole.left(iend) + PngChunk("tEXt", QByteArray("Title\0x", 7)) + whole.mid(iend), true},
        {"duplicate_pHYs", EncodePng(p, zlib, PngChunk("pHYs", QByteArray("\0\0\x0e\xc4\0\0\x0e\xc4\1", 9)).repeated(2)), true},
        {"more_data_than_rows", EncodePng(p, Deflated(raw + QByteArray(rowBytes, '\0'))), true},
        {"cut_in_the_second_IDAT", whole.left(secondIdat + 20), false},
        {"cut_before_the_end_chunk", whole.left(iend), false},
        {"IDAT_checksum_wrong", changed(whole, secondIdat + 8 + 3, 'z'), false},
        {"adler32_wrong", EncodePng(p, badAdler), false},
        {"zlib_error", EncodePng(p, badBlock), false},
        {"rows_missing_from_a_whole_stream", EncodePng(p, Deflated(raw.left(raw.size() - rowBytes - 1))), false},
        {"unknown_critical_chunk", EncodePng(p, zlib, PngChunk("QUUX", "x")), false},
        {"header_checksum_wrong", changed(whole, 29, 'z'), false},
        {"adler32_missing", EncodePng(p, zlib.left(zlib.size() - 4)), false},
        {"cut_inside_the_end_chunk_checksum", whole.left(whole.size() - 2), false},
        {"end_chunk_checksum_wrong", changed(whole, whole.size() - 1, 'z'), false},
        {"second_palette", EncodePng(p, zlib, palette + palette), false},
        {"second_palette_after_the_data", withPalette.left(paletteEnd) + palette + withPalette.mid(paletteEnd), false},
        {"empty_eXIf", EncodePng(p, zlib, PngChunk("eXIf", "")), true},
        {"eXIf_not_EXIF", EncodePng(p, zlib, PngChunk("eXIf", "not a TIFF structure")), true},
        // 16384 x 16384 16-bit RGBA, interlaced, in a few dozen bytes: 2 GiB if it were decoded.
        {"huge_picture_in_a_tiny_file", EncodePng({16384, 16384, 6, 16, false, true}, Deflated(QByteArray(64, '\0'))), false},
    };
}
