// Our JPEG decoder against libvips' on the JPEGs users have, and the damage it refuses while decoding.
#include <cstdio>
#include <optional>

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <vips/vips8>

#include "system/OpenRegularFile.h"
#include "imaging/frames/PixelPipeline.h"
#include "imaging/frames/SrgbConversion.h"
#include "imaging/jpeg/JpegDecoder.h"
#include "imaging/jpeg/JpegPixels.h"
#include "support/Fixtures.h"
#include "support/JpegDamage.h"

using platform::JpegDecoder;

namespace {

constexpr int kWidth = 203;  // neither side a whole number of blocks
constexpr int kHeight = 131;

struct Kind {
    const char* name;
    J_COLOR_SPACE space;
    int chromaH, chromaV;  // luma sampling factors over chroma: 2,2 is 4:2:0
    bool progressive;
    int restartRows;
    bool profile;
};

// The picture written by libjpeg as kind says, with a profile from libvips' own where asked.
QByteArray Encode(const Kind& kind)
{
    const int bands = kind.space == JCS_GRAYSCALE ? 1 : kind.space == JCS_CMYK ? 4 : 3;
    JpegEncoding encoding;
    encoding.width = kWidth, encoding.height = kHeight, encoding.bands = bands;
    encoding.chromaH = kind.chromaH, encoding.chromaV = kind.chromaV;
    encoding.progressive = kind.progressive, encoding.restartRows = kind.restartRows;
    if (kind.profile) {
        const char* name = bands == 4 ? "cmyk" : bands == 1 ? "srgb" : "p3";
        const vips::VImage tagged = vips::VImage::black(1, 1, vips::VImage::option()->set("bands", 3))
                                        .icc_transform(name, vips::VImage::option()->set("input_profile", "srgb"));
        const void* icc = nullptr;
        std::size_t iccSize = 0;
        vips_image_get_blob(tagged.get_image(), VIPS_META_ICC_NAME, &icc, &iccSize);
        encoding.profile = QByteArray(static_cast<const char*>(icc), qsizetype(iccSize));
    }
    return EncodeJpeg(encoding);
}

class JpegDecoderTest : public ::testing::Test {
protected:
    QString Write(const QByteArray& bytes)
    {
        const QString path = dir_.filePath(QString("p%1.jpg").arg(++count_));
        WriteAll(path, bytes);
        return path;
    }
    static std::unique_ptr<JpegDecoder> Decoder(const QString& path)
    {
        return JpegDecoder::Open(platform::OpenRegularFile(path.toLocal8Bit()));
    }
    // The pixels of the whole file at eighths / 8 of its size; nothing when it does not decode whole.
    static std::optional<std::vector<std::uint8_t>> Decode(const QString& path, int eighths = 8)
    {
        const auto decoder = Decoder(path);
        if (!decoder || !decoder->Start(eighths))
            return std::nullopt;
        const std::size_t stride = std::size_t(decoder->OutputWidth()) * decoder->Components();
        std::vector<std::uint8_t> pixels(stride * std::size_t(decoder->OutputHeight()));
        for (int y = 0; y < decoder->OutputHeight(); ++y) {
            if (!decoder->ReadRows(pixels.data() + stride * std::size_t(y), stride, 1))
                return std::nullopt;
        }
        return pixels;
    }
    static bool DecodesWhole(const QString& path, int eighths = 8) { return Decode(path, eighths).has_value(); }
    QTemporaryDir dir_;
    int count_ = 0;
};

TEST_F(JpegDecoderTest, SamePixelsAsLibvipsForEveryKindAndScale)
{
    const Kind kinds[] = {
        {"baseline 4:2:0", JCS_YCbCr, 2, 2, false, 0, false},
        {"4:2:0 with a Display P3 profile", JCS_YCbCr, 2, 2, false, 0, true},
        {"4:2:2", JCS_YCbCr, 2, 1, false, 0, false},
        {"4:4:4 with a profile", JCS_YCbCr, 1, 1, false, 0, true},
        {"progressive 4:2:0", JCS_YCbCr, 2, 2, true, 0, false},
        {"restart markers 4:2:2", JCS_YCbCr, 2, 1, false, 1, false},
        {"grey", JCS_GRAYSCALE, 1, 1, false, 0, false},
        {"grey with a profile", JCS_GRAYSCALE, 1, 1, true, 0, true},
        {"CMYK", JCS_CMYK, 1, 1, false, 0, false},
        {"CMYK with its profile", JCS_CMYK, 1, 1, false, 0, true},
    };
    for (const Kind& kind : kinds) {
        const QString path = Write(Encode(kind));
        const QByteArray local = path.toLocal8Bit();
        for (int shrink : {1, 2, 4, 8}) {
            SCOPED_TRACE(std::string(kind.name) + ", shrink " + std::to_string(shrink));
            const vips::VImage header = vips::VImage::jpegload(local.constData());
            auto decoder = Decoder(path);
            ASSERT_TRUE(decoder && decoder->Start(8 / shrink));
            const auto srgb = [](const vips::VImage& decoded) {
                return platform::NormalisePixels(platform::ConvertedToSrgb(decoded).pixels);
            };
            const vips::VImage theirs = srgb(vips::VImage::jpegload(local.constData(),
                                                                    vips::VImage::option()->set("shrink", shrink)));
            const vips::VImage whole = srgb(platform::JpegPixels(std::move(decoder), header));
            ASSERT_EQ(whole.width(), (kWidth + shrink - 1) / shrink);
            ASSERT_EQ(whole.height(), (kHeight + shrink - 1) / shrink);
            ASSERT_EQ(whole.bands(), theirs.bands());
            // libjpeg rounds a scaled side up, libvips down: its last partial column and row are dropped.
            const vips::VImage ours = whole.extract_area(0, 0, theirs.width(), theirs.height());
            EXPECT_LE((ours.cast(VIPS_FORMAT_INT) - theirs.cast(VIPS_FORMAT_INT)).abs().max(), 1.0);
        }
    }
}

TEST_F(JpegDecoderTest, DataThatWouldDecodeGreyIsRefusedAndCameraOdditiesPass)
{
    const QByteArray whole = Encode({"4:2:0", JCS_YCbCr, 2, 2, false, 0, false});
    const QByteArray restarts = Encode({"4:2:0", JCS_YCbCr, 2, 2, false, 1, false});
    const qsizetype scan = whole.indexOf("\xFF\xDA") + 20;
    const auto changed = [](QByteArray bytes, qsizetype at, const QByteArray& with) {
        return bytes.replace(at, with.size(), with);
    };
    const auto raisedTo = [](QByteArray bytes, int height) {
        const qsizetype sof = bytes.indexOf("\xFF\xC0");
        bytes[sof + 5] = char(height >> 8);
        bytes[sof + 6] = char(height);
        return bytes;
    };
    const struct {
        const char* name;
        QByteArray bytes;
        bool decodes;
    } cases[] = {
        {"whole", whole, true},
        {"a false marker in the first rows", changed(whole, scan + 40, "\xFF\x13"), false},
        {"a false marker in the last row", changed(whole, whole.size() - 30, "\xFF\x47"), false},
        {"a false end marker in the middle", changed(whole, (scan + whole.size()) / 2, "\xFF\xD9"), false},
        {"a restart marker where none are written", changed(whole, (scan + whole.size()) / 2, "\xFF\xD3"), false},
        {"cut in the middle", whole.left(whole.size() / 2), false},
        {"only the end marker missing", whole.chopped(2), false},
        {"height raised over the data", raisedTo(whole, kHeight * 2), false},
        {"stray bytes before the end marker", QByteArray(whole).insert(whole.size() - 2, QByteArray("\x00\x13\x37", 3)), true},
        {"a restart marker out of sequence", changed(restarts, restarts.indexOf("\xFF\xD2") + 1, "\xD4"), false},
        {"a few bytes lost from the last row", QByteArray(whole).remove(whole.size() - 6, 4), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Write(c.bytes);
        EXPECT_EQ(DecodesWhole(path), c.decodes);
        EXPECT_EQ(DecodesWhole(path, 1), c.decodes) << "at an eighth of the size too";
    }
}

// The damage classes each refused, at full size and at an eighth; the oddities of real files give
// exactly the pixels of the file without them.
TEST_F(JpegDecoderTest, StructuralDamageRefusedHarmlessOdditiesSamePixels)
{
    for (const JpegVariant& v : StructurallyDamagedJpegs()) {
        SCOPED_TRACE(v.name.toStdString());
        const QString path = Write(v.bytes);
        EXPECT_FALSE(DecodesWhole(path));
        EXPECT_FALSE(DecodesWhole(path, 1));
    }
    for (const JpegVariant& v : HarmlessJpegVariants()) {
        SCOPED_TRACE(v.name.toStdString());
        const auto pixels = Decode(Write(v.bytes));
        ASSERT_TRUE(pixels.has_value());
        EXPECT_TRUE(*pixels == *Decode(Write(v.same)));
    }
}

}  // namespace
