#include "imaging/png/PngWriteOptions.h"
#include "imaging/png/ChooseRowFilters.h"
#include "imaging/png/WholeStreamDeflater.h"
#include "imaging/RowHandOver.h"

#include <gtest/gtest.h>
#include <vips/vips8>
#include <zlib.h>

#include <QByteArray>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using platform::PngWriteOptions;
using platform::RgbRows;
using platform::WritePng;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Drawn: a glyph-like tile repeated over a flat ground, which string matching shrinks and runs do not;
// Bands: 24-row bands of noise and drawn rows, so neighbouring strips are deflated different ways.
enum class Content { Flat, Noise, Gradient, Drawn, Bands };

// Pixels with a few spare bytes after each row, so a writer that ignores the stride shows up.
struct TestImage {
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
    Bytes data;

    RgbRows rows() const { return {data.data(), width, height, stride}; }

    Bytes packed() const {
        Bytes out;
        for (int y = 0; y < height; ++y)
            out.insert(out.end(), data.begin() + y * stride, data.begin() + y * stride + 3 * width);
        return out;
    }
};

TestImage MakeImage(int width, int height, Content content, unsigned seed = 1) {
    TestImage img{width, height, 3 * std::ptrdiff_t{width} + 5, {}};
    img.data.assign(static_cast<std::size_t>(img.stride) * height, 0xEE);
    std::mt19937 rng(seed);
    std::uint8_t tile[9][13][3];
    for (auto& line : tile)
        for (auto& px : line)
            for (auto& v : px) v = static_cast<std::uint8_t>(rng());
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = img.data.data() + y * img.stride;
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c) {
                std::uint8_t v = 0;
                const bool ink = (x / 13 + y / 9) % 3 != 0;
                switch (content) {
                case Content::Flat: v = static_cast<std::uint8_t>(40 + 70 * c); break;
                case Content::Noise: v = static_cast<std::uint8_t>(rng()); break;
                case Content::Gradient: v = static_cast<std::uint8_t>(x * (c + 1) + 3 * y + (rng() & 3)); break;
                case Content::Drawn: v = ink ? tile[y % 9][x % 13][c] : 250; break;
                case Content::Bands:
                    v = (y / 24) % 2 ? static_cast<std::uint8_t>(rng()) : ink ? tile[y % 9][x % 13][c] : 250;
                    break;
                }
                row[3 * x + c] = v;
            }
        }
    }
    return img;
}

bool Encode(const RgbRows& rows, Bytes& file, const PngWriteOptions& options = {}, double dpi = 300) {
    file.clear();
    return WritePng(rows, dpi, [&](const std::uint8_t* d, std::size_t n) {
        file.insert(file.end(), d, d + n);
        return true;
    }, options);
}

Bytes DecodeWithVips(const Bytes& file, int& width, int& height) {
    vips::VImage img = vips::VImage::new_from_buffer(file.data(), file.size(), "");
    width = img.width();
    height = img.height();
    EXPECT_EQ(img.bands(), 3);
    EXPECT_EQ(img.format(), VIPS_FORMAT_UCHAR);
    std::size_t size = 0;
    void* mem = img.write_to_memory(&size);
    Bytes out(static_cast<std::uint8_t*>(mem), static_cast<std::uint8_t*>(mem) + size);
    g_free(mem);
    return out;
}

Bytes DecodeWithQt(const Bytes& file, int& width, int& height) {
    const QImage img = QImage::fromData(QByteArray(reinterpret_cast<const char*>(file.data()),
                                                   static_cast<qsizetype>(file.size())), "PNG")
                           .convertToFormat(QImage::Format_RGB888);
    width = img.width();
    height = img.height();
    Bytes out;
    for (int y = 0; y < img.height(); ++y)
        out.insert(out.end(), img.constScanLine(y), img.constScanLine(y) + 3 * img.width());
    return out;
}

struct Chunk {
    std::string type;
    Bytes data;
};

std::uint32_t Be32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

// Splits the file into chunks, checking the signature, every length and every CRC (with zlib's CRC,
// not the writer's) and that nothing follows IEND.
std::vector<Chunk> ParseChunks(const Bytes& file) {
    static const std::uint8_t kSig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<Chunk> chunks;
    if (file.size() < 8 || std::memcmp(file.data(), kSig, 8) != 0) {
        ADD_FAILURE() << "bad signature";
        return chunks;
    }
    std::size_t p = 8;
    while (p < file.size()) {
        if (file.size() - p < 12) {
            ADD_FAILURE() << "truncated chunk at " << p;
            break;
        }
        const std::uint32_t len = Be32(&file[p]);
        if (file.size() - p - 12 < len) {
            ADD_FAILURE() << "chunk overruns the file at " << p;
            break;
        }
        Chunk c{std::string(reinterpret_cast<const char*>(&file[p + 4]), 4),
                Bytes(file.begin() + p + 8, file.begin() + p + 8 + len)};
        EXPECT_EQ(Be32(&file[p + 8 + len]), crc32(0, &file[p + 4], len + 4)) << c.type << " CRC";
        p += 12 + len;
        chunks.push_back(std::move(c));
        if (chunks.back().type == "IEND") {
            EXPECT_EQ(p, file.size()) << "data after IEND";
        }
    }
    return chunks;
}

// Strict zlib: the stream must end exactly at the end of the IDAT data, with a good Adler-32.
bool InflateExactly(const Bytes& in, std::size_t expectedSize, Bytes& out) {
    out.assign(expectedSize + 1, 0);  // one spare byte exposes a stream that is too long
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return false;
    z.next_in = const_cast<Bytef*>(in.data());
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = inflate(&z, Z_FINISH);
    const bool ok = rc == Z_STREAM_END && z.avail_in == 0 && z.total_out == expectedSize;
    inflateEnd(&z);
    out.resize(expectedSize);
    return ok;
}

Bytes IdatData(const std::vector<Chunk>& chunks) {
    Bytes out;
    for (const Chunk& c : chunks)
        if (c.type == "IDAT") out.insert(out.end(), c.data.begin(), c.data.end());
    return out;
}

// Score of one way of filtering a row: the sum of |residual| read as signed bytes.
std::uint64_t FilterScore(int type, const std::uint8_t* prev, const std::uint8_t* cur, std::size_t n) {
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const int a = i >= 3 ? cur[i - 3] : 0;
        const int b = prev ? prev[i] : 0;
        const int c = prev && i >= 3 ? prev[i - 3] : 0;
        int pred = 0;
        switch (type) {
        case 1: pred = a; break;
        case 2: pred = b; break;
        case 3: pred = (a + b) / 2; break;
        case 4: {
            const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
            pred = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
            break;
        }
        }
        sum += std::abs(static_cast<int>(static_cast<std::int8_t>(static_cast<std::uint8_t>(cur[i] - pred))));
    }
    return sum;
}

int ThreadsInProcess() {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator("/proc/self/task")) ++n;
    return n;
}

}  // namespace

// Every size, content and strip arrangement must come back pixel for pixel through two decoders
// that share no code with each other or with the writer.
TEST(PngWriterRoundTrip, ExactPixelsThroughVipsAndQt) {
    const std::pair<int, int> sizes[] = {{1, 1}, {2, 3}, {3, 1}, {7, 5}, {1, 300}, {257, 1}, {31, 17}, {1001, 777}};
    const PngWriteOptions arrangements[] = {
        {1, 0, -1},  // one thread, default strips
        {4, 1, -1},  // a strip per row: every row boundary is a join
        {3, 7, -1},  // strips shorter than the 32 KiB dictionary for most widths
        {2, 0, -1},
        {2, 7, -1, platform::PngDeflate::Runs},     // each way of deflating on every content
        {3, 5, -1, platform::PngDeflate::Matches},
        {2, 3, -1, platform::PngDeflate::UpRows},   // Up rows: dictionaries rebuilt from Up-filtered rows
    };
    for (auto [w, h] : sizes) {
        for (Content content : {Content::Flat, Content::Noise, Content::Gradient, Content::Drawn, Content::Bands}) {
            const TestImage img = MakeImage(w, h, content, static_cast<unsigned>(w * 31 + h));
            const Bytes expected = img.packed();
            for (const PngWriteOptions& opt : arrangements) {
                SCOPED_TRACE(testing::Message() << w << "x" << h << " content " << static_cast<int>(content)
                                                << " threads " << opt.threads << " stripRows " << opt.stripRows
                                                << " deflate " << static_cast<int>(opt.deflate));
                Bytes file;
                ASSERT_TRUE(Encode(img.rows(), file, opt));
                int dw = 0, dh = 0;
                EXPECT_TRUE(DecodeWithVips(file, dw, dh) == expected);
                EXPECT_EQ(dw, w);
                EXPECT_EQ(dh, h);
                EXPECT_TRUE(DecodeWithQt(file, dw, dh) == expected);
                EXPECT_EQ(dw, w);
                EXPECT_EQ(dh, h);
            }
        }
    }
}

// Soft shapes under per-channel sensor noise, written as a JPEG with that chroma sampling and decoded
// back: what the writer gets from a phone's or a camera's photo.
TestImage DecodedJpeg(const char* subsampling, int width, int height) {
    auto perlin = [&](int cell, int seed) {
        return vips::VImage::perlin(width, height, vips::VImage::option()->set("cell_size", cell)->set("seed", seed));
    };
    std::vector<vips::VImage> bands;
    for (int b = 0; b < 3; ++b)
        bands.push_back(perlin(700 + 150 * b, b + 1) * 150 + perlin(37 + 9 * b, b + 11) * 40 + 128 +
                        vips::VImage::gaussnoise(width, height,
                                                 vips::VImage::option()->set("sigma", 4.0)->set("mean", 0.0)->set("seed", b + 21)));
    const vips::VImage photo = vips::VImage::bandjoin(bands).cast(VIPS_FORMAT_UCHAR).copy(
        vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    VipsBlob* jpeg = photo.jpegsave_buffer(vips::VImage::option()->set("Q", 90)->set("subsample_mode", subsampling));
    std::size_t jpegSize = 0;
    const void* jpegData = vips_blob_get(jpeg, &jpegSize);
    const vips::VImage decoded = vips::VImage::new_from_buffer(jpegData, jpegSize, "").copy_memory();
    vips_area_unref(VIPS_AREA(jpeg));
    TestImage img{width, height, 3 * std::ptrdiff_t{width}, {}};
    std::size_t size = 0;
    void* pixels = decoded.write_to_memory(&size);
    img.data.assign(static_cast<std::uint8_t*>(pixels), static_cast<std::uint8_t*>(pixels) + size);
    g_free(pixels);
    return img;
}

// Up rows with fast matching are chosen where they write a smaller file (a 4:2:0 photo), and not where
// they would write a larger one (the same photo at 4:4:4, noise) or where the picture is too small to
// sample; the writer's file is never larger than with adaptive rows alone.
TEST(PngWriterFormat, UpRowsChosenOnlyWhereTheyWin) {
    struct Case {
        const char* name;
        TestImage image;
        platform::RowFilters expected;
    };
    const Case cases[] = {
        {"4:2:0 photo", DecodedJpeg("on", 2400, 1800), platform::RowFilters::Up},
        {"4:4:4 photo", DecodedJpeg("off", 2400, 1800), platform::RowFilters::Adaptive},
        {"noise", MakeImage(2400, 1800, Content::Noise, 3), platform::RowFilters::Adaptive},
        {"small 4:2:0 photo", DecodedJpeg("on", 1920, 1280), platform::RowFilters::Adaptive},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform::ChooseRowFilters(c.image.rows()).filters, c.expected);
        Bytes chosen, adaptive;
        ASSERT_TRUE(Encode(c.image.rows(), chosen, PngWriteOptions{}));
        ASSERT_TRUE(Encode(c.image.rows(), adaptive, PngWriteOptions{0, 0, -1, platform::PngDeflate::Runs}));
        if (c.expected == platform::RowFilters::Up)
            EXPECT_LT(chosen.size(), adaptive.size() * 0.985);
        else
            EXPECT_LE(chosen.size(), adaptive.size());
    }
}

// The file holds exactly IHDR, sRGB, gAMA, cHRM, pHYs, IDAT..., IEND; the IDATs join into one zlib stream a strict
// inflater accepts; and each row carries the filter with the least signed residual sum.
TEST(PngWriterFormat, ChunksZlibStreamAndFilterChoice) {
    const int w = 701, h = 1300;  // noise makes several IDAT chunks
    const TestImage img = MakeImage(w, h, Content::Noise, 9);
    TestImage mixed = MakeImage(w, h, Content::Gradient, 4);
    for (int y = 0; y < h; y += 5) std::memcpy(&mixed.data[y * mixed.stride], &img.data[y * img.stride], 3 * w);

    for (const TestImage* source : {&img, const_cast<const TestImage*>(&mixed)}) {
        for (const PngWriteOptions& opt : {PngWriteOptions{1, 0, -1}, PngWriteOptions{2, 9, -1},
                                           PngWriteOptions{2, 9, -1, platform::PngDeflate::Matches}}) {
            SCOPED_TRACE(testing::Message() << "threads " << opt.threads << " stripRows " << opt.stripRows);
            Bytes file;
            ASSERT_TRUE(Encode(source->rows(), file, opt, 300));
            const std::vector<Chunk> chunks = ParseChunks(file);
            ASSERT_GE(chunks.size(), 4u);

            std::vector<std::string> order;
            for (const Chunk& c : chunks)
                if (order.empty() || order.back() != c.type) order.push_back(c.type);
            EXPECT_EQ(order, (std::vector<std::string>{"IHDR", "sRGB", "gAMA", "cHRM", "pHYs", "IDAT", "IEND"}));
            EXPECT_EQ(chunks[1].data, Bytes{0}) << "sRGB, perceptual";
            EXPECT_EQ(Be32(&chunks[2].data[0]), 45455u) << "gAMA of sRGB";
            ASSERT_EQ(chunks[3].data.size(), 32u);
            EXPECT_EQ(Be32(&chunks[3].data[0]), 31270u) << "D65 white point x";
            EXPECT_EQ(Be32(&chunks[3].data[28]), 6000u) << "blue primary y";

            const Bytes& ihdr = chunks[0].data;
            ASSERT_EQ(ihdr.size(), 13u);
            EXPECT_EQ(Be32(&ihdr[0]), std::uint32_t(w));
            EXPECT_EQ(Be32(&ihdr[4]), std::uint32_t(h));
            EXPECT_EQ(ihdr[8], 8);   // bit depth
            EXPECT_EQ(ihdr[9], 2);   // colour type RGB
            EXPECT_EQ(ihdr[10], 0);
            EXPECT_EQ(ihdr[11], 0);
            EXPECT_EQ(ihdr[12], 0);  // not interlaced

            const Bytes& phys = chunks[4].data;
            ASSERT_EQ(phys.size(), 9u);
            EXPECT_EQ(Be32(&phys[0]), 11811u);
            EXPECT_EQ(Be32(&phys[4]), 11811u);
            EXPECT_EQ(phys[8], 1);

            std::size_t idats = 0;
            for (const Chunk& c : chunks) {
                if (c.type != "IDAT") continue;
                ++idats;
                EXPECT_LE(c.data.size(), std::size_t{1} << 20);
            }
            if (source == &img) {
                EXPECT_GE(idats, 2u);
            }
            EXPECT_TRUE(chunks.back().data.empty());

            const Bytes idat = IdatData(chunks);
            ASSERT_GE(idat.size(), 2u);
            EXPECT_EQ(idat[0] & 0x0f, 8) << "deflate";
            EXPECT_LE(idat[0] >> 4, 7) << "window";
            EXPECT_EQ((idat[0] << 8 | idat[1]) % 31, 0) << "header check";
            EXPECT_EQ(idat[1] & 0x20, 0) << "no preset dictionary";

            const std::size_t rowBytes = 3 * std::size_t{w};
            Bytes raw;
            ASSERT_TRUE(InflateExactly(idat, (rowBytes + 1) * h, raw));

            const Bytes pixels = source->packed();
            for (int y = 0; y < h; ++y) {
                const std::uint8_t* cur = &pixels[y * rowBytes];
                const std::uint8_t* prev = y ? cur - rowBytes : nullptr;
                const int chosen = raw[y * (rowBytes + 1)];
                ASSERT_LE(chosen, 4) << "row " << y;
                std::uint64_t best = UINT64_MAX;
                for (int t = 0; t <= 4; ++t) best = std::min(best, FilterScore(t, prev, cur, rowBytes));
                ASSERT_EQ(FilterScore(chosen, prev, cur, rowBytes), best) << "row " << y;
            }
        }
    }
}

TEST(PngWriterFormat, ResolutionAndDeterminism) {
    const TestImage img = MakeImage(40, 30, Content::Gradient);
    const std::pair<double, std::uint32_t> cases[] = {
        {300, 11811}, {72, 2835}, {96, 3780}, {0, 3780}, {-300, 3780},
        {std::nan(""), 3780}, {std::numeric_limits<double>::infinity(), 3780},
    };
    for (auto [dpi, ppm] : cases) {
        Bytes file;
        ASSERT_TRUE(Encode(img.rows(), file, {}, dpi));
        const std::vector<Chunk> chunks = ParseChunks(file);
        ASSERT_GE(chunks.size(), 5u);
        ASSERT_EQ(chunks[4].type, "pHYs");
        EXPECT_EQ(Be32(&chunks[4].data[0]), ppm) << dpi;
        EXPECT_EQ(Be32(&chunks[4].data[4]), ppm) << dpi;
    }

    // Same strips, any thread count: the same bytes, or strips were joined in the wrong order (or a
    // strip's way of deflating depended on something other than its own rows).
    for (Content content : {Content::Gradient, Content::Bands}) {
        const TestImage big = MakeImage(333, 500, content, 5);
        Bytes one, many;
        ASSERT_TRUE(Encode(big.rows(), one, {1, 4, -1}));
        for (unsigned threads : {2u, 3u, 8u}) {
            ASSERT_TRUE(Encode(big.rows(), many, {threads, 4, -1}));
            EXPECT_TRUE(one == many) << threads << " threads, content " << static_cast<int>(content);
        }
    }
}

TEST(PngWriterFormat, PngcheckAcceptsFiles) {
    if (std::system("command -v pngcheck > /dev/null 2>&1") != 0) GTEST_SKIP() << "pngcheck not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        int w, h;
        Content content;
        PngWriteOptions opt;
    } cases[] = {
        {1, 1, Content::Flat, {}},
        {7, 300, Content::Noise, {2, 5, -1}},
        {1001, 777, Content::Noise, {2, 16, -1}},
        {1001, 777, Content::Gradient, {1, 0, -1}},
        {1001, 777, Content::Bands, {2, 30, -1}},
    };
    int n = 0;
    for (const auto& c : cases) {
        const TestImage img = MakeImage(c.w, c.h, c.content);
        Bytes file;
        ASSERT_TRUE(Encode(img.rows(), file, c.opt));
        const std::string path = dir.filePath(QString("case%1.png").arg(n++)).toStdString();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                    static_cast<std::streamsize>(file.size()));
        EXPECT_EQ(std::system(("pngcheck -q '" + path + "' > /dev/null 2>&1").c_str()), 0) << path;
    }
}

// A sink that gives up, or throws, ends the write at once: false, no further calls, no threads left.
TEST(PngWriterFailure, SinkRefusesOrThrowsMidway) {
    const TestImage img = MakeImage(1500, 1200, Content::Noise);
    const int threadsBefore = ThreadsInProcess();
    for (unsigned threads : {1u, 2u, 4u}) {
        for (int failOnCall : {1, 3, 5}) {
            for (bool throws : {false, true}) {
                SCOPED_TRACE(testing::Message() << threads << " threads, call " << failOnCall << " throws " << throws);
                int calls = 0;
                bool ok = true;
                EXPECT_NO_THROW(ok = WritePng(img.rows(), 300, [&](const std::uint8_t*, std::size_t) {
                    if (++calls < failOnCall) return true;
                    if (throws) throw std::runtime_error("disk gone");
                    return false;
                }, {threads, 8, -1}));
                EXPECT_FALSE(ok);
                EXPECT_EQ(calls, failOnCall);
                EXPECT_LE(ThreadsInProcess(), threadsBefore);
            }
        }
    }
}

// A strip that cannot be compressed fails the whole file before anything after it is written.
TEST(PngWriterFailure, StripFailureStopsTheWrite) {
    const TestImage img = MakeImage(1200, 1600, Content::Noise);
    Bytes full;
    ASSERT_TRUE(Encode(img.rows(), full, {2, 4, -1}));
    const int threadsBefore = ThreadsInProcess();
    for (unsigned threads : {1u, 2u, 5u}) {
        for (int failAt : {0, 37, 399}) {  // first, middle, last of 400 strips
            SCOPED_TRACE(testing::Message() << threads << " threads, failing strip " << failAt);
            Bytes partial;
            bool ok = true;
            EXPECT_NO_THROW(ok = Encode(img.rows(), partial, {threads, 4, failAt}));
            EXPECT_FALSE(ok);
            EXPECT_LT(partial.size(), full.size());
            const std::string tail(partial.end() - std::min<std::size_t>(partial.size(), 12), partial.end());
            EXPECT_EQ(tail.find("IEND"), std::string::npos);
            if (failAt == 37) {
                EXPECT_LT(partial.size(), full.size() / 4);
            }
            EXPECT_LE(ThreadsInProcess(), threadsBefore);
        }
    }
}

// Rows handed over by another thread, a few at a time, while the file is written: the same file
// as from the whole picture, also where the row filters are chosen from samples a quarter and three
// quarters down (the writer starts on the first sample's choice), also where the second sample
// overturns that choice; a filling abandoned midway fails the file before its end, with no thread left.
TEST(PngWriterHandOver, RowsFilledMeanwhileGiveTheSameFile) {
    // A 4:2:0 photo above noise: the first sample alone would choose Up rows, both choose adaptive.
    TestImage overturned = DecodedJpeg("on", 2400, 1800);
    const TestImage noise = MakeImage(2400, 1800, Content::Noise, 9);
    for (int y = 900; y < 1800; ++y)
        std::memcpy(overturned.data.data() + y * overturned.stride, noise.data.data() + y * noise.stride, 3 * 2400);
    ASSERT_EQ(platform::ChooseRowFilters(overturned.rows()).filters, platform::RowFilters::Adaptive);
    const TestImage images[] = {DecodedJpeg("on", 2400, 1800), overturned, MakeImage(333, 500, Content::Bands, 7)};
    const int threadsBefore = ThreadsInProcess();
    for (const TestImage& whole : images) {
        Bytes expected;
        ASSERT_TRUE(Encode(whole.rows(), expected));
        for (unsigned threads : {1u, 3u}) {
            for (const bool abandoned : {false, true}) {
                SCOPED_TRACE(testing::Message() << whole.width << " wide, " << threads << " threads, abandoned " << abandoned);
                TestImage target = whole;
                std::fill(target.data.begin(), target.data.end(), 0);  // a row read too early shows
                platform::RowHandOver handOver;
                std::thread filler([&] {
                    const std::size_t rowBytes = static_cast<std::size_t>(whole.stride);
                    for (int y = 0; y < whole.height; y += 7) {
                        if (abandoned && y >= whole.height / 2) {
                            handOver.Abandon();
                            return;
                        }
                        const int rows = std::min(7, whole.height - y);
                        std::memcpy(target.data.data() + y * rowBytes, whole.data.data() + y * rowBytes, rows * rowBytes);
                        handOver.Filled(static_cast<std::size_t>(y + rows));
                        std::this_thread::sleep_for(std::chrono::microseconds(200));
                    }
                    handOver.Complete();
                });
                RgbRows rows = target.rows();
                rows.arriving = &handOver;
                Bytes file;
                const bool ok = Encode(rows, file, {threads, 0, -1});
                filler.join();
                EXPECT_EQ(ok, !abandoned);
                if (abandoned)
                    EXPECT_LT(file.size(), expected.size());
                else
                    EXPECT_TRUE(file == expected);
                EXPECT_LE(ThreadsInProcess(), threadsBefore);
            }
        }
    }
}

TEST(PngWriterFailure, RejectsBadSizesWithoutTouchingPixels) {
    const std::uint8_t pixel[3] = {1, 2, 3};
    // Only the pointer is real: the writer must reject these before reading any row.
    const RgbRows bad[] = {
        {pixel, 0, 1, 3},
        {pixel, 1, 0, 3},
        {pixel, -4, 1, 12},
        {pixel, 1, -4, 3},
        {pixel, 2, 1, 5},  // stride shorter than a row
        {pixel, 1, 2, -3},
        {nullptr, 1, 1, 3},
        {pixel, INT_MAX, INT_MAX, 3 * std::ptrdiff_t{INT_MAX}},
        {pixel, 1, INT_MAX, PTRDIFF_MAX / 2},
        {pixel, INT_MAX, 2, PTRDIFF_MAX - 2},
    };
    for (const RgbRows& rows : bad) {
        int calls = 0;
        bool ok = true;
        EXPECT_NO_THROW(ok = WritePng(rows, 300, [&](const std::uint8_t*, std::size_t) { return ++calls > 0; }));
        EXPECT_FALSE(ok) << rows.width << "x" << rows.height << " stride " << rows.stride;
        EXPECT_EQ(calls, 0);
    }
    EXPECT_FALSE(WritePng({pixel, 1, 1, 3}, 300, platform::ByteSink{}));
}

RgbRows WithEffort(RgbRows rows, platform::PngEffort effort) {
    rows.effort = effort;
    return rows;
}

// Fast and Smallest write Normal's pixels in one stream a strict inflater takes whole, for every
// size, content and strip arrangement; Smallest's strips stand alone, so any thread count gives the
// same bytes. A refused sink or a strip that fails ends either with nothing more written and no
// thread left.
TEST(PngWriterEffort, FastAndSmallestGiveTheSamePixelsInOneStrictStream) {
    using platform::PngEffort;
    const std::pair<int, int> sizes[] = {{1, 1}, {7, 5}, {31, 17}, {1001, 777}};
    for (auto [w, h] : sizes) {
        for (Content content : {Content::Noise, Content::Gradient, Content::Drawn, Content::Bands}) {
            const TestImage img = MakeImage(w, h, content, static_cast<unsigned>(w + h));
            const Bytes expected = img.packed();
            for (PngEffort effort : {PngEffort::Fast, PngEffort::Smallest}) {
                Bytes first;
                for (const PngWriteOptions& opt : {PngWriteOptions{1, 7, -1}, PngWriteOptions{3, 7, -1}, PngWriteOptions{}}) {
                    SCOPED_TRACE(testing::Message() << w << "x" << h << " content " << static_cast<int>(content) << " effort "
                                                    << static_cast<int>(effort) << " threads " << opt.threads);
                    Bytes file;
                    ASSERT_TRUE(Encode(WithEffort(img.rows(), effort), file, opt));
                    int dw = 0, dh = 0;
                    EXPECT_TRUE(DecodeWithVips(file, dw, dh) == expected);
                    EXPECT_EQ(std::make_pair(dw, dh), std::make_pair(w, h));
                    Bytes raw;
                    EXPECT_TRUE(InflateExactly(IdatData(ParseChunks(file)), (3 * std::size_t(w) + 1) * h, raw));
                    if (first.empty()) {
                        first = file;
                    } else if (opt.stripRows == 7) {
                        EXPECT_TRUE(file == first) << "another thread count, other bytes";
                    }
                }
            }
        }
    }

    const TestImage big = MakeImage(600, 400, Content::Bands);
    const int threadsBefore = ThreadsInProcess();
    for (PngEffort effort : {PngEffort::Fast, PngEffort::Smallest}) {
        for (unsigned threads : {1u, 3u}) {
            SCOPED_TRACE(testing::Message() << "effort " << static_cast<int>(effort) << ", " << threads << " threads");
            int calls = 0;
            EXPECT_FALSE(WritePng(WithEffort(big.rows(), effort), 300, [&](const std::uint8_t*, std::size_t) {
                return ++calls < 8;
            }, {threads, 9, -1}));
            EXPECT_EQ(calls, 8);
            Bytes partial;
            EXPECT_FALSE(Encode(WithEffort(big.rows(), effort), partial, {threads, 9, 20}));
            EXPECT_EQ(partial.end() - std::search(partial.begin(), partial.end(), "IEND", "IEND" + 4), 0);
            EXPECT_LE(ThreadsInProcess(), threadsBefore);
        }
    }
}

// What each effort is for: Smallest clearly smaller where there is something to gain (a phone's
// photo, a drawn picture) and never larger, Fast near Normal's size.
TEST(PngWriterEffort, SmallestIsSmallerAndFastStaysNearNormal) {
    using platform::PngEffort;
    struct Case {
        const char* name;
        TestImage image;
        double smallestAtMost;
    };
    const Case cases[] = {
        {"4:2:0 photo", DecodedJpeg("on", 1200, 900), 0.95},
        {"drawn", MakeImage(1001, 777, Content::Drawn), 0.95},
        {"noise", MakeImage(500, 300, Content::Noise), 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes normal, fast, smallest;
        ASSERT_TRUE(Encode(c.image.rows(), normal));
        ASSERT_TRUE(Encode(WithEffort(c.image.rows(), PngEffort::Fast), fast));
        ASSERT_TRUE(Encode(WithEffort(c.image.rows(), PngEffort::Smallest), smallest));
        EXPECT_LE(double(smallest.size()), c.smallestAtMost * double(normal.size()));
        EXPECT_LE(double(fast.size()), 1.2 * double(normal.size()));
    }
}

// Normal's bytes are the ones the writer has always written, on pictures that reach each of its
// choices (adaptive rows with runs, drawn strips with matching, strips of both, samples taken).
TEST(PngWriterFormat, NormalWritesTheReferenceBytes) {
    const struct {
        Content content;
        int w, h;
        std::size_t size;
        std::uint32_t crc;
    } cases[] = {
        {Content::Gradient, 1001, 777, 821097, 3601269709},
        {Content::Drawn, 1001, 777, 13967, 722195304},
        {Content::Bands, 2400, 1800, 6487375, 561962065},
        {Content::Noise, 31, 17, 1760, 2423196650},
    };
    for (const auto& c : cases) {
        Bytes file;
        ASSERT_TRUE(Encode(MakeImage(c.w, c.h, c.content, 11).rows(), file));
        EXPECT_EQ(file.size(), c.size) << static_cast<int>(c.content);
        EXPECT_EQ(crc32(0, file.data(), static_cast<uInt>(file.size())), c.crc) << static_cast<int>(c.content);
    }
}

// Strips from a whole-stream deflater join: the final block becomes an ordinary one and the stream
// ends on a byte boundary, wherever its last bit fell; anything but one whole stream is refused as it was.
TEST(PngWriterEffort, DeflateStreamsAreMadeJoinableOrRefused) {
    std::mt19937 rng(5);
    const auto deflated = [](const Bytes& data, int level, int strategy) {
        z_stream z{};
        deflateInit2(&z, level, Z_DEFLATED, -15, 8, strategy);
        Bytes out(deflateBound(&z, data.size()) + 16);
        z.next_in = const_cast<Bytef*>(data.data());
        z.avail_in = static_cast<uInt>(data.size());
        z.next_out = out.data();
        z.avail_out = static_cast<uInt>(out.size());
        deflate(&z, Z_FINISH);
        out.resize(out.size() - z.avail_out);
        deflateEnd(&z);
        return out;
    };
    std::set<int> endBits;
    for (int i = 0; i < 60; ++i) {
        Bytes a(rng() % 3000), b(rng() % 50);
        for (auto& v : a) v = static_cast<std::uint8_t>(i % 3 ? rng() % 7 : rng());
        for (auto& v : b) v = static_cast<std::uint8_t>(rng() % 5);
        Bytes stream = deflated(a, i % 9 + 1, i % 2 ? Z_DEFAULT_STRATEGY : Z_FIXED);
        ASSERT_TRUE(platform::JoinableDeflate(stream));
        endBits.insert(static_cast<int>(stream.size() % 8));
        const Bytes tail = deflated(b, 6, Z_DEFAULT_STRATEGY);
        stream.insert(stream.end(), tail.begin(), tail.end());
        Bytes whole(a), back(a.size() + b.size() + 1);
        whole.insert(whole.end(), b.begin(), b.end());
        z_stream z{};
        inflateInit2(&z, -15);
        z.next_in = stream.data();
        z.avail_in = static_cast<uInt>(stream.size());
        z.next_out = back.data();
        z.avail_out = static_cast<uInt>(back.size());
        EXPECT_EQ(inflate(&z, Z_FINISH), Z_STREAM_END) << i;
        EXPECT_EQ(z.avail_in, 0u) << i;
        back.resize(z.total_out);
        inflateEnd(&z);
        EXPECT_TRUE(back == whole) << i;
    }
    EXPECT_GT(endBits.size(), 3u);

    const Bytes good = deflated(Bytes(5000, 7), 6, Z_DEFAULT_STRATEGY);
    Bytes garbage(100);
    for (auto& v : garbage) v = static_cast<std::uint8_t>(rng());
    Bytes joined = good;
    ASSERT_TRUE(platform::JoinableDeflate(joined));
    for (const Bytes& bad : {Bytes{}, Bytes(good.begin(), good.end() - 1), garbage, joined,
                             [&] { Bytes t = good; t.push_back(0); return t; }()}) {
        Bytes copy = bad;
        EXPECT_FALSE(platform::JoinableDeflate(copy));
        EXPECT_TRUE(copy == bad);
    }
}
