#pragma once
// PNGs made by hand, in every colour type, bit depth and interlacing, and the damage classes and
// harmless oddities of real files made from them, for the decoder's tests and the fuzz seeds.
#include <vector>

#include <QByteArray>
#include <QString>

struct PngPicture {
    int width = 37;
    int height = 23;
    int colourType = 2;  // 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGBA
    int depth = 8;
    bool transparency = false;  // a tRNS chunk
    bool interlaced = false;
};

// One chunk: length, type, data and checksum.
QByteArray PngChunk(const char* type, const QByteArray& data);
// The picture's filtered rows (filter None; Adam7's passes one after another when interlaced).
QByteArray PngScanlines(const PngPicture& picture);
// The zlib stream of raw.
QByteArray Deflated(const QByteArray& raw);
// A whole file: the header chunks, then beforeData, the zlib stream in three IDAT chunks, the end.
QByteArray EncodePng(const PngPicture& picture, const QByteArray& zlib, const QByteArray& beforeData = {});
QByteArray EncodePng(const PngPicture& picture);

struct PngVariant {
    QString name;  // usable as a file name
    QByteArray bytes;
    bool opens;  // harmless; otherwise damage that must be refused
};

// A 37 x 23 RGB picture with each kind of damage, and with what real files carry without harm.
std::vector<PngVariant> PngDamageVariants();
