#include "support/Fixtures.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <vips/vips8>

#include "imaging/Bitmap.h"
#include "imaging/Image.h"

QString DataFile(const QString& name)
{
    return QStringLiteral(PICTORELLE_TEST_DATA "/") + name;
}

Rgb ColourOfFrame(int k)
{
    return Rgb{static_cast<std::uint8_t>((k * 37 + 20) % 256), static_cast<std::uint8_t>((k * 91 + 200) % 256),
               static_cast<std::uint8_t>((k * 53 + 90) % 256)};
}

namespace {
vips::VImage Solid(int width, int height, Rgb c)
{
    return vips::VImage::black(width, height)
        .new_from_image(std::vector<double>{double(c[0]), double(c[1]), double(c[2])})
        .cast(VIPS_FORMAT_UCHAR)
        .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

vips::VImage Strip(int width, int height, int count)
{
    std::vector<vips::VImage> frames;
    for (int k = 0; k < count; ++k)
        frames.push_back(Solid(width, height, ColourOfFrame(k)));
    vips::VImage all = vips::VImage::arrayjoin(frames, vips::VImage::option()->set("across", 1));
    all = all.copy();
    all.set(VIPS_META_PAGE_HEIGHT, height);
    return all;
}
// img written to path in the format its extension names. BMP through Qt's writer: libvips writes it
// only through ImageMagick's module, which the program does not load.
void Save(const vips::VImage& img, const QString& path)
{
    if (!path.endsWith(QStringLiteral(".bmp"))) {
        img.write_to_file(path.toLocal8Bit().constData());
        return;
    }
    const vips::VImage rgb = img.cast(VIPS_FORMAT_UCHAR);
    std::size_t bytes = 0;
    void* pixels = rgb.write_to_memory(&bytes);
    QImage(static_cast<const uchar*>(pixels), rgb.width(), rgb.height(), rgb.width() * 3, QImage::Format_RGB888)
        .save(path, "BMP");
    g_free(pixels);
}

}  // namespace

QString WriteSolid(const QString& path, int width, int height, Rgb colour, double dpiX, double dpiY)
{
    vips::VImage img = Solid(width, height, colour);
    if (dpiX > 0) {
        img = img.copy(vips::VImage::option()->set("xres", dpiX / 25.4)->set("yres", (dpiY > 0 ? dpiY : dpiX) / 25.4));
        img.write_to_file(path.toLocal8Bit().constData());
    } else {
        // Without metadata the file says nothing about its resolution.
        img.write_to_file((path + QStringLiteral("[strip]")).toLocal8Bit().constData());
    }
    return path;
}

QString WriteHalfTransparent(const QString& path, int width, int height, Rgb colour)
{
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width / 2; ++x) {
            std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
            p[0] = colour[0];
            p[1] = colour[1];
            p[2] = colour[2];
            p[3] = 255;
        }
    }
    vips::VImage::new_from_memory(rgba.data(), rgba.size(), width, height, 4, VIPS_FORMAT_UCHAR)
        .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB))
        .write_to_file(path.toLocal8Bit().constData());
    return path;
}

QString WriteFramesGif(const QString& path, int width, int height, int frames)
{
    vips::VImage strip = Strip(width, height, frames);
    strip.set("delay", std::vector<int>(frames, 100));
    strip.set("loop", 0);
    strip.gifsave(path.toLocal8Bit().constData(), vips::VImage::option()->set("effort", 1));
    return path;
}

QString WriteFramesWebp(const QString& path, int width, int height, int frames)
{
    vips::VImage strip = Strip(width, height, frames);
    strip.set("delay", std::vector<int>(frames, 100));
    strip.webpsave(path.toLocal8Bit().constData(), vips::VImage::option()->set("lossless", true));
    return path;
}

QString WritePagesTiff(const QString& path, int width, int height, int pages)
{
    Strip(width, height, pages).tiffsave(path.toLocal8Bit().constData());
    return path;
}

Rgb CornerColour(Corner corner)
{
    switch (corner) {
    case Corner::TopLeft: return {255, 0, 0};
    case Corner::TopRight: return {0, 255, 0};
    case Corner::BottomLeft: return {0, 0, 255};
    case Corner::BottomRight: return {255, 255, 0};
    }
    return {};
}

QString WriteCornerMarkers(const QString& path, int width, int height)
{
    const int hw = width / 2;
    const int hh = height / 2;
    vips::VImage top = Solid(hw, hh, CornerColour(Corner::TopLeft)).join(Solid(width - hw, hh, CornerColour(Corner::TopRight)), VIPS_DIRECTION_HORIZONTAL);
    vips::VImage bottom = Solid(hw, height - hh, CornerColour(Corner::BottomLeft)).join(Solid(width - hw, height - hh, CornerColour(Corner::BottomRight)), VIPS_DIRECTION_HORIZONTAL);
    Save(top.join(bottom, VIPS_DIRECTION_VERTICAL), path);
    return path;
}

QString WriteNoise(const QString& path, int width, int height)
{
    const auto band = [&] { return vips::VImage::gaussnoise(width, height, vips::VImage::option()->set("sigma", 60.0)); };
    band().bandjoin(band()).bandjoin(band())
        .cast(VIPS_FORMAT_UCHAR)
        .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB))
        .write_to_file(path.toLocal8Bit().constData());
    return path;
}

Rgb ActiveFramePixel(const platform::Image& image, int x, int y)
{
    auto bitmap = platform::Bitmap::Create(static_cast<int>(image.Width()), static_cast<int>(image.Height()));
    if (bitmap->IsEmpty() || bitmap->SetInterpolationMode(platform::InterpolationMode::NearestNeighbor) != platform::Status::Ok ||
        bitmap->DrawImage(image) != platform::Status::Ok || x < 0 || y < 0 || x >= bitmap->Width() || y >= bitmap->Height())
        return Rgb{};
    const std::uint8_t* p = bitmap->Bits() + static_cast<std::ptrdiff_t>(y) * bitmap->Stride() + x * 3;
    return Rgb{p[0], p[1], p[2]};
}

Rgb Decoded::At(int x, int y) const
{
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * bands;
    return Rgb{pixels[i], pixels[i + 1], pixels[i + 2]};
}

QRect InkBox(const Decoded& d, const std::function<bool(const Rgb&)>& ink)
{
    QRect box;
    for (int y = 0; y < d.height; ++y)
        for (int x = 0; x < d.width; ++x)
            if (ink(d.At(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

bool IsRed(const Rgb& p)
{
    return p[0] > 80 && p[1] < 60 && p[2] < 60;
}

bool IsLight(const Rgb& p)
{
    return p[0] > 128;
}

Decoded DecodeFile(const QString& path)
{
    vips::VImage img = vips::VImage::new_from_file(path.toLocal8Bit().constData(),
                                                   vips::VImage::option()->set("access", VIPS_ACCESS_RANDOM));
    Decoded d;
    d.width = img.width();
    d.height = img.height();
    d.bands = img.bands();
    std::size_t size = 0;
    void* mem = img.write_to_memory(&size);
    d.pixels.assign(static_cast<std::uint8_t*>(mem), static_cast<std::uint8_t*>(mem) + size);
    g_free(mem);
    return d;
}

std::vector<PngChunk> ReadPngChunks(const QString& path)
{
    const QByteArray bytes = ReadAll(path);
    std::vector<PngChunk> chunks;
    qsizetype pos = 8;
    while (pos + 12 <= bytes.size()) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.constData() + pos);
        const std::uint32_t length = (std::uint32_t(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
        if (pos + 12 + qsizetype(length) > bytes.size())
            break;
        PngChunk chunk;
        chunk.type.assign(reinterpret_cast<const char*>(p + 4), 4);
        chunk.data.assign(p + 8, p + 8 + length);
        chunks.push_back(std::move(chunk));
        pos += 12 + length;
    }
    return chunks;
}

std::optional<bool> PngCheckAccepts(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pngcheck"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess p;
    p.start(tool, {QStringLiteral("-q"), path});
    p.waitForFinished(60000);
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void EmbedIccInJpeg(const QString& path, const QByteArray& profile)
{
    constexpr qsizetype kChunk = 65519;
    const qsizetype chunks = (profile.size() + kChunk - 1) / kChunk;
    QByteArray segments;
    for (qsizetype i = 0; i < chunks; ++i) {
        const QByteArray part = profile.mid(i * kChunk, kChunk);
        const qsizetype length = 2 + 12 + 2 + part.size();
        segments += QByteArray("\xFF\xE2", 2);
        segments += char(length >> 8);
        segments += char(length & 0xFF);
        segments += QByteArray("ICC_PROFILE\0", 12);
        segments += char(i + 1);
        segments += char(chunks);
        segments += part;
    }
    QByteArray jpeg = ReadAll(path);
    jpeg.insert(2, segments);
    WriteAll(path, jpeg);
}

QByteArray GifOfFrames(int frames)
{
    QByteArray gif = QByteArray("GIF89a\x02\x00\x02\x00\xF0\x00\x00", 13) + QByteArray("\0\0\0\xFF\xFF\xFF", 6);
    for (int k = 0; k < frames; ++k) {
        gif += QByteArray("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);
        gif += QByteArray("\x2C\0\0\0\0\x02\0\x02\0\0", 10);
        // Minimum code size 2; each pixel after a clear code keeps the codes 3 bits wide.
        const unsigned px = k % 2;
        const unsigned codes[] = {4, px, 4, px, 4, px, 4, px, 5};
        QByteArray data;
        unsigned bits = 0, count = 0;
        for (unsigned c : codes) {
            bits |= c << count;
            for (count += 3; count >= 8; count -= 8, bits >>= 8)
                data += char(bits & 0xFF);
        }
        if (count)
            data += char(bits & 0xFF);
        gif += '\x02' + QByteArray(1, char(data.size())) + data + QByteArray(1, '\0');
    }
    return gif + ';';
}
