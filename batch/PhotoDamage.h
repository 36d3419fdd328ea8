#pragma once
#include <QSize>
#include <QString>

// What is wrong with a photo its decoder gave up on, as far as its bytes tell.
enum class PhotoDamage {
    None,            // not a format we recognise, or nothing that tells why
    EndsEarly,       // the file stops before its format's end marker or its declared size
    HeaderMismatch,  // whole, within the limit, and still not decodable: the data is not what the header says
    OverPixelLimit,  // the header's size is over the pixel limit
};

struct FoundDamage {
    PhotoDamage kind = PhotoDamage::None;
    QSize headerSize;  // for OverPixelLimit
};

// Why the decoder gave up on the photo at path, from its header and its end: called only once it
// has, so that a whole file of a format we check, within the limit, has data its header does not
// describe.
FoundDamage FindPhotoDamage(const QString& path);
