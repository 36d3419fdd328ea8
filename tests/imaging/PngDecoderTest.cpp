// Our PNG decoder against libvips' own loader on every colour type, bit depth and interlacing, and
// the damage it refuses while decoding.
#include <cstring>
#include <vector>

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vips/vips8>

#include "imaging/png/PngDecoder.h"
#include "imaging/png/PngPixels.h"
#include "support/PngDamage.h"
#include "system/OpenRegularFile.h"

using platform::PngDecoder;

namespace {

class PngDecoderTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path;
    }
    static std::unique_ptr<PngDecoder> Open(const QString& path)
    {
        return PngDecoder::Open(platform::OpenRegularFile(QFile::encodeName(path)));
    }
    static void ExpectSamePixels(const vips::VImage& ours, const vips::VImage& theirs)
    {
        ASSERT_EQ(ours.width(), theirs.width());
        ASSERT_EQ(ours.height(), theirs.height());
        ASSERT_EQ(ours.bands(), theirs.bands());
        ASSERT_EQ(ours.format(), theirs.format());
        EXPECT_EQ(ours.interpretation(), theirs.interpretation());
        std::size_t ourSize = 0, theirSize = 0;
        void* ourBytes = ours.write_to_memory(&ourSize);
        void* theirBytes = theirs.write_to_memory(&theirSize);
        EXPECT_TRUE(ourSize == theirSize && std::memcmp(ourBytes, theirBytes, ourSize) == 0);
        g_free(ourBytes);
        g_free(theirBytes);
    }
    // Whether the whole picture decodes, row by row and at once.
    static bool DecodesWhole(const QString& path)
    {
        std::unique_ptr<PngDecoder> atOnce = Open(path);
        std::vector<std::uint8_t> picture(atOnce ? atOnce->RowBytes() * std::size_t(atOnce->Height()) : 0);
        const bool wholeAtOnce = atOnce && atOnce->ReadWhole(picture.data(), picture.size());
        EXPECT_EQ(wholeAtOnce, DecodesRowByRow(path));
        return wholeAtOnce;
    }
    static bool DecodesRowByRow(const QString& path)
    {
        std::unique_ptr<PngDecoder> decoder = Open(path);
        if (!decoder)
            return false;
        std::vector<std::uint8_t> row(decoder->RowBytes());
        for (int y = 0; y < decoder->Height(); ++y) {
            if (!decoder->ReadRows(row.data(), row.size(), 1))
                return false;
        }
        return true;
    }

    QTemporaryDir dir_;
};

// Every colour type and bit depth, with and without tRNS, interlaced and not, at two odd sizes
// (one smaller than Adam7's first block, so that passes are empty): the same bands, depth and
// samples as libvips' own loader gives, so that every later step (16 bits reduced, alpha onto
// black, the colour profile) stays as it was.
TEST_F(PngDecoderTest, DecodesEveryColourTypeAsLibvipsDoes)
{
    struct Type {
        int colourType;
        std::vector<int> depths;
        bool canHaveTransparency;
    };
    const Type types[] = {{0, {1, 2, 4, 8, 16}, true}, {2, {8, 16}, true}, {3, {1, 2, 4, 8}, true},
                          {4, {8, 16}, false}, {6, {8, 16}, false}};
    const std::pair<int, int> sizes[] = {{37, 23}, {3, 6}};
    int compared = 0;
    for (const Type& type : types) {
        for (const int depth : type.depths) {
            for (const bool transparency : {false, true}) {
                if (transparency && !type.canHaveTransparency)
                    continue;
                for (const bool interlaced : {false, true}) {
                    for (const auto& [width, height] : sizes) {
                        const PngPicture p{width, height, type.colourType, depth, transparency, interlaced};
                        const QString name = QStringLiteral("t%1-%2-%3-%4-%5x%6.png")
                                                 .arg(p.colourType).arg(depth).arg(transparency).arg(interlaced)
                                                 .arg(width).arg(height);
                        SCOPED_TRACE(name.toStdString());
                        const QString path = Write(name, EncodePng(p));
                        const vips::VImage theirs = vips::VImage::new_from_file(QFile::encodeName(path).constData());
                        std::unique_ptr<PngDecoder> decoder = Open(path);
                        ASSERT_TRUE(decoder);
                        ExpectSamePixels(platform::PngPixelsInMemory(*Open(path)), theirs);
                        ExpectSamePixels(platform::PngPixels(std::move(decoder)), theirs);
                        ++compared;
                    }
                }
            }
        }
    }
    EXPECT_EQ(compared, 2 * 2 * (5 * 2 + 2 * 2 + 4 * 2 + 2 + 2));
}

// What a damaged file is refused for, while decoding, and what real files carry without harm.
TEST_F(PngDecoderTest, RefusesDamageAndTakesHarmlessOddities)
{
    for (const PngVariant& v : PngDamageVariants()) {
        SCOPED_TRACE(v.name.toStdString());
        EXPECT_EQ(DecodesWhole(Write(v.name + ".png", v.bytes)), v.opens);
    }
}

// libspng stops inflating at the last row: damage to any byte of the stream after it, the
// Adler-32 above all, must still refuse the file.
TEST_F(PngDecoderTest, EveryByteOfTheImageDataIsChecked)
{
    const PngPicture p{16, 16};
    const QByteArray zlib = Deflated(PngScanlines(p));
    for (qsizetype at = 0; at < zlib.size(); ++at) {
        QByteArray damaged = zlib;
        damaged[at] = char(damaged[at] ^ 0xFF);
        EXPECT_FALSE(DecodesWhole(Write(QStringLiteral("flipped_%1.png").arg(at), EncodePng(p, damaged)))) << at;
    }
}

}  // namespace
