#include <gtest/gtest.h>

#include "draw/pictures.h"
#include "tests/draw/expected_pictures.h"

namespace {

constexpr Rgb kBlack = {0, 0, 0};

TEST(TileSheet, EveryTileMatchesItsToneTableInBothLooks) {
    for (int t = 0; t < 11; ++t)
        for (int y = 0; y < 30; ++y)
            for (int u = 0; u < 20; ++u)
                ASSERT_TRUE(SameColour(TileSheetPixel(20 * t + u, y), expected::TilePixel(t, y < 15, u, y % 15)))
                    << "tile " << t << " u " << u << " y " << y;
}

TEST(TileSheet, CornersAndSeamsOfTheRaisedLook) {
    for (int t = 0; t < 11; ++t) {
        EXPECT_TRUE(SameColour(TileSheetPixel(20 * t + 19, 0), Rgb{96, 96, 64})) << t;
        EXPECT_TRUE(SameColour(TileSheetPixel(20 * t, 13), Rgb{96, 96, 64})) << t;
        EXPECT_TRUE(SameColour(TileSheetPixel(20 * t + 19, 1), kBlack)) << t;
        EXPECT_TRUE(SameColour(TileSheetPixel(20 * t + 19, 15), kBlack)) << t;  // no corner in the flat look
        EXPECT_TRUE(SameColour(TileSheetPixel(20 * t, 29), kBlack)) << t;
    }
    EXPECT_TRUE(SameColour(TileSheetPixel(4 * 20 + 2, 7), Rgb{111, 111, 111}));  // grey face
    EXPECT_TRUE(SameColour(TileSheetPixel(4 * 20, 7), Rgb{144, 151, 144}));      // grey highlight
    EXPECT_TRUE(SameColour(TileSheetPixel(4 * 20 + 18, 7), Rgb{79, 72, 72}));    // grey shadow
}

TEST(TileSheet, ExtraTilesCopyTheFirstFourPixelForPixel) {
    for (int t = 7; t <= 10; ++t)
        for (int y = 0; y < 30; ++y)
            for (int u = 0; u < 20; ++u)
                ASSERT_EQ(TileSheetPixel(20 * t + u, y), TileSheetPixel(20 * (t - 7) + u, y))
                    << t << "," << u << "," << y;
}

TEST(DigitStrip, EveryGlyphMatchesItsSegments) {
    for (int g = 0; g < 11; ++g)
        for (int v = 0; v < 23; ++v)
            for (int u = 0; u < 13; ++u)
                ASSERT_TRUE(SameColour(DigitStripPixel(13 * g + u, v), expected::GlyphPixel(g, u, v)))
                    << "glyph " << g << " u " << u << " v " << v;
}

TEST(DigitStrip, UnlitSegmentsAreDottedByParity) {
    const int blank = 130;
    const Rgb dim = {0, 128, 128};
    // top: horizontal, shown where u+v is even
    EXPECT_TRUE(SameColour(DigitStripPixel(blank + 2, 1), kBlack));
    EXPECT_TRUE(SameColour(DigitStripPixel(blank + 3, 1), dim));
    EXPECT_TRUE(SameColour(DigitStripPixel(blank + 4, 2), dim));
    // upper left: upright, shown where u+v is odd
    EXPECT_TRUE(SameColour(DigitStripPixel(blank + 1, 2), dim));
    EXPECT_TRUE(SameColour(DigitStripPixel(blank + 1, 3), kBlack));
    EXPECT_TRUE(SameColour(DigitStripPixel(blank + 2, 3), dim));
    // lower right: v 12 to 20, mirrored
    EXPECT_TRUE(SameColour(DigitStripPixel(blank + 11, 12), dim));
    EXPECT_TRUE(SameColour(DigitStripPixel(blank + 11, 13), kBlack));
    // "1" shows its top dimly and its right side lit
    EXPECT_TRUE(SameColour(DigitStripPixel(13 + 3, 1), dim));
    EXPECT_TRUE(SameColour(DigitStripPixel(13 + 11, 2), Rgb{0, 255, 255}));
    EXPECT_TRUE(SameColour(DigitStripPixel(13 + 9, 18), Rgb{0, 255, 255}));
}

}  // namespace
