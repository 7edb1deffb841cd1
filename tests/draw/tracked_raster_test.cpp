// The change-tracking raster: a front end that copies only the changed
// rectangles must get every pixel that painting changed, and not the whole
// picture for a small change.
#include <gtest/gtest.h>

#include "draw/tracked_raster.h"

namespace {

constexpr Rgb kRed = {255, 0, 0};

// Whether the pixel lies in one of the changed rectangles.
bool Changed(const TrackedRaster& surface, int x, int y) {
    for (const TrackedRaster::Box& box : surface.changed())
        if (x >= box.left && x < box.right && y >= box.top && y < box.bottom) return true;
    return false;
}

TEST(TrackedRaster, ReportsWhatEachPrimitivePaintedClippedToTheRaster) {
    TrackedRaster surface(20, 10);
    surface.FillRect(-5, -5, 3, 2, kRed);
    const LineSegment line = {10, 8, 10, 3};  // rows 8..4, upwards
    surface.Lines(&line, 1, kRed);
    surface.CopyBlock(18, 9, 6, 6, Picture::Tiles, 0, 0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool painted = (x < 3 && y < 2) || (x == 10 && y >= 4 && y <= 8) || (x >= 18 && y == 9);
            if (painted) {
                EXPECT_TRUE(Changed(surface, x, y)) << x << "," << y;
            }
        }
    EXPECT_FALSE(Changed(surface, 3, 0));
    EXPECT_FALSE(Changed(surface, 9, 5));
    EXPECT_FALSE(Changed(surface, 17, 9));
    surface.ForgetChanges();
    EXPECT_TRUE(surface.changed().empty());
}

TEST(TrackedRaster, ManySmallChangesBecomeTheirBoundingBox) {
    TrackedRaster surface(100, 10);
    for (int x = 0; x < 40; x += 2) surface.FillRect(x, 1, x + 1, 2, kRed);
    ASSERT_LE(surface.changed().size(), 16u);
    for (int x = 0; x < 40; x += 2) EXPECT_TRUE(Changed(surface, x, 1)) << x;
    surface.FillRect(50, 5, 60, 6, kRed);
    EXPECT_TRUE(Changed(surface, 55, 5));
}

}  // namespace
