// Which libvips warnings count against a photo: a label warning counted as damage would fail
// every TIFF with a private tag that decoders only remark on.
#include <gtest/gtest.h>

#include "imaging/DamageWarning.h"

using platform::IsDamageWarning;
using platform::IsTileFailure;

TEST(DamageWarning, LabelsAreHarmlessPixelsAreDamage)
{
    EXPECT_FALSE(IsDamageWarning("Unknown field with tag 50838 (0xc696) encountered"));
    EXPECT_FALSE(IsDamageWarning("Sanity check on directory count failed"));
    EXPECT_TRUE(IsDamageWarning("VipsJpeg: Premature end of JPEG file"));
    EXPECT_TRUE(IsDamageWarning(nullptr)) << "a warning without text is still a warning";

    EXPECT_TRUE(IsTileFailure("error in tile 0 x 128"));
    EXPECT_FALSE(IsTileFailure("VipsJpeg: error in tile"));
    EXPECT_FALSE(IsTileFailure(nullptr));
}

// Each listed harmless message as libvips passes it on (libtiff's without its function's name),
// and warnings about pixel data that mention a tag or a field all the same.
TEST(DamageWarning, OnlyTheListedMessagesAreHarmless)
{
    for (const char* harmless : {
             "Unknown field with tag 50838 (0xc696) encountered",
             "Invalid TIFF directory; tags are not sorted in ascending order",
             "ASCII value for tag \"Software\" does not end in null byte",
             "ASCII value for tag \"Software\" does not end in null byte. Forcing it to be null",
             "ASCII value for tag \"Artist\" contains null byte in value; value incorrectly "
             "truncated during reading due to implementation limitations",
             "Incorrect count for \"XResolution\"; tag ignored",
             "Incompatible type for \"Make\"; tag ignored",
             "Incorrect value for \"Orientation\"; tag ignored",
             "Wrong data type 7 for \"ExifVersion\"; tag ignored",
             "Nonstandard tile width 100, convert file",
             "Nonstandard tile length 100, convert file",
             "Sum of Photometric type-related color channels and ExtraSamples doesn't match "
             "SamplesPerPixel. Defining non-color channels as ExtraSamples.",
             "Sanity check on directory count failed",
             "Excessive number of frames",
         })
        EXPECT_FALSE(IsDamageWarning(harmless)) << harmless;
    for (const char* damage : {
             "TIFFReadDirectory: Bogus \"StripByteCounts\" field, ignoring and calculating from imagelength",
             "TIFFFillStrip: Read error on strip 3; got 100 bytes, expected 4000",
             "Unknown field with tag 50838 (0xc696) encountered; and then some",
             "Unknown field with tag x (0xc696) encountered",
             "Bogus \"StripByteCounts\" field, ignoring and calculating from imagelength",
             "TIFFReadDirectory: Photometric tag value assumed incorrect, assuming data is YCbCr instead of RGB",
             "Fax3Decode2D: Premature EOL at line 12 of strip 0 (got 1728, expected 1728)",
             "",
         })
        EXPECT_TRUE(IsDamageWarning(damage)) << damage;
}
