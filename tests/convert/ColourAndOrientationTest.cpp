// Photos as their cameras meant them: converted into sRGB through their embedded profiles, and
// stood upright by their recorded orientation, in the preview and in the written PNG alike.
#include <cstring>
#include <functional>

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <lcms2.h>
#include <vips/vips8>

#include "convert/PhotoConversion.h"
#include "convert/PhotoDocument.h"
#include "imaging/Bitmap.h"
#include "imaging/Encoders.h"
#include "support/Fixtures.h"

using platform::RotateFlipType;
using platform::Status;

namespace {

// The profile's bytes as a file holds them; the profile is closed.
std::vector<std::uint8_t> SavedAndClosed(cmsHPROFILE profile)
{
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    std::vector<std::uint8_t> bytes(size);
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    return bytes;
}

// D65 white and the primaries of two wide-gamut spaces, with their tone curves.
std::vector<std::uint8_t> MakeRgbProfile(bool displayP3)
{
    const cmsCIExyY white{0.3127, 0.3290, 1.0};
    const cmsCIExyYTRIPLE primaries = displayP3 ? cmsCIExyYTRIPLE{{0.680, 0.320, 1}, {0.265, 0.690, 1}, {0.150, 0.060, 1}}
                                                : cmsCIExyYTRIPLE{{0.640, 0.330, 1}, {0.210, 0.710, 1}, {0.150, 0.060, 1}};
    // Display P3 has sRGB's curve; Adobe RGB a plain gamma of 563/256.
    const double srgbCurve[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    cmsToneCurve* curve = displayP3 ? cmsBuildParametricToneCurve(nullptr, 4, srgbCurve)
                                    : cmsBuildGamma(nullptr, 563.0 / 256.0);
    cmsToneCurve* curves[3] = {curve, curve, curve};
    cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsFreeToneCurve(curve);
    return SavedAndClosed(profile);
}

std::vector<std::uint8_t> MakeGreyProfile()
{
    cmsToneCurve* curve = cmsBuildGamma(nullptr, 2.2);
    cmsHPROFILE profile = cmsCreateGrayProfile(cmsD50_xyY(), curve);
    cmsFreeToneCurve(curve);
    return SavedAndClosed(profile);
}

// What lcms2 makes of colour in profile, as 8-bit sRGB (relative colorimetric).
Rgb Srgb(const std::vector<std::uint8_t>& profile, Rgb colour)
{
    cmsHPROFILE in = cmsOpenProfileFromMem(profile.data(), static_cast<cmsUInt32Number>(profile.size()));
    cmsHPROFILE out = cmsCreate_sRGBProfile();
    cmsHTRANSFORM t = cmsCreateTransform(in, TYPE_RGB_8, out, TYPE_RGB_8, INTENT_RELATIVE_COLORIMETRIC, 0);
    Rgb result{};
    cmsDoTransform(t, colour.data(), result.data(), 1);
    cmsDeleteTransform(t);
    cmsCloseProfile(in);
    cmsCloseProfile(out);
    return result;
}

// A saturated red, a saturated green and a mid-tone, side by side.
const Rgb kPatches[3] = {{255, 0, 0}, {0, 255, 0}, {30, 160, 200}};
constexpr int kPatch = 32;

vips::VImage Patches(bool sixteenBit)
{
    vips::VImage row;
    for (const Rgb& c : kPatches) {
        vips::VImage patch = vips::VImage::black(kPatch, kPatch).new_from_image({double(c[0]), double(c[1]), double(c[2])});
        row = row.get_image() ? row.join(patch, VIPS_DIRECTION_HORIZONTAL) : patch;
    }
    if (sixteenBit)
        return (row * 257).cast(VIPS_FORMAT_USHORT).copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_RGB16));
    return row.cast(VIPS_FORMAT_UCHAR).copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

vips::VImage WithProfile(vips::VImage image, const std::vector<std::uint8_t>& profile)
{
    image = image.copy();
    void* data = g_memdup2(profile.data(), profile.size());
    vips_image_set_blob(image.get_image(), VIPS_META_ICC_NAME, reinterpret_cast<VipsCallbackFn>(g_free), data,
                        profile.size());
    return image;
}

void Save(vips::VImage image, const QString& path)
{
    // libvips writes a PNG's eXIf chunk only from EXIF data it has: borrow a JPEG's.
    if (path.endsWith(".png") && vips_image_get_typeof(image.get_image(), VIPS_META_ORIENTATION)) {
        VipsBlob* blob = image.jpegsave_buffer();
        const vips::VImage jpeg =
            vips::VImage::new_from_buffer(VIPS_AREA(blob)->data, VIPS_AREA(blob)->length, "").copy_memory();
        vips_area_unref(VIPS_AREA(blob));
        std::size_t size = 0;
        const void* exif = jpeg.get_blob(VIPS_META_EXIF_NAME, &size);
        image = image.copy();
        vips_image_set_blob_copy(image.get_image(), VIPS_META_EXIF_NAME, exif, size);
    }
    vips::VOption* options = vips::VImage::option();
    if (path.endsWith(".jpg"))
        options->set("Q", 100)->set("subsample_mode", VIPS_FOREIGN_SUBSAMPLE_OFF);
    if (path.endsWith(".webp"))
        options->set("lossless", true);
    image.write_to_file(path.toLocal8Bit().constData(), options);
}

bool Near(Rgb a, Rgb b, int tolerance)
{
    for (int i = 0; i < 3; ++i) {
        if (std::abs(a[i] - b[i]) > tolerance)
            return false;
    }
    return true;
}

std::string Text(Rgb c)
{
    return std::to_string(c[0]) + "," + std::to_string(c[1]) + "," + std::to_string(c[2]);
}

class ColourAndOrientationTest : public ::testing::Test {
protected:
    QString TempPath(const QString& name) const { return dir_.filePath(name); }
    // Opens photo and converts it at its own size, turned by type, into a PNG that is then decoded.
    static Decoded Convert(const PhotoDocument& photo, RotateFlipType type, const QString& out)
    {
        PhotoConversion conversion(photo, photo.Width(), photo.Height());
        for (const Status s : {conversion.SetResolution(), conversion.SetInterpolationMode(), conversion.DrawPhoto(),
                               conversion.RotateFlip(type), conversion.Save(out, platform::kPngEncoderClsid)}) {
            EXPECT_EQ(s, Status::Ok);
        }
        return DecodeFile(out);
    }
    QTemporaryDir dir_;
};

TEST_F(ColourAndOrientationTest, EmbeddedProfilesConvertIntoSrgb)
{
    const auto p3 = MakeRgbProfile(true);
    const auto adobe = MakeRgbProfile(false);
    struct Case {
        const char* name;
        const std::vector<std::uint8_t>& profile;
        bool sixteenBit;
    };
    const Case cases[] = {{"p3.jpg", p3, false}, {"adobe.jpg", adobe, false}, {"p3-16.png", p3, true},
                          {"adobe.tif", adobe, false}, {"p3.webp", p3, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = TempPath(c.name);
        Save(WithProfile(Patches(c.sixteenBit), c.profile), path);
        PhotoDocument photo;
        photo.Open(path);
        EXPECT_FALSE(photo.Image()->ColourProfileIgnored());
        const Decoded out = Convert(photo, RotateFlipType::RotateNoneFlipNone, TempPath("out.png"));
        ASSERT_EQ(out.width, 3 * kPatch);
        for (int i = 0; i < 3; ++i) {
            const Rgb expected = Srgb(c.profile, kPatches[i]);
            const Rgb got = out.At(i * kPatch + kPatch / 2, kPatch / 2);
            EXPECT_TRUE(Near(got, expected, 2)) << Text(got) << " for " << Text(expected);
        }
    }
    // The preview shows the same colours.
    PhotoDocument photo;
    photo.Open(TempPath("p3.jpg"));
    QImage preview(3 * kPatch, kPatch, QImage::Format_RGB888);
    QPainter painter(&preview);
    ASSERT_EQ(photo.DrawPreview(painter, preview.rect()), Status::Ok);
    painter.end();
    const QRgb red = preview.pixel(kPatch / 2, kPatch / 2);
    EXPECT_TRUE(Near({Rgb::value_type(qRed(red)), Rgb::value_type(qGreen(red)), Rgb::value_type(qBlue(red))},
                     Srgb(p3, kPatches[0]), 2));
}

TEST_F(ColourAndOrientationTest, UnusableProfilesLeaveThePixelsAsSrgb)
{
    const auto p3 = MakeRgbProfile(true);
    auto truncated = p3;
    truncated.resize(p3.size() / 2);
    auto cmyk = p3;
    std::memcpy(cmyk.data() + 16, "CMYK", 4);
    auto huge = p3;
    huge.resize(std::size_t{9} << 20);
    huge[0] = 0, huge[1] = 0x90, huge[2] = 0, huge[3] = 0;  // declares all of it
    auto garbage = p3;
    std::fill(garbage.begin() + 128, garbage.end(), 0xA5);
    const std::vector<std::uint8_t> cases[] = {truncated, cmyk, MakeGreyProfile(), huge, garbage};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const QString path = TempPath(QStringLiteral("bad%1.jpg").arg(i));
        Save(Patches(false), path);
        EmbedIccInJpeg(path, QByteArray(reinterpret_cast<const char*>(cases[i].data()), qsizetype(cases[i].size())));
        PhotoDocument photo;
        photo.Open(path);
        ASSERT_EQ(photo.Width(), 3 * kPatch);
        EXPECT_TRUE(photo.Image()->ColourProfileIgnored());
        const Decoded out = Convert(photo, RotateFlipType::RotateNoneFlipNone, TempPath("out.png"));
        for (int p = 0; p < 3; ++p) {
            const Rgb got = out.At(p * kPatch + kPatch / 2, kPatch / 2);
            EXPECT_TRUE(Near(got, kPatches[p], 2)) << Text(got);
        }
    }
}

// The Display P3 profile with its colorants or tone curves replaced.
std::vector<std::uint8_t> DegenerateProfile(double colorant, double gamma)
{
    const auto p3 = MakeRgbProfile(true);
    cmsHPROFILE profile = cmsOpenProfileFromMem(p3.data(), static_cast<cmsUInt32Number>(p3.size()));
    if (colorant >= 0) {
        const cmsCIEXYZ xyz{colorant, colorant, colorant};
        for (const cmsTagSignature tag : {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag})
            cmsWriteTag(profile, tag, &xyz);
    }
    if (gamma >= 0) {
        cmsToneCurve* curve = cmsBuildGamma(nullptr, gamma);
        for (const cmsTagSignature tag : {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag})
            cmsWriteTag(profile, tag, curve);
        cmsFreeToneCurve(curve);
    }
    return SavedAndClosed(profile);
}

// The Display P3 profile without its tone curves: lcms2 finds no relative-colorimetric path.
std::vector<std::uint8_t> WithoutToneCurves()
{
    const auto p3 = MakeRgbProfile(true);
    cmsHPROFILE profile = cmsOpenProfileFromMem(p3.data(), static_cast<cmsUInt32Number>(p3.size()));
    for (const cmsTagSignature tag : {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag})
        cmsWriteTag(profile, tag, nullptr);
    return SavedAndClosed(profile);
}

// The Display P3 profile grown to about size bytes by a private tag of zeros.
std::vector<std::uint8_t> Padded(std::size_t size)
{
    const auto p3 = MakeRgbProfile(true);
    cmsHPROFILE profile = cmsOpenProfileFromMem(p3.data(), static_cast<cmsUInt32Number>(p3.size()));
    const std::vector<char> zeros(size - p3.size() - 12);
    cmsWriteRawTag(profile, cmsTagSignature(0x7A706164), zeros.data(), cmsUInt32Number(zeros.size()));
    return SavedAndClosed(profile);
}

// Profiles that would turn the picture black, white or false, or that lcms2 cannot use relative
// colorimetric, are ignored in every format, with the warning, and the pixels taken as sRGB; the
// valid ones still convert as lcms2 does. Every format has the same size cap.
TEST_F(ColourAndOrientationTest, DegenerateProfilesIgnoredInEveryFormat)
{
    const struct {
        const char* name;
        std::vector<std::uint8_t> profile;
        bool used;
    } profiles[] = {
        {"zero colorants", DegenerateProfile(0, -1), false},
        {"gamma 0", DegenerateProfile(-1, 0), false},
        {"overflowing colorants", DegenerateProfile(300, -1), false},
        {"Display P3", MakeRgbProfile(true), true},
        {"Adobe RGB", MakeRgbProfile(false), true},
        {"no tone curves", WithoutToneCurves(), false},
        {"8.2 MB, under the cap", Padded(8'200'000), true},
        {"8.5 MB, over the cap", Padded(8'500'000), false},
    };
    for (const char* ext : {"jpg", "png", "tif"}) {
        for (const auto& p : profiles) {
            SCOPED_TRACE(std::string(ext) + ", " + p.name);
            const QString path = TempPath(QStringLiteral("p.%1").arg(ext));
            const QByteArray bytes(reinterpret_cast<const char*>(p.profile.data()), qsizetype(p.profile.size()));
            if (QString(ext) == "jpg") {
                Save(Patches(false), path);
                EmbedIccInJpeg(path, bytes);
            } else {
                Save(WithProfile(Patches(false), p.profile), path);
            }
            PhotoDocument photo;
            photo.Open(path);
            ASSERT_EQ(photo.Width(), 3 * kPatch);
            EXPECT_EQ(photo.Image()->ColourProfileIgnored(), !p.used);
            const Decoded out = Convert(photo, RotateFlipType::RotateNoneFlipNone, TempPath("out.png"));
            for (int k = 0; k < 3; ++k) {
                const Rgb got = out.At(k * kPatch + kPatch / 2, kPatch / 2);
                const Rgb want = p.used ? Srgb(p.profile, kPatches[k]) : kPatches[k];
                EXPECT_TRUE(Near(got, want, 2)) << Text(got) << " for " << Text(want);
            }
        }
    }
}

// The JPEG at path with profile cut into as many APP2 chunks as numbers (part k numbered
// numbers[k]), written in the order of order (all parts in turn when empty), each stating count.
void EmbedIccChunks(const QString& path, const std::vector<std::uint8_t>& profile, const std::vector<int>& numbers,
                    int count, std::vector<std::size_t> order = {})
{
    const std::size_t part = (profile.size() + numbers.size() - 1) / numbers.size();
    for (std::size_t k = 0; order.size() < numbers.size(); ++k)
        order.push_back(k);
    QByteArray segments;
    for (const std::size_t k : order) {
        const std::size_t from = std::min(profile.size(), k * part);
        const QByteArray bytes(reinterpret_cast<const char*>(profile.data() + from),
                               qsizetype(std::min(part, profile.size() - from)));
        const qsizetype length = 2 + 14 + bytes.size();
        segments += QByteArray("\xFF\xE2", 2) + char(length >> 8) + char(length & 0xFF);
        segments += QByteArray("ICC_PROFILE\0", 12) + char(numbers[k]) + char(count) + bytes;
    }
    QByteArray jpeg = ReadAll(path);
    WriteAll(path, jpeg.insert(2, segments));
}

// A JPEG's profile chunks are joined whatever their numbering and order, and refused with the
// warning when one is lost or repeated.
TEST_F(ColourAndOrientationTest, JpegProfileChunksJoinedWhateverTheirNumbering)
{
    const auto p3 = MakeRgbProfile(true);
    const struct {
        const char* name;
        std::vector<int> numbers;
        std::vector<std::size_t> order;
        int count;
        bool used;
    } cases[] = {
        {"1 to 3", {1, 2, 3}, {}, 3, true},
        {"0 to 2", {0, 1, 2}, {}, 3, true},
        {"written out of order", {1, 2, 3}, {2, 0, 1}, 3, true},
        {"a wrong count", {1, 2, 3}, {}, 7, true},
        {"one lost", {1, 2, 4}, {}, 4, false},
        {"one repeated", {1, 2, 3}, {0, 1, 1, 2}, 3, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = TempPath("chunks.jpg");
        Save(Patches(false), path);
        EmbedIccChunks(path, p3, c.numbers, c.count, c.order);
        PhotoDocument photo;
        photo.Open(path);
        ASSERT_EQ(photo.Width(), 3 * kPatch);
        EXPECT_EQ(photo.Image()->ColourProfileIgnored(), !c.used);
        const Rgb got = Convert(photo, RotateFlipType::RotateNoneFlipNone, TempPath("out.png")).At(kPatch / 2, kPatch / 2);
        EXPECT_TRUE(Near(got, c.used ? Srgb(p3, kPatches[0]) : kPatches[0], 2)) << Text(got);
    }
}

// Where the upright photo's point (x, y) is stored for each EXIF orientation: value 1 keeps it,
// 2 mirrors, 3 turns half round, 4 flips, 5 to 8 swap rows and columns (6: the camera was turned
// a quarter clockwise, so the photo's top is stored on the right).
std::pair<int, int> UprightPointOfStored(int orientation, int sx, int sy, int w, int h)
{
    switch (orientation) {
    case 2: return {w - 1 - sx, sy};
    case 3: return {w - 1 - sx, h - 1 - sy};
    case 4: return {sx, h - 1 - sy};
    case 5: return {sy, sx};
    case 6: return {w - 1 - sy, sx};
    case 7: return {w - 1 - sy, h - 1 - sx};
    case 8: return {sy, h - 1 - sx};
    default: return {sx, sy};
    }
}

// Corner markers of an upright w x h photo, stored as a camera with that orientation stores it.
vips::VImage StoredCornerMarkers(int orientation, int w, int h)
{
    const bool swapped = orientation >= 5 && orientation <= 8;
    const int sw = swapped ? h : w, sh = swapped ? w : h;
    std::vector<std::uint8_t> pixels(std::size_t(sw) * sh * 3);
    for (int sy = 0; sy < sh; ++sy) {
        for (int sx = 0; sx < sw; ++sx) {
            const auto [x, y] = UprightPointOfStored(orientation, sx, sy, w, h);
            const Corner corner = y < h / 2 ? (x < w / 2 ? Corner::TopLeft : Corner::TopRight)
                                            : (x < w / 2 ? Corner::BottomLeft : Corner::BottomRight);
            const Rgb c = CornerColour(corner);
            std::memcpy(&pixels[(std::size_t(sy) * sw + sx) * 3], c.data(), 3);
        }
    }
    vips::VImage image = vips::VImage::new_from_memory(pixels.data(), pixels.size(), sw, sh, 3, VIPS_FORMAT_UCHAR)
                             .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB))
                             .copy_memory();
    image.set(VIPS_META_ORIENTATION, orientation);
    return image;
}

TEST_F(ColourAndOrientationTest, EveryOrientationStandsUprightBeforeTheChosenTurn)
{
    const int w = 64, h = 40;
    using C = Corner;
    for (const char* format : {"jpg", "tif", "webp", "png"}) {
        for (int orientation = 1; orientation <= 8; ++orientation) {
            SCOPED_TRACE(testing::Message() << format << " orientation " << orientation);
            const QString path = TempPath(QStringLiteral("o%1.%2").arg(orientation).arg(format));
            Save(StoredCornerMarkers(orientation, w, h), path);
            PhotoDocument photo;
            photo.Open(path);
            ASSERT_EQ(photo.Width(), w);
            ASSERT_EQ(photo.Height(), h);

            QImage preview(w, h, QImage::Format_RGB888);
            QPainter painter(&preview);
            ASSERT_EQ(photo.DrawPreview(painter, preview.rect()), Status::Ok);
            painter.end();
            const QRgb top = preview.pixel(2, 2);
            EXPECT_TRUE(Near({Rgb::value_type(qRed(top)), Rgb::value_type(qGreen(top)), Rgb::value_type(qBlue(top))},
                             CornerColour(C::TopLeft), 8));

            const Decoded upright = Convert(photo, RotateFlipType::RotateNoneFlipNone, TempPath("up.png"));
            ASSERT_EQ(upright.width, w);
            EXPECT_TRUE(Near(upright.At(1, 1), CornerColour(C::TopLeft), 8)) << Text(upright.At(1, 1));
            EXPECT_TRUE(Near(upright.At(w - 2, 1), CornerColour(C::TopRight), 8)) << Text(upright.At(w - 2, 1));
            EXPECT_TRUE(Near(upright.At(1, h - 2), CornerColour(C::BottomLeft), 8)) << Text(upright.At(1, h - 2));

            // A quarter turn clockwise of the upright photo: its bottom-left corner comes to the top-left.
            const Decoded turned = Convert(photo, RotateFlipType::Rotate90FlipNone, TempPath("turned.png"));
            ASSERT_EQ(turned.width, h);
            ASSERT_EQ(turned.height, w);
            EXPECT_TRUE(Near(turned.At(1, 1), CornerColour(C::BottomLeft), 8)) << Text(turned.At(1, 1));
            EXPECT_TRUE(Near(turned.At(h - 2, 1), CornerColour(C::TopLeft), 8)) << Text(turned.At(h - 2, 1));
            EXPECT_TRUE(Near(turned.At(1, w - 2), CornerColour(C::BottomRight), 8)) << Text(turned.At(1, w - 2));
        }
    }
}

}  // namespace
