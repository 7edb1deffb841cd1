#include <gtest/gtest.h>

#include "tests/assets/asset_reader.h"
#include "tests/assets/vga_colours.h"
#include "tests/draw/expected_pictures.h"

namespace {

struct BitmapFormat {
    const char* file;
    int width, height, bitsPerPixel;
};

constexpr BitmapFormat kBitmaps[] = {
    {"bitmap101.bmp", 220, 30, 8},
    {"bitmap102.bmp", 78, 92, 8},
    {"bitmap103.bmp", 143, 23, 4},
};

constexpr Rgb kLogoGround = {191, 191, 193};

int PaletteSize(const AssetFile& file) {
    const int bits = static_cast<int>(file.U16(28));
    const int used = static_cast<int>(file.U32(46));
    return used != 0 ? used : 1 << bits;
}

TEST(BitmapFiles, HeadersGiveTheSizeDepthAndPaletteOfEachBitmap) {
    for (const BitmapFormat& format : kBitmaps) {
        SCOPED_TRACE(format.file);
        const AssetFile file = ReadAsset(format.file);
        ASSERT_GT(file.size(), 54u);
        EXPECT_EQ(file.U8(0), 'B');
        EXPECT_EQ(file.U8(1), 'M');
        EXPECT_EQ(file.U32(2), file.size());
        EXPECT_EQ(file.U32(6), 0u);
        EXPECT_EQ(file.U32(14), 40u);
        EXPECT_EQ(file.I32(18), format.width);
        EXPECT_EQ(file.I32(22), format.height);  // positive: bottom row first
        EXPECT_EQ(file.U16(26), 1u);
        EXPECT_EQ(file.U16(28), static_cast<uint32_t>(format.bitsPerPixel));
        EXPECT_EQ(file.U32(30), 0u);  // uncompressed
        const int colours = PaletteSize(file);
        EXPECT_LE(colours, 1 << format.bitsPerPixel);
        EXPECT_EQ(file.U32(10), 54u + 4u * colours);
        const uint32_t stride = (format.width * format.bitsPerPixel + 31) / 32 * 4;
        EXPECT_EQ(file.U32(34), stride * format.height);
        EXPECT_EQ(file.size(), file.U32(10) + stride * format.height);
        EXPECT_FALSE(file.overrun);
    }
}

TEST(BitmapFiles, EveryPixelIndexLiesInsideThePalette) {
    for (const BitmapFormat& format : kBitmaps) {
        SCOPED_TRACE(format.file);
        const AssetFile file = ReadAsset(format.file);
        const DibView view = BmpView(file);
        const int colours = PaletteSize(file);
        for (int y = 0; y < format.height; ++y)
            for (int x = 0; x < format.width; ++x) ASSERT_LT(view.Index(x, y), colours) << x << "," << y;
        EXPECT_FALSE(file.overrun);
    }
}

TEST(TileSheetBitmap, EveryPixelFollowsTheTileRules) {
    const AssetFile file = ReadAsset("bitmap101.bmp");
    const DibView view = BmpView(file);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 220; ++x)
            ASSERT_TRUE(SameColour(view.Colour(x, y), expected::TilePixel(x / 20, y < 15, x % 20, y % 15)))
                << "tile pixel " << x << "," << y;
    EXPECT_FALSE(file.overrun);
}

TEST(TileSheetBitmap, RaisedLookOnTopFlatLookBelowNotMirrored) {
    const AssetFile file = ReadAsset("bitmap101.bmp");
    const DibView view = BmpView(file);
    EXPECT_TRUE(SameColour(view.Colour(0, 0), {255, 0, 0}));      // red highlight, top left
    EXPECT_TRUE(SameColour(view.Colour(19, 0), {96, 96, 64}));    // raised corner
    EXPECT_TRUE(SameColour(view.Colour(0, 13), {96, 96, 64}));
    EXPECT_TRUE(SameColour(view.Colour(0, 15), {191, 0, 0}));     // flat red face
    EXPECT_TRUE(SameColour(view.Colour(19, 15), {0, 0, 0}));      // flat seam
    EXPECT_TRUE(SameColour(view.Colour(85, 5), {111, 111, 111})); // grey face, column 4
    EXPECT_TRUE(SameColour(view.Colour(218, 0), {0, 127, 0}));    // green shadow, column 10
}

TEST(DigitStripBitmap, PaletteIsTheSixteenVgaColoursInOrder) {
    const AssetFile file = ReadAsset("bitmap103.bmp");
    const DibView view = BmpView(file);
    ASSERT_EQ(PaletteSize(file), 16);
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(SameColour(view.PaletteColour(i), kVga[i])) << "entry " << i;
}

TEST(DigitStripBitmap, EveryPixelFollowsTheSegmentRules) {
    const AssetFile file = ReadAsset("bitmap103.bmp");
    const DibView view = BmpView(file);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 143; ++x)
            ASSERT_TRUE(SameColour(view.Colour(x, y), expected::GlyphPixel(x / 13, x % 13, y)))
                << "glyph pixel " << x << "," << y;
    EXPECT_FALSE(file.overrun);
}

TEST(DigitStripBitmap, BlankGlyphShowsEverySegmentDotted) {
    const AssetFile file = ReadAsset("bitmap103.bmp");
    const DibView view = BmpView(file);
    EXPECT_TRUE(SameColour(view.Colour(133, 1), {0, 128, 128}));  // top, u+v even
    EXPECT_TRUE(SameColour(view.Colour(132, 1), {0, 0, 0}));
    EXPECT_TRUE(SameColour(view.Colour(131, 4), {0, 128, 128}));  // upper left, u+v odd
    EXPECT_TRUE(SameColour(view.Colour(131, 3), {0, 0, 0}));
    EXPECT_TRUE(SameColour(view.Colour(13 * 8 + 6, 11), {0, 255, 255}));  // the 8's middle is lit
}

TEST(LogoBitmap, OrangeFigureOnTheLightGreyGround) {
    const AssetFile file = ReadAsset("bitmap102.bmp");
    const DibView view = BmpView(file);
    ASSERT_EQ(view.width, 78);
    ASSERT_EQ(view.height, 92);
    int orange = 0;
    for (int y = 0; y < 92; ++y) {
        for (int x = 0; x < 78; ++x) {
            const Rgb c = view.Colour(x, y);
            if (x == 0 || y == 0 || x == 77 || y == 91) {
                ASSERT_TRUE(SameColour(c, kLogoGround)) << "edge " << x << "," << y;
            }
            if (c.r >= 180 && c.r > c.g + 40 && c.g > c.b) ++orange;
        }
    }
    EXPECT_GT(orange, 78 * 92 / 5);  // the figure, not a few stray pixels
    EXPECT_FALSE(file.overrun);
}

}  // namespace
