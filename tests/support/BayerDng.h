#pragma once
// Small camera RAW files for tests and seeds: no library involved, so it can be built anywhere.
#include <cstdint>
#include <functional>

#include <QByteArray>
#include <QString>

// An embedded preview, stored in the DNG's first IFD as LibRaw would find a camera's.
struct DngThumbnail {
    int width = 0;
    int height = 0;
    bool jpeg = false;  // data is a JPEG file; otherwise width x height x 3 bytes of RGB
    QByteArray data;
};

struct BayerDngLayout {
    int width = 96;
    int height = 64;
    // Sizes the header claims; 0 for the real ones.
    std::uint32_t declaredWidth = 0;
    std::uint32_t declaredHeight = 0;
    std::uint32_t declaredBitsPerSample = 16;  // the data stays 16-bit whatever this says
    int orientation = 1;  // TIFF orientation: 6 turns a quarter clockwise, 8 anticlockwise
    // The 16-bit value of the site at (x, y) behind a filter of colour 0 (red), 1 (green) or 2
    // (blue); the mosaic is RGGB. White is 65535.
    std::function<std::uint16_t(int x, int y, int colour)> value;
    // How the camera saw a neutral grey: the white balance developing "as shot" undoes.
    double neutral[3] = {1.0, 1.0, 1.0};
    DngThumbnail thumbnail;  // none when its data is empty
};

// An uncompressed little-endian 16-bit colour-filter-array DNG whose camera sees linear sRGB.
QByteArray BayerDng(const BayerDngLayout& layout);

// BayerDng written to path; returns path.
QString WriteBayerDng(const QString& path, const BayerDngLayout& layout);

// A plain 16-bit grey TIFF, a ramp from black on the left to white on the right, whose Make tag
// names a camera maker: an ordinary picture, not a camera RAW.
QByteArray GreyTiffNamingCamera(int width, int height, const char* make);
