#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QRect>
#include <QString>
#include <QTemporaryDir>

namespace platform {
class Image;
}

// Paths of fixtures kept in tests/data.
QString DataFile(const QString& name);

using Rgb = std::array<std::uint8_t, 3>;

// The colour of frame or page k of the pictures below: distinct for k up to 255.
Rgb ColourOfFrame(int k);

// Pictures written by the tests themselves, with libvips.
QString WriteSolid(const QString& path, int width, int height, Rgb colour, double dpiX = 0, double dpiY = 0);
// An RGBA PNG whose left half is opaque colour and whose right half is wholly transparent.
QString WriteHalfTransparent(const QString& path, int width, int height, Rgb colour);
QString WriteFramesGif(const QString& path, int width, int height, int frames);
QString WriteFramesWebp(const QString& path, int width, int height, int frames);
QString WritePagesTiff(const QString& path, int width, int height, int pages);
// Gaussian noise in three bands: neighbouring pixels differ.
// A GIF whose every frame is 2 x 2 pixels, black for even frames and white for odd ones.
QByteArray GifOfFrames(int frames);
QString WriteNoise(const QString& path, int width, int height);
// A picture with a distinct colour in each corner quadrant (see CornerColour).
QString WriteCornerMarkers(const QString& path, int width, int height);
enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight };
Rgb CornerColour(Corner corner);

// The pixel at (x, y) of image's active frame, drawn into an output bitmap of the frame's own size.
Rgb ActiveFramePixel(const platform::Image& image, int x, int y);

// A decoded picture, as 8-bit RGB.
struct Decoded {
    int width = 0;
    int height = 0;
    int bands = 0;
    std::vector<std::uint8_t> pixels;
    Rgb At(int x, int y) const;
};
Decoded DecodeFile(const QString& path);
// The box of the pixels of d that are ink: a caption's, on a plain picture. Empty without any.
QRect InkBox(const Decoded& d, const std::function<bool(const Rgb&)>& ink);
bool IsRed(const Rgb& p);    // red ink, its anti-aliased edges on a dark picture included
bool IsLight(const Rgb& p);  // white or red ink on black

// The chunks of a PNG file, in order.
struct PngChunk {
    std::string type;
    std::vector<std::uint8_t> data;
};
std::vector<PngChunk> ReadPngChunks(const QString& path);

// Whether pngcheck accepts the file; nothing when pngcheck is not installed.
std::optional<bool> PngCheckAccepts(const QString& path);

// The JPEG at path with profile put into its APP2 segments byte for byte: libvips writes only
// profiles that fit the picture.
void EmbedIccInJpeg(const QString& path, const QByteArray& profile);

QByteArray ReadAll(const QString& path);
void WriteAll(const QString& path, const QByteArray& bytes);
