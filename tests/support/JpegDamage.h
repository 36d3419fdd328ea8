#pragma once
// JPEGs written by libjpeg as asked, and the structural damage classes and harmless oddities of
// real files made from them, for the decoder's tests, the command line's and the fuzz seeds.
#include <vector>

#include <QByteArray>
#include <QString>

struct JpegEncoding {
    int width = 203;  // neither side a whole number of blocks
    int height = 131;
    int bands = 3;  // 1 grey, 3 YCbCr, 4 CMYK
    int chromaH = 2, chromaV = 2;  // luma sampling factors over chroma: 2,2 is 4:2:0
    bool progressive = false;
    int restartRows = 0;
    bool arithmetic = false;
    QByteArray profile;  // written as APP2 segments when not empty
};

// Soft shapes under sensor noise, as a camera gives them, written as encoding says.
QByteArray EncodeJpeg(const JpegEncoding& encoding);

struct JpegVariant {
    QString name;  // usable as a file name
    QByteArray bytes;
    QByteArray same;  // for a harmless variant, the file it must decode exactly like
};

// Damage that leaves blocks of the picture without their data or sheared: each must be refused.
std::vector<JpegVariant> StructurallyDamagedJpegs();
// What real files carry without harm: each must decode to exactly the pixels of its `same`.
std::vector<JpegVariant> HarmlessJpegVariants();
