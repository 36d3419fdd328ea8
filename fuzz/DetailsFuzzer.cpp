// A photo's details from arbitrary bytes: as a whole file, as an HEIF's EXIF and XMP blocks, and
// what an output keeps of them.
#include <cstdint>

#include <QByteArray>

#include "imaging/details/PhotoDetails.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using platform::DetailsChoice;
    using platform::PhotoDetails;
    const PhotoDetails file = PhotoDetails::FromFile(data, size);
    (void)file.Taken();
    (void)file.ForOutput(DetailsChoice::NoLocation, 3, 2);
    (void)file.ForOutput(DetailsChoice::All, 2, 3);
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype half = bytes.size() / 2;
    const PhotoDetails blocks = PhotoDetails::FromBlocks(bytes.left(half), bytes.mid(half));
    (void)blocks.Taken();
    (void)blocks.ForOutput(DetailsChoice::All, 5, 7);
    return 0;
}
