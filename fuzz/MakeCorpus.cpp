// Writes the fuzzers' seed corpus: small photos of every format we decode (some with several
// frames, some with colour profiles or a recorded orientation, one camera RAW), PNG writer inputs
// and message texts.
//
//   fuzz_make_corpus CORPUS_DIR
#include <cstdio>
#include <string>
#include <vector>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <vips/vips8>

#include "support/BayerDng.h"
#include "support/JpegDamage.h"
#include "support/PngDamage.h"

namespace {

using vips::VImage;

VImage Gradient(int width, int height, int shade)
{
    VImage x = VImage::xyz(width, height);
    VImage rgb = x.extract_band(0).bandjoin(x.extract_band(1)).bandjoin(x.extract_band(0) + shade);
    return (rgb * 23).cast(VIPS_FORMAT_UCHAR).copy(VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

VImage Frames(int width, int height, int count)
{
    std::vector<VImage> frames;
    for (int k = 0; k < count; ++k)
        frames.push_back(Gradient(width, height, 40 * k));
    VImage all = VImage::arrayjoin(frames, VImage::option()->set("across", 1)).copy();
    all.set(VIPS_META_PAGE_HEIGHT, height);
    all.set("delay", std::vector<int>(count, 50));
    return all;
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray Utf16(const QString& text, char valueCount)
{
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2) + valueCount;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (VIPS_INIT(argv[0]))
        return 2;
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString photo = root + "/fuzz_photo/";
    QDir().mkpath(photo);
    const auto save = [&](const VImage& image, const char* name, const char* options = "[strip]") {
        try {
            image.write_to_file((photo + name + options).toLocal8Bit().constData());
        } catch (const vips::VError& e) {
            std::fprintf(stderr, "%s: %s\n", name, e.what());  // no encoder here: left out
        }
    };
    save(Gradient(12, 8, 0), "still.jpg");
    save(Gradient(12, 8, 0), "restarts.jpg", "[strip,restart_interval=1]");
    // Our JPEG decoder's paths: sampling, progressive scans, CMYK, and the damage it must tell
    // from harmless oddities (a false marker in the data, a restart marker out of place, a cut).
    const VImage noisy = (Gradient(40, 24, 0) + (VImage::gaussnoise(40, 24) - 128)).cast(VIPS_FORMAT_UCHAR);
    save(noisy, "subsampled.jpg", "[strip,Q=75,subsample_mode=on]");
    save(noisy, "progressive.jpg", "[strip,interlace]");
    save(noisy.bandjoin(noisy[0]).copy(VImage::option()->set("interpretation", VIPS_INTERPRETATION_CMYK)), "cmyk.jpg");
    save(noisy, "restarts-420.jpg", "[strip,Q=75,subsample_mode=on,restart_interval=1]");
    const auto damaged = [&](const char* from, const char* name, const auto& change) {
        QFile file(photo + from);
        if (file.open(QIODevice::ReadOnly))
            Write(photo + name, change(file.readAll()));
    };
    damaged("subsampled.jpg", "false-marker.jpg", [](QByteArray j) { return j.replace(j.size() - 60, 2, "\xFF\x5A"); });
    damaged("subsampled.jpg", "cut.jpg", [](QByteArray j) { return j.left(j.size() * 3 / 4); });
    damaged("restarts-420.jpg", "restart-out-of-place.jpg", [](QByteArray j) {
        const qsizetype rst = j.indexOf("\xFF\xD2");
        return rst > 0 ? j.replace(rst + 1, 1, "\xD4") : j;
    });
    // Each class of structural damage our JPEG decoder refuses, and the oddities of real files it
    // must decode all the same; the large ones (many big APP segments) are left out.
    constexpr qsizetype kMaxSeedBytes = 64 * 1024;
    std::vector<JpegVariant> jpegs = StructurallyDamagedJpegs();
    for (JpegVariant& v : HarmlessJpegVariants())
        jpegs.push_back(std::move(v));
    for (const JpegVariant& v : jpegs) {
        if (v.bytes.size() <= kMaxSeedBytes)
            Write(photo + "jpeg-" + v.name, v.bytes);
    }
    // Our PNG decoder's paths: each damage it refuses and each oddity it takes, and an interlaced
    // palette with transparency and a 16-bit grey one with a tRNS colour.
    for (const PngVariant& v : PngDamageVariants())
        Write(photo + "png-" + v.name + ".png", v.bytes);
    Write(photo + "png-palette-interlaced.png", EncodePng({13, 9, 3, 4, true, true}));
    Write(photo + "png-grey16-trns.png", EncodePng({13, 9, 0, 16, true, false}));
    // An EXIF orientation no camera writes, which turns nothing.
    const QByteArray orientation9("MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x09\0\0\0\0\0\0", 26);
    Write(photo + "png-orientation-9.png", EncodePng({13, 9}, Deflated(PngScanlines({13, 9})), PngChunk("eXIf", orientation9)));
    save(Gradient(12, 8, 0), "still.png");
    save(Gradient(12, 8, 0).bandjoin_const({200}), "alpha.png");
    save(Frames(6, 4, 3), "frames.gif");
    save(Frames(6, 4, 3), "pages.tif");
    save(Frames(6, 4, 2), "frames.webp", "[strip,lossless]");
    // Colour profiles to convert through, and orientations to stand upright (kept: no strip).
    for (const char* profile : {"srgb", "p3"}) {
        try {
            const VImage profiled = Gradient(12, 8, 0).icc_export(VImage::option()->set("output_profile", profile));
            save(profiled, (std::string("profile-") + profile + ".jpg").c_str(), "");
            save((profiled.cast(VIPS_FORMAT_USHORT) * 257).cast(VIPS_FORMAT_USHORT).copy(
                     VImage::option()->set("interpretation", VIPS_INTERPRETATION_RGB16)),
                 (std::string("profile-") + profile + "-16.png").c_str(), "");
        } catch (const vips::VError& e) {
            std::fprintf(stderr, "%s: %s\n", profile, e.what());
        }
    }
    for (const char* name : {"oriented.jpg", "oriented.tif", "oriented.webp"}) {
        VImage turned = Gradient(12, 8, 0).copy();
        turned.set(VIPS_META_ORIENTATION, 6);
        save(turned, name, "");
    }
    save(Gradient(12, 8, 0), "still.heic");
    save(Gradient(12, 8, 0), "still.jxl");
    save(Gradient(12, 8, 0), "still.jp2");
    // A camera RAW: a small colour-filter-array DNG, turned a quarter.
    BayerDngLayout dng;
    dng.width = 24;
    dng.height = 16;
    dng.orientation = 6;
    dng.value = [](int x, int y, int colour) { return std::uint16_t(1000 + 900 * x + 300 * y + 5000 * colour); };
    Write(photo + "bayer.dng", BayerDng(dng));
    QImage small(12, 8, QImage::Format_RGB888);
    small.fill(QColor(40, 90, 160));
    small.save(photo + "still.bmp", "bmp");
    // A run-length BMP (runs, a literal, line ends), a Group 4 fax TIFF and a noisy GIF: decoders
    // whose damage leaves pixels unset or flat.
    QByteArray rle("BM\x52\0\0\0\0\0\0\0\x42\0\0\0\x28\0\0\0\x06\0\0\0\x02\0\0\0\x01\0\x08\0"
                   "\x01\0\0\0\x10\0\0\0\x13\x0B\0\0\x13\x0B\0\0\x03\0\0\0\0\0\0\0", 54);
    rle += QByteArray("\0\0\0\0\xFF\0\0\0\0\xFF\0\0", 12);
    rle += QByteArray("\x06\x01\0\0\0\x06\x00\x01\x02\x00\x01\x02\0\0\0\x01", 16);
    Write(photo + "runs.bmp", rle);
    save((Gradient(12, 8, 0).extract_band(0) > 100).cast(VIPS_FORMAT_UCHAR), "fax.tif", "[strip,compression=ccittfax4,bitdepth=1]");
    save(VImage::gaussnoise(12, 8).cast(VIPS_FORMAT_UCHAR).bandjoin_const({90, 30}), "noise.gif");
    QImageWriter ico(photo + "icon.ico", "ico");
    ico.write(small.scaled(16, 16));

    const QString png = root + "/fuzz_png_writer/";
    QDir().mkpath(png);
    Write(png + "small", QByteArray("\x05\x03\x00\x02\x01\x40\x58\x40pixels", 14));
    Write(png + "noisy", QByteArray::fromHex("ff0102030405060708090a0b0c0d0e0f8899aabbccddeeff00112233445566778899"));

    const QString text = root + "/fuzz_format_text/";
    QDir().mkpath(text);
    Write(text + "exists", Utf16(QStringLiteral("%s exists. Do you want to replace it?"), 1));
    Write(text + "range", Utf16(QStringLiteral("Set frame from 0 to %d"), 2));
    Write(text + "hostile", Utf16(QStringLiteral("100%% %n %x %s %d %"), 3));
    vips_shutdown();
    return 0;
}
