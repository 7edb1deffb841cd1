// The window's picture at a screen's scale: lengths and clicks between game
// and screen pixels, and the reduction by area from the whole factor.
#include "draw/scale.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Scale, LengthsAndClicksMapBetweenGameAndScreenPixels) {
    EXPECT_EQ(ScaledLength(479, 96), 479);
    EXPECT_EQ(ScaledLength(479, 192), 958);
    EXPECT_EQ(ScaledLength(340, 288), 1020);
    EXPECT_EQ(ScaledLength(479, 144), 719);
    EXPECT_EQ(ScaledLength(340, 144), 510);
    EXPECT_EQ(WholeFactor(96), 1);
    EXPECT_EQ(WholeFactor(120), 2);
    EXPECT_EQ(WholeFactor(192), 2);
    EXPECT_EQ(WholeFactor(216), 3);
    EXPECT_TRUE(IsWholeScale(288));
    EXPECT_FALSE(IsWholeScale(168));
    // Every screen pixel of a game pixel's square maps back to it.
    for (int dpi : {96, 120, 144, 168, 192, 288})
        for (int g = 0; g < 479; ++g) {
            const PixelBox box = ScreenBoxOf({g, 0, g + 1, 1}, dpi);
            EXPECT_EQ(GameCoordinate((2 * g + 1) * dpi / (2 * kBaseDpi), dpi), g) << dpi;
            EXPECT_LE(GameCoordinate(box.left, dpi), g);
            EXPECT_GE(GameCoordinate(box.right - 1, dpi), g);
        }
    EXPECT_EQ(GameCoordinate(-1, 192), -1);
    EXPECT_EQ(GameCoordinate(-2, 192), -1);
    EXPECT_EQ(ClampDpi(0), kLeastDpi);
    EXPECT_EQ(ClampDpi(10000), kMostDpi);
}

// A picture at the whole factor with one game column lit and a flat
// ground, reduced to `dpi`.
struct Reduced {
    std::vector<uint32_t> target;
    int width;
    Reduced(int dpi, int gameWidth, int litColumn, uint32_t ground, uint32_t lit) {
        const int k = WholeFactor(dpi), height = 2;
        std::vector<uint32_t> source(static_cast<size_t>(k * gameWidth * k * height), ground);
        for (int y = 0; y < k * height; ++y)
            for (int x = k * litColumn; x < k * (litColumn + 1); ++x) source[y * k * gameWidth + x] = lit;
        width = ScaledLength(gameWidth, dpi);
        target.assign(static_cast<size_t>(width * ScaledLength(height, dpi)), 0xDEADBEEF);
        ReduceArea({source.data(), k * gameWidth, k * height, k * gameWidth},
                   {target.data(), width, ScaledLength(height, dpi), width}, dpi, {0, 0, width, ScaledLength(height, dpi)});
    }
};

TEST(Scale, ReducingKeepsFlatAreasAndBlendsAnEdgeOverOnePixelAtMost) {
    // At 150 % game column 10 covers screen 15 and half of 16.
    const Reduced line(144, 40, 10, 0x000000, 0xFFFFFF);
    EXPECT_EQ(line.target[14], 0x000000u);
    EXPECT_EQ(line.target[15], 0xFFFFFFu);
    EXPECT_EQ(line.target[16], 0x808080u);
    EXPECT_EQ(line.target[17], 0x000000u);
    // No line doubled or dropped at any scale: the lit column's light, summed
    // across the row, is the scale's width of it; flat ground stays exact.
    for (int dpi : {72, 120, 144, 168, 216, 240}) {
        for (int column : {0, 7, 10, 13, 38}) {
            const Reduced r(dpi, 40, column, 0x202020, 0x20E020);
            long light = 0;
            int blended = 0;
            for (int x = 0; x < r.width; ++x) {
                const uint32_t p = r.target[x];
                EXPECT_EQ(p & 0xFF00FF, 0x200020u) << dpi << " " << x;
                light += static_cast<long>((p >> 8) & 0xFF) - 0x20;
                if (p != 0x202020 && p != 0x20E020) ++blended;
                EXPECT_EQ(p, r.target[r.width + x]) << "rows differ at " << x;
            }
            EXPECT_NEAR(light, (0xE0 - 0x20) * dpi / 96.0, 0xC0 * 0.02 + 1) << dpi << " column " << column;
            EXPECT_LE(blended, 2) << dpi << " column " << column;
        }
    }
    // A whole scale copies pixel for pixel.
    const Reduced whole(192, 20, 3, 0x123456, 0x654321);
    for (int x = 0; x < whole.width; ++x) EXPECT_EQ(whole.target[x], x / 2 == 3 ? 0x654321u : 0x123456u);
}

TEST(Scale, ReducingWritesOnlyItsBox) {
    std::vector<uint32_t> source(20 * 20, 0xFFFFFF), target(15 * 15, 7);
    ReduceArea({source.data(), 20, 20, 20}, {target.data(), 15, 15, 15}, 144, {3, 4, 6, 8});
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x)
            EXPECT_EQ(target[y * 15 + x], x >= 3 && x < 6 && y >= 4 && y < 8 ? 0xFFFFFFu : 7u) << x << "," << y;
    // A box beyond the target is clipped to it.
    ReduceArea({source.data(), 20, 20, 20}, {target.data(), 15, 15, 15}, 144, {-5, -5, 40, 40});
    for (uint32_t p : target) EXPECT_EQ(p, 0xFFFFFFu);
}

}  // namespace
