// The output bitmap: allocation limits, resolution and saving.
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "imaging/Bitmap.h"
#include "imaging/Encoders.h"
#include "support/Fixtures.h"

using platform::Bitmap;
using platform::Status;

TEST(Bitmap, StartsBlackAndRefusesWhatCannotBeAllocated)
{
    auto bitmap = Bitmap::Create(5, 3);
    ASSERT_FALSE(bitmap->IsEmpty());
    for (int i = 0; i < 5 * 3 * 3; ++i)
        EXPECT_EQ(bitmap->Bits()[i], 0);
    for (const auto& [w, h] : {std::pair{100000, 100000}, std::pair{2147483647, 1}, std::pair{0, 5}, std::pair{5, -1}}) {
        auto none = Bitmap::Create(w, h);
        EXPECT_TRUE(none->IsEmpty()) << w << "x" << h;
        EXPECT_NE(none->SetResolution(96, 96), Status::Ok);
        EXPECT_NE(none->SetInterpolationMode(platform::InterpolationMode::HighQualityBicubic), Status::Ok);
        EXPECT_NE(none->RotateFlip(platform::RotateFlipType::Rotate90FlipNone), Status::Ok);
    }
}

TEST(Bitmap, SaveNeedsThePngEncoderAndLeavesNothingOtherwise)
{
    QTemporaryDir dir;
    auto bitmap = Bitmap::Create(4, 2);
    EXPECT_EQ(bitmap->SetResolution(0, 0), Status::Ok) << "no resolution keeps the default";
    EXPECT_FLOAT_EQ(bitmap->HorizontalResolution(), 96.0f);
    EXPECT_NE(bitmap->Save(dir.filePath("a.png"), platform::Guid{}), Status::Ok);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_EQ(bitmap->Save(dir.filePath("a.png"), platform::kPngEncoderClsid), Status::Ok);
    EXPECT_EQ(DecodeFile(dir.filePath("a.png")).width, 4);
}
