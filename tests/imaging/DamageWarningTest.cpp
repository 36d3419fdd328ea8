// Which libvips warnings count against a photo: a label warning counted as damage would fail
// every TIFF with a private tag that decoders only remark on.
#include <gtest/gtest.h>

#include "imaging/DamageWarning.h"

using platform::IsDamageWarning;
using platform::IsTileFailure;

TEST(DamageWarning, LabelsAreHarmlessPixelsAreDamage)
{
    EXPECT_FALSE(IsDamageWarning("TIFFReadDirectory: Unknown field with tag 50838 (0xc696) encountered"));
    EXPECT_FALSE(IsDamageWarning("TIFFFetchDirectory: Sanity check on directory count failed"));
    EXPECT_TRUE(IsDamageWarning("VipsJpeg: Premature end of JPEG file"));
    EXPECT_TRUE(IsDamageWarning(nullptr)) << "a warning without text is still a warning";

    EXPECT_TRUE(IsTileFailure("error in tile 0 x 128"));
    EXPECT_FALSE(IsTileFailure("VipsJpeg: error in tile"));
    EXPECT_FALSE(IsTileFailure(nullptr));
}
