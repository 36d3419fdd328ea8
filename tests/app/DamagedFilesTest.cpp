// Damaged, hostile and special files through the real main window's open, frame and convert
// steps: each is refused with the message the user gets for that step, or opens whole; nothing
// blocks, spins or crashes (each case runs under a watchdog).
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <vips/vips8>

#include "support/Fixtures.h"
#include "support/MainDialogFixture.h"
#include "support/Watchdog.h"

using platform::IDOK;

namespace {

constexpr double kCaseSeconds = 20;  // generous for the sanitizer build on a busy machine
const QString kUndecodable = QStringLiteral("Can not get the width of the photo!");
const QString kSaveFailed = QStringLiteral("Failed to save the file!");

// A noisy picture in a format, so that its pixel data fills most of the file; empty when this
// machine's libvips cannot write the format.
QByteArray NoisyPhoto(const QString& dir, const char* extension)
{
    const QString path = dir + "/noise." + extension;
    const auto band = [](int seed) {
        return vips::VImage::gaussnoise(64, 48, vips::VImage::option()->set("sigma", 60.0)->set("seed", seed));
    };
    vips::VImage noise = band(1).bandjoin(band(2)).bandjoin(band(3))
                             .cast(VIPS_FORMAT_UCHAR)
                             .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    const QString ext = extension;
    if (ext == "bmp" || ext == "ico") {
        size_t bytes = 0;
        void* mem = noise.write_to_memory(&bytes);
        const QImage image(static_cast<const uchar*>(mem), 64, 48, 64 * 3, QImage::Format_RGB888);
        const bool ok = (ext == "ico" ? image.scaled(48, 48) : image).save(path, extension);
        g_free(mem);
        return ok ? ReadAll(path) : QByteArray();
    }
    try {
        noise.write_to_file((path + "[strip]").toLocal8Bit().constData());
    } catch (const vips::VError&) {
        vips_error_clear();
        return {};
    }
    return ReadAll(path);
}

// The JPEG's first frame header's height and width set to the given ones.
QByteArray WithJpegSize(QByteArray jpeg, int width, int height)
{
    const int sof = jpeg.indexOf("\xFF\xC0");
    if (sof > 0) {
        jpeg[sof + 5] = char(height >> 8);
        jpeg[sof + 6] = char(height);
        jpeg[sof + 7] = char(width >> 8);
        jpeg[sof + 8] = char(width);
    }
    return jpeg;
}

// A PNG header claiming 100000 x 100000 pixels over one pixel's data.
QByteArray PngClaiming100000(const QString& dir)
{
    vips::VImage::black(1, 1).cast(VIPS_FORMAT_UCHAR).write_to_file((dir + "/one.png").toLocal8Bit().constData());
    QByteArray png = ReadAll(dir + "/one.png");
    const int ihdr = png.indexOf("IHDR");
    const char size[8] = {0, 1, char(0x86), char(0xA0), 0, 1, char(0x86), char(0xA0)};
    png.replace(ihdr + 4, 8, QByteArray(size, 8));
    return png;  // the checksum is left wrong too: either way it must not decode
}

// A 8-bit run-length BMP of width x height whose rows are runs of the given data.
QByteArray RleBmp(int width, int height, const QByteArray& runs)
{
    QByteArray bmp("BM", 2);
    const auto le = [&bmp](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            bmp += char(v >> (8 * i));
    };
    const int offset = 14 + 40 + 256 * 4;
    le(offset + runs.size(), 4), le(0, 4), le(offset, 4);
    le(40, 4), le(width, 4), le(height, 4), le(1, 2), le(8, 2), le(1, 4), le(runs.size(), 4);
    le(2835, 4), le(2835, 4), le(256, 4), le(0, 4);
    for (int i = 0; i < 256; ++i)
        le(quint32(i * 0x010307) & 0xFFFFFF, 4);
    return bmp + runs;
}

// Runs that set every pixel of every row, in bands of changing colour, then the end of the picture.
QByteArray FullRuns(int width, int height)
{
    QByteArray runs;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; x += 50)
            runs += char(std::min(50, width - x)) + QByteArray(1, char(x + y));
        runs += QByteArray("\0\0", 2);
    }
    return runs + QByteArray("\0\1", 2);
}

// whole with count bytes from its middle set to zero.
QByteArray ZeroedInTheMiddle(QByteArray whole, double share)
{
    const qsizetype count = qsizetype(whole.size() * share);
    whole.replace((whole.size() - count) / 2, count, QByteArray(count, '\0'));
    return whole;
}

// Where the entry for tag sits in a little-endian TIFF's first directory; -1 without one.
qsizetype TiffEntry(const QByteArray& tiff, quint16 tag)
{
    const auto u16 = [&](qsizetype at) { return quint16(quint8(tiff[at]) | quint8(tiff[at + 1]) << 8); };
    const qsizetype ifd = qFromLittleEndian<quint32>(tiff.constData() + 4);
    for (qsizetype i = 0, n = u16(ifd); i < n; ++i) {
        if (u16(ifd + 2 + 12 * i) == tag)
            return ifd + 2 + 12 * i;
    }
    return -1;
}

struct Case {
    QString name;
    std::function<QString(const QString& dir)> make;  // writes the file, returns its path
    int frames;  // 0: refused at opening; otherwise the frames offered
    bool convertFails = false;  // opens, but Convert tells the photo is damaged
};

class DamagedFilesTest : public MainDialogFixture {
protected:
    std::string Messages() const { return (*prompts_)->MessageTexts().join(" | ").toStdString(); }
    // Opens the case's file and checks what the window says; then every offered frame's last one
    // is chosen and converted.
    void Run(const Case& c)
    {
        SCOPED_TRACE(c.name.toStdString());
        const QString path = c.make(dir_.path());
        const Watchdog watchdog(c.name.toStdString(), kCaseSeconds);
        (*prompts_)->Clear();
        if (c.frames == 0)
            (*prompts_)->QueueAnswer(IDOK);
        OpenPhoto(path);
        if (c.frames == 0) {
            EXPECT_EQ(Messages(), kUndecodable.toStdString());
        } else {
            EXPECT_EQ(Messages(), "");
            EXPECT_EQ(TextOf(1040), QString("Set frame from 0 to %1").arg(c.frames - 1));
            SetText(1041, QString::number(c.frames - 1));
            SetText(1005, "16");
            SetText(1006, "12");
            SetText(1003, TempPath("out.png"));
            QFile::remove(TempPath("out.png"));
            if (c.convertFails)
                (*prompts_)->QueueAnswer(IDOK);
            Click(1000);
            EXPECT_EQ(Messages(), c.convertFails ? "Failed to convert photo!" : "");
            EXPECT_EQ(QFile::exists(TempPath("out.png")), !c.convertFails);
        }
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor is gone again";
    }
};

TEST_F(DamagedFilesTest, CutFilesOfEveryFormatAreRefused)
{
    for (const char* ext : {"jpg", "png", "gif", "tif", "webp", "heic", "jxl", "jp2", "bmp", "ico"}) {
        const QByteArray whole = NoisyPhoto(dir_.path(), ext);
        if (whole.isEmpty())
            continue;  // no encoder for it here
        Run({QString("whole.%1").arg(ext), [&](const QString& dir) {
                 WriteAll(dir + "/whole." + ext, whole);
                 return dir + "/whole." + ext;
             }, 1});
        // The last cut lands in a PNG's second IDAT chunk, which libvips alone only warns about.
        for (double cut : {0.02, 0.25, 0.5, 0.75, 0.95, 0.98}) {
            const QString name = QString("cut_%1.%2").arg(int(cut * 100)).arg(ext);
            Run({name, [&](const QString& dir) {
                     WriteAll(dir + "/" + name, whole.left(qsizetype(whole.size() * cut)));
                     return dir + "/" + name;
                 }, 0});
        }
    }
}

TEST_F(DamagedFilesTest, EmptyWrongAndForgedFilesAreRefused)
{
    const auto file = [](const QString& name, std::function<QByteArray(const QString&)> bytes) {
        return Case{name, [=](const QString& dir) {
                        WriteAll(dir + "/" + name, bytes(dir));
                        return dir + "/" + name;
                    }, 0};
    };
    const Case cases[] = {
        file("empty.jpg", [](const QString&) { return QByteArray(); }),
        file("empty.ico", [](const QString&) { return QByteArray(); }),
        file("text.jpg", [](const QString&) { return QByteArray("not a photo\n"); }),
        file("page.pdf", [](const QString&) { return QByteArray("%PDF-1.4\n1 0 obj<<>>endobj\ntrailer<<>>\n%%EOF\n"); }),
        file("drawing.svg", [](const QString&) { return QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='9' height='9'/>"); }),
        file("bomb.png", PngClaiming100000),
        // 100000 x 100000 pixels at 24 bits, and no pixel data.
        file("bomb.bmp", [](const QString&) {
            return QByteArray("BM\0\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\xA0\x86\x01\0\xA0\x86\x01\0\x01\0\x18\0", 30) +
                   QByteArray(24, '\0');
        }),
        // A 640 x 480 picture's data under a header raised to 16000 x 16000.
        file("forged.jpg", [](const QString& dir) {
            const QString path = dir + "/640.jpg";
            vips::VImage::gaussnoise(640, 480).cast(VIPS_FORMAT_UCHAR).write_to_file(path.toLocal8Bit().constData());
            return WithJpegSize(ReadAll(path), 16000, 16000);
        }),
        file("icon_claims_more.ico", [](const QString&) {
            return QByteArray("\0\0\1\0\x05\0", 6) + QByteArray(16 * 5, '\x10');  // five entries, no images
        }),
    };
    for (const Case& c : cases)
        Run(c);
}

TEST_F(DamagedFilesTest, DataThatLeavesPixelsUnsetOrDecodesFlatIsRefused)
{
    const auto file = [](const QString& name, std::function<QByteArray(const QString&)> bytes, int frames = 0,
                         bool convertFails = false) {
        return Case{name, [=](const QString& dir) {
                        WriteAll(dir + "/" + name, bytes(dir));
                        return dir + "/" + name;
                    }, frames, convertFails};
    };
    const auto saved = [](const QString& dir, const vips::VImage& image, const QString& name) {
        image.write_to_file((dir + "/" + name).toLocal8Bit().constData());
        return ReadAll(dir + "/" + name.section('[', 0, 0));
    };
    const auto noise = [](int bands) {
        vips::VImage n = vips::VImage::gaussnoise(240, 160, vips::VImage::option()->set("sigma", 60.0));
        for (int b = 1; b < bands; ++b)
            n = n.bandjoin(vips::VImage::gaussnoise(240, 160, vips::VImage::option()->set("seed", b)));
        return n.cast(VIPS_FORMAT_UCHAR);
    };
    const Case cases[] = {
        file("rle_whole.bmp", [](const QString&) { return RleBmp(200, 240, FullRuns(200, 240)); }, 1),
        file("rle_end_of_picture_only.bmp", [](const QString&) { return RleBmp(200, 200, QByteArray("\0\1", 2)); }),
        file("rle_height_raised.bmp", [](const QString&) { return RleBmp(200, 480, FullRuns(200, 240)); }),
        file("rle_zeroed_block.bmp", [](const QString&) { return ZeroedInTheMiddle(RleBmp(200, 240, FullRuns(200, 240)), 0.1); }),
        file("rle_jump.bmp", [](const QString&) { return RleBmp(4, 2, QByteArray("\x04\x01\0\0\0\x02\x00\x01\0\1", 10)); }),
        file("gif_zeroed_block.gif", [&](const QString& dir) { return ZeroedInTheMiddle(saved(dir, noise(3), "g.gif"), 0.1); }),
        file("g4_zeroed_block.tif", [&](const QString& dir) {
            return ZeroedInTheMiddle(saved(dir, (noise(1) > 128).cast(VIPS_FORMAT_UCHAR), "g4.tif[compression=ccittfax4,bitdepth=1]"), 0.1);
        }),
        // One entropy byte set to 0xFF: libjpeg takes it for a marker and fills the rest grey.
        file("jpeg_false_marker.jpg", [&](const QString& dir) {
            QByteArray j = saved(dir, noise(3), "f.jpg[Q=75,subsample_mode=on]");
            j[j.size() - 40] = '\xFF', j[j.size() - 39] = '\x5A';
            return j;
        }),
        file("cmyk_false_marker.jpg", [&](const QString& dir) {
            QByteArray j = saved(dir, noise(4).copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_CMYK)), "c.jpg");
            j[j.size() / 2] = '\xFF', j[j.size() / 2 + 1] = '\x5A';
            return j;
        }),
        // RST2 written as RST4: libjpeg resynchronises by skipping data, and the picture shifts.
        file("restart_marker_out_of_sequence.jpg", [&](const QString& dir) {
            QByteArray j = saved(dir, noise(3), "r.jpg[restart_interval=4]");
            j[j.indexOf("\xFF\xD2") + 1] = '\xD4';
            return j;
        }),
        file("jpeg_tiff_zeroed_block.tif", [&](const QString& dir) {
            return ZeroedInTheMiddle(saved(dir, noise(3), "j.tif[compression=jpeg,tile=false]"), 0.1);
        }),
        // libtiff only warns ("Bogus StripByteCounts field") and guesses where the pixels end.
        file("tiff_strip_byte_count_zero.tif", [&](const QString& dir) {
            QByteArray t = saved(dir, noise(3).crop(0, 0, 24, 16), "b.tif[strip]");
            t.replace(TiffEntry(t, 279) + 8, 4, QByteArray(4, '\0'));
            return t;
        }),
    };
    for (const Case& c : cases)
        Run(c);
}

TEST_F(DamagedFilesTest, HarmlessJpegWarningsStillOpen)
{
    const auto jpeg = [](const QString& dir, int restartInterval) {
        const QString path = dir + "/camera.jpg";
        vips::VImage::gaussnoise(256, 192).cast(VIPS_FORMAT_UCHAR).jpegsave(
            path.toLocal8Bit().constData(), vips::VImage::option()->set("restart_interval", restartInterval));
        return ReadAll(path);
    };
    const Case cases[] = {
        {"extraneous_bytes.jpg", [&](const QString& dir) {
             QByteArray j = jpeg(dir, 0);
             j.insert(j.size() - 2, QByteArray("\x00\x13\x37\x00", 4));  // before the end-of-image marker
             WriteAll(dir + "/x.jpg", j);
             return dir + "/x.jpg";
         }, 1},
        {"data_short_in_the_last_row.jpg", [&](const QString& dir) {
             QByteArray j = jpeg(dir, 0);
             j.remove(j.size() - 6, 4);  // a few bytes of the last blocks lost before the marker
             WriteAll(dir + "/s.jpg", j);
             return dir + "/s.jpg";
         }, 1},
    };
    for (const Case& c : cases)
        Run(c);
}

// libtiff's warnings about labels, not pixels: a private tag, tags out of order.
TEST_F(DamagedFilesTest, HarmlessTiffWarningsStillOpen)
{
    const auto tiff = [](const QString& dir, const char* name, const std::function<void(QByteArray&)>& change) {
        const QString path = dir + "/" + name;
        vips::VImage::gaussnoise(96, 64).cast(VIPS_FORMAT_UCHAR).tiffsave(path.toLocal8Bit().constData());
        QByteArray t = ReadAll(path);
        change(t);
        WriteAll(path, t);
        return path;
    };
    const Case cases[] = {
        {"private_tag.tif", [&](const QString& dir) {
             return tiff(dir, "p.tif", [](QByteArray& t) {  // the sample format under a private tag number
                 qToLittleEndian<quint16>(50838, t.data() + TiffEntry(t, 339));
             });
         }, 1},
        {"tags_out_of_order.tif", [&](const QString& dir) {
             return tiff(dir, "o.tif", [](QByteArray& t) {  // the vertical resolution before the horizontal
                 const qsizetype x = TiffEntry(t, 282);
                 const QByteArray entry = t.mid(x, 12);
                 t.replace(x, 12, t.mid(x + 12, 12)).replace(x + 12, 12, entry);
             });
         }, 1},
    };
    for (const Case& c : cases)
        Run(c);
}

TEST_F(DamagedFilesTest, SpecialFilesNeverBlock)
{
    const Case cases[] = {
        {"fifo.jpg", [](const QString& dir) {
             ::mkfifo(QFile::encodeName(dir + "/fifo.jpg").constData(), 0600);
             return dir + "/fifo.jpg";
         }, 0},
        {"link_to_dev_zero.jpg", [](const QString& dir) {
             QFile::link("/dev/zero", dir + "/zero.jpg");
             return dir + "/zero.jpg";
         }, 0},
        // 2 GB of zeros named .jpg: refused from its first bytes, as fast as a small file.
        {"sparse_2GB.jpg", [](const QString& dir) {
             const QByteArray name = QFile::encodeName(dir + "/sparse.jpg");
             const int fd = ::open(name.constData(), O_CREAT | O_WRONLY, 0600);
             EXPECT_EQ(::ftruncate(fd, off_t{2} << 30), 0);
             ::close(fd);
             return dir + "/sparse.jpg";
         }, 0},
    };
    for (const Case& c : cases)
        Run(c);

    // As the output: refused at once, nothing opened or written.
    OpenPhoto(WriteSolid(TempPath("p.png"), 20, 10, {1, 2, 3}));
    ::mkfifo(QFile::encodeName(TempPath("out_fifo.png")).constData(), 0600);
    QFile::link("/dev/null", TempPath("out_null.png"));
    for (const QString& out : {TempPath("out_fifo.png"), TempPath("out_null.png")}) {
        const Watchdog watchdog(out.toStdString(), kCaseSeconds);
        (*prompts_)->Clear();
        (*prompts_)->QueueAnswer(IDOK);
        SetText(1003, out);
        Click(1000);
        ASSERT_EQ(Messages(), kSaveFailed.toStdString());
        EXPECT_EQ((*prompts_)->Messages()[0].caption, out);
    }
    struct stat st {};
    EXPECT_TRUE(::lstat(QFile::encodeName(TempPath("out_fifo.png")).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
}

long PeakResidentMiB()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// A header of a format whose checks look at the file through a mapping, followed by 2 GB of zeros
// (sparse): refused from what the decoder would read first, never read through to its end.
TEST_F(DamagedFilesTest, HeaderThen2GBOfZerosIsRefusedWithoutReadingIt)
{
    const auto sparse = [](const QString& name, QByteArray header) {
        return Case{name, [=](const QString& dir) {
                        const QString path = dir + "/" + name;
                        WriteAll(path, header);
                        EXPECT_EQ(::truncate(QFile::encodeName(path).constData(), off_t{2} << 30), 0);
                        return path;
                    }, 0};
    };
    const QByteArray pngHeader = ReadAll(WriteSolid(TempPath("head.png"), 30, 20, {1, 2, 3})).left(33);  // to IHDR's end
    const long startPeak = PeakResidentMiB();
    const Case cases[] = {
        sparse("header_then_zeros.png", pngHeader),
        sparse("header_then_zeros.bmp", RleBmp(640, 480, {})),
        sparse("header_then_zeros.ico", QByteArray("\0\0\1\0\1\0\x20\x20\0\0\1\0\x20\0\x28\0\0\0\0\0\0\x40", 22)),
        sparse("header_then_zeros.tif", QByteArray("II*\0\x08\0\0\0", 8)),
    };
    for (const Case& c : cases) {
        const Watchdog bound(c.name.toStdString(), 5);  // against reading it all, not a timing
        Run(c);
        // Pages read through a mapping count as resident: reading it all would add 2 GB.
        EXPECT_LT(PeakResidentMiB(), startPeak + 512) << c.name.toStdString();
    }
}

TEST_F(DamagedFilesTest, ManyFramesOfferWhatCanBeReached)
{
    const Case cases[] = {
        {"5000_frames.gif", [](const QString& dir) {
             WriteAll(dir + "/many.gif", GifOfFrames(5000));
             return dir + "/many.gif";
         }, 4097},  // libvips' GIF decoder stops there: kMaxGifFrames
        {"icon_claims_5_holds_3.ico", [](const QString& dir) {
             QByteArray ico = ReadAll(DataFile("icon_3_sizes.ico"));
             ico[4] = 5;  // two more entries claimed; where they would be lies the first image
             return WriteAll(dir + "/five.ico", ico), dir + "/five.ico";
         }, 3},
    };
    for (const Case& c : cases)
        Run(c);
}

}  // namespace
