// The preview on a high-density screen. Its own CTest entry runs it with QT_SCALE_FACTOR=2;
// in the plain run the screen's ratio is 1 and it skips itself.
#include <QImage>
#include <QPixmap>

#include "res/ResourceIds.h"
#include "support/Fixtures.h"
#include "support/MainDialogFixture.h"

namespace {

using HighDensityPreviewTest = MainDialogFixture;

TEST_F(HighDensityPreviewTest, PreviewIsMadeAtTheScreensPixelDensity)
{
    QWidget* preview = dlg_->GetDlgItem(IDC_STATIC_PREVIEW);
    if (preview->devicePixelRatioF() != 2.0)
        GTEST_SKIP() << "runs with QT_SCALE_FACTOR=2";
    OpenPhoto(WriteNoise(TempPath("noise.png"), 1200, 700));

    const QPixmap shot = preview->grab();
    ASSERT_EQ(shot.devicePixelRatio(), 2.0);
    ASSERT_EQ(shot.size(), preview->size() * 2);
    // A preview made at the logical size and blown up shows every 2x2 block in one colour.
    const QImage image = shot.toImage().convertToFormat(QImage::Format_RGB32);
    int blocks = 0;
    int flat = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            ++blocks;
            flat += p == image.pixel(x + 1, y) && p == image.pixel(x, y + 1) && p == image.pixel(x + 1, y + 1);
        }
    }
    EXPECT_LT(flat, blocks / 20) << flat << " of " << blocks << " blocks are flat, preview " << preview->width()
                                 << "x" << preview->height();
}

}  // namespace
