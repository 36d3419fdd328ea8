// A window opened beside the main window lies wholly on that window's screen.
#include <gtest/gtest.h>

#include "widgets/ScreenPlacement.h"

using platform::PlaceOnScreen;

TEST(ScreenPlacement, WindowsLieWhollyOnTheOwnersScreen)
{
    const QRect laptop(0, 0, 1280, 1000);
    const QRect right(1280, 200, 1920, 1080);  // a second screen, lower and to the right
    const struct {
        QSize wanted;
        QRect screen;
        QPoint centre;
        QRect placed;
    } cases[] = {
        // Centred on its owner where that fits.
        {{820, 560}, laptop, {640, 500}, {230, 220, 820, 560}},
        // An owner low on the screen: moved up, not cut at the bottom.
        {{820, 560}, laptop, {640, 900}, {230, 432, 820, 560}},
        // An owner near the left edge: moved right, under the title bar's room.
        {{820, 560}, laptop, {10, 10}, {8, 32, 820, 560}},
        // Taller than the screen: made to fit it.
        {{820, 1400}, laptop, {640, 500}, {230, 32, 820, 960}},
        // On the second screen, in its own coordinates.
        {{720, 600}, right, {3100, 1250}, {2472, 672, 720, 600}},
    };
    for (const auto& c : cases) {
        const QRect placed = PlaceOnScreen(c.wanted, c.screen, c.centre);
        EXPECT_EQ(placed, c.placed) << c.centre.x() << "," << c.centre.y();
        EXPECT_TRUE(c.screen.contains(placed));
    }
}
