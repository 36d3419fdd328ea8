#include "imaging/frames/PhotoOrientation.h"

#include "imaging/checks/ExifOrientation.h"

namespace platform {

RotateFlipType TurnForOrientation(int orientation)
{
    switch (orientation) {
    case 2: return RotateFlipType::RotateNoneFlipX;
    case 3: return RotateFlipType::Rotate180FlipNone;
    case 4: return RotateFlipType::RotateNoneFlipY;
    case 5: return RotateFlipType::Rotate90FlipX;   // rows and columns swapped
    case 6: return RotateFlipType::Rotate90FlipNone;
    case 7: return RotateFlipType::Rotate270FlipX;  // swapped across the other diagonal
    case 8: return RotateFlipType::Rotate270FlipNone;
    default: return RotateFlipType::RotateNoneFlipNone;
    }
}

bool SwapsSides(RotateFlipType turn)
{
    return static_cast<int>(turn) % 2 == 1;
}

int RecordedOrientation(const vips::VImage& header)
{
    int orientation = 1;
    if (vips_image_get_typeof(header.get_image(), VIPS_META_ORIENTATION) &&
        vips_image_get_int(header.get_image(), VIPS_META_ORIENTATION, &orientation) != 0)
        orientation = 1;
    vips_error_clear();
    // libvips brings a value outside 1 to 8 into range (to 1 or 8): the EXIF as the file holds it
    // tells such a value apart from a real 1 or 8.
    const void* exif = nullptr;
    std::size_t exifBytes = 0;
    if ((orientation == 1 || orientation == 8) && vips_image_get_typeof(header.get_image(), VIPS_META_EXIF_NAME) &&
        vips_image_get_blob(header.get_image(), VIPS_META_EXIF_NAME, &exif, &exifBytes) == 0 && exif) {
        const int recorded = ExifOrientation(static_cast<const std::uint8_t*>(exif), exifBytes);
        if (recorded < 1 || recorded > 8)
            return recorded;
    }
    vips_error_clear();
    return orientation;
}

vips::VImage Turned(const vips::VImage& pixels, RotateFlipType turn)
{
    static constexpr VipsAngle kAngles[] = {VIPS_ANGLE_D0, VIPS_ANGLE_D90, VIPS_ANGLE_D180, VIPS_ANGLE_D270};
    const int value = static_cast<int>(turn);
    vips::VImage out = pixels;
    if (value % 4 != 0)
        out = out.rot(kAngles[value % 4]);
    if (value >= 4)
        out = out.flip(VIPS_DIRECTION_HORIZONTAL);
    return out;
}

}  // namespace platform
