#include <gtest/gtest.h>

#include "tests/assets/asset_reader.h"
#include "tests/assets/vga_colours.h"
#include "tests/draw/expected_pictures.h"

namespace {

constexpr const char* kIcons[] = {"icon102.ico", "icon103.ico", "icon104.ico"};

constexpr Rgb kBlack = {0, 0, 0}, kWhite = {255, 255, 255};

bool Clear(const DibView& view, int x, int y) { return view.MaskBit(x, y) == 1; }

// How many opaque pixels of the icon show the colour.
int Count(const DibView& view, Rgb colour) {
    int n = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (!Clear(view, x, y) && view.Colour(x, y) == colour) ++n;
    return n;
}

TEST(CursorFile, OneThirtyTwoSquareImageWithItsHotSpotAtTheTopLeft) {
    const AssetFile file = ReadAsset("cursor1.cur");
    ASSERT_GE(file.size(), 22u);
    EXPECT_EQ(file.U16(0), 0u);
    EXPECT_EQ(file.U16(2), 2u);  // cursor
    EXPECT_EQ(file.U16(4), 1u);
    EXPECT_EQ(file.U8(6), 32u);
    EXPECT_EQ(file.U8(7), 32u);
    EXPECT_EQ(file.U16(10), 0u);  // hot spot x
    EXPECT_EQ(file.U16(12), 0u);  // hot spot y
    EXPECT_EQ(file.U32(18), 22u);
    EXPECT_EQ(file.U32(14) + file.U32(18), file.size());
    EXPECT_FALSE(file.overrun);
}

TEST(CursorFile, ImageIsMonochromeWithAnAndMask) {
    const AssetFile file = ReadAsset("cursor1.cur");
    const DibView view = IconImageView(file);
    EXPECT_EQ(file.U32(view.header), 40u);
    EXPECT_EQ(view.width, 32);
    EXPECT_EQ(file.I32(view.header + 8), 64);  // colour rows and mask rows
    EXPECT_EQ(file.U16(view.header + 12), 1u);
    EXPECT_EQ(view.bitsPerPixel, 1);
    EXPECT_EQ(file.U32(view.header + 20), 2u * 32 * 4);
    EXPECT_TRUE(SameColour(view.PaletteColour(0), kBlack));
    EXPECT_TRUE(SameColour(view.PaletteColour(1), kWhite));
    EXPECT_EQ(view.pixels + 2 * 32 * 4, file.size());
    EXPECT_FALSE(file.overrun);
}

TEST(CursorFile, WhiteHandWithABlackOutlineInTheTopLeftSixteenByEighteen) {
    const AssetFile file = ReadAsset("cursor1.cur");
    const DibView view = IconImageView(file);
    int white = 0, black = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool clear = Clear(view, x, y);
            // Mask 1 with colour 1 would invert the screen: not part of the hand.
            if (clear) {
                ASSERT_EQ(view.Index(x, y), 0) << x << "," << y;
                continue;
            }
            ASSERT_TRUE(x < 16 && y < 18) << "outside the hand's box at " << x << "," << y;
            if (view.Index(x, y) == 0) {
                ++black;
                continue;
            }
            ++white;
            // A white pixel never touches the transparent area: the outline closes.
            const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
            for (int i = 0; i < 4; ++i) {
                const int nx = x + dx[i], ny = y + dy[i];
                ASSERT_TRUE(nx >= 0 && ny >= 0) << "white on the edge at " << x << "," << y;
                ASSERT_FALSE(Clear(view, nx, ny)) << "gap in the outline at " << nx << "," << ny;
            }
        }
    }
    EXPECT_GT(white, 60);
    EXPECT_GT(black, 30);
    // The fingertip is at the hot spot.
    EXPECT_FALSE(Clear(view, 1, 0) && Clear(view, 0, 1));
    EXPECT_FALSE(file.overrun);
}

TEST(IconFiles, EachHoldsOneThirtyTwoSquareSixteenColourImage) {
    for (const char* name : kIcons) {
        SCOPED_TRACE(name);
        const AssetFile file = ReadAsset(name);
        ASSERT_GE(file.size(), 22u);
        EXPECT_EQ(file.U16(0), 0u);
        EXPECT_EQ(file.U16(2), 1u);  // icon
        EXPECT_EQ(file.U16(4), 1u);  // one image
        EXPECT_EQ(file.U8(6), 32u);
        EXPECT_EQ(file.U8(7), 32u);
        EXPECT_EQ(file.U8(8), 16u);
        EXPECT_EQ(file.U16(10), 1u);
        EXPECT_EQ(file.U16(12), 4u);
        EXPECT_EQ(file.U32(14), 40u + 64 + 32 * 16 + 32 * 4);
        EXPECT_EQ(file.U32(18), 22u);
        EXPECT_EQ(file.U32(14) + file.U32(18), file.size());

        const DibView view = IconImageView(file);
        EXPECT_EQ(file.U32(view.header), 40u);
        EXPECT_EQ(view.width, 32);
        EXPECT_EQ(file.I32(view.header + 8), 64);
        EXPECT_EQ(view.bitsPerPixel, 4);
        EXPECT_EQ(file.U32(view.header + 16), 0u);  // uncompressed
        for (int i = 0; i < 16; ++i) EXPECT_TRUE(SameColour(view.PaletteColour(i), kVga[i])) << "entry " << i;
        EXPECT_FALSE(file.overrun);
    }
}

TEST(IconFiles, TransparentPixelsCarryColourZeroSoTheScreenShowsUnchanged) {
    for (const char* name : kIcons) {
        SCOPED_TRACE(name);
        const AssetFile file = ReadAsset(name);
        const DibView view = IconImageView(file);
        int clear = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (!Clear(view, x, y)) continue;
                ++clear;
                ASSERT_EQ(view.Index(x, y), 0) << x << "," << y;
            }
        }
        EXPECT_GT(clear, 0);          // the icon is not a plain square
        EXPECT_LT(clear, 32 * 32 / 2);  // and mostly picture
        EXPECT_FALSE(file.overrun);
    }
}

TEST(WellIcon, BlackWellInAWhiteFrameWithACyanAndBlueT) {
    const AssetFile file = ReadAsset("icon102.ico");
    const DibView view = IconImageView(file);
    EXPECT_TRUE(SameColour(view.Colour(16, 16), kBlack));  // inside the well
    EXPECT_TRUE(SameColour(view.Colour(2, 16), kWhite));   // left side of the frame
    EXPECT_TRUE(SameColour(view.Colour(29, 16), kWhite));  // right side
    EXPECT_GT(Count(view, kWhite), 100);
    EXPECT_GT(Count(view, kBlack), 250);
    EXPECT_GE(Count(view, {0, 255, 255}), 4 * 6);  // four cyan cells
    EXPECT_GT(Count(view, {0, 0, 255}), 4 * 4);
    EXPECT_GT(Count(view, {255, 0, 0}) + Count(view, {255, 255, 0}) + Count(view, {0, 255, 0}), 3 * 12);
}

TEST(ExitIcon, RedArrowBesideADarkDoorway) {
    const AssetFile file = ReadAsset("icon103.ico");
    const DibView view = IconImageView(file);
    EXPECT_GT(Count(view, {255, 0, 0}), 80);
    EXPECT_GT(Count(view, kBlack), 100);
    EXPECT_TRUE(Clear(view, 0, 0));
    EXPECT_TRUE(Clear(view, 0, 31));
}

TEST(LaughIcon, YellowRoundFaceWithTransparentCorners) {
    const AssetFile file = ReadAsset("icon104.ico");
    const DibView view = IconImageView(file);
    EXPECT_GT(Count(view, {255, 255, 0}), 250);
    EXPECT_GT(Count(view, {128, 0, 0}), 30);  // the open mouth
    for (int corner = 0; corner < 4; ++corner)
        EXPECT_TRUE(Clear(view, corner % 2 * 31, corner / 2 * 31)) << "corner " << corner;
}

}  // namespace
