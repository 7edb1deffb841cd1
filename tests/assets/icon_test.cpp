#include <gtest/gtest.h>

#include <algorithm>

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

// The sizes Windows asks for from 100 % to 300 % display scale: the
// notification area's and the task bar's.
constexpr int kSizes[] = {16, 20, 24, 32, 40, 48, 64};
constexpr int kSizeCount = sizeof kSizes / sizeof *kSizes;
constexpr int kThirtyTwo = 3;  // kSizes[kThirtyTwo] is 32
constexpr Rgb kGrey = {128, 128, 128};

TEST(IconFiles, EachHoldsEverySizeFromSixteenToSixtyFourInSixteenColours) {
    for (const char* name : kIcons) {
        SCOPED_TRACE(name);
        const AssetFile file = ReadAsset(name);
        EXPECT_EQ(file.U16(0), 0u);
        EXPECT_EQ(file.U16(2), 1u);  // icon
        ASSERT_EQ(file.U16(4), static_cast<uint32_t>(kSizeCount));
        uint32_t offset = 6 + 16 * kSizeCount;
        for (int i = 0; i < kSizeCount; ++i) {
            const int size = kSizes[i];
            SCOPED_TRACE(size);
            const size_t entry = 6 + 16 * i;
            EXPECT_EQ(file.U8(entry), static_cast<uint32_t>(size));
            EXPECT_EQ(file.U8(entry + 1), static_cast<uint32_t>(size));
            EXPECT_EQ(file.U8(entry + 2), 16u);
            EXPECT_EQ(file.U16(entry + 4), 1u);
            EXPECT_EQ(file.U16(entry + 6), 4u);
            const uint32_t rowBytes = (size * 4 + 31) / 32 * 4, maskBytes = (size + 31) / 32 * 4;
            EXPECT_EQ(file.U32(entry + 8), 40u + 64 + (rowBytes + maskBytes) * size);
            EXPECT_EQ(file.U32(entry + 12), offset);
            offset += file.U32(entry + 8);

            const DibView view = IconImageView(file, i);
            EXPECT_EQ(file.U32(view.header), 40u);
            EXPECT_EQ(view.width, size);
            EXPECT_EQ(file.I32(view.header + 8), 2 * size);
            EXPECT_EQ(view.bitsPerPixel, 4);
            EXPECT_EQ(file.U32(view.header + 16), 0u);  // uncompressed
            for (int c = 0; c < 16; ++c) EXPECT_TRUE(SameColour(view.PaletteColour(c), kVga[c])) << "entry " << c;
        }
        EXPECT_EQ(offset, file.size());
        EXPECT_FALSE(file.overrun);
    }
}

TEST(IconFiles, TransparentPixelsCarryColourZeroSoTheScreenShowsUnchanged) {
    for (const char* name : kIcons) {
        SCOPED_TRACE(name);
        const AssetFile file = ReadAsset(name);
        for (int i = 0; i < kSizeCount; ++i) {
            SCOPED_TRACE(kSizes[i]);
            const DibView view = IconImageView(file, i);
            int clear = 0;
            for (int y = 0; y < view.width; ++y) {
                for (int x = 0; x < view.width; ++x) {
                    if (!Clear(view, x, y)) continue;
                    ++clear;
                    ASSERT_EQ(view.Index(x, y), 0) << x << "," << y;
                }
            }
            // Not a plain square (below 32 the well's margin is the first
            // line left out), and mostly picture.
            if (view.width >= 32) {
                EXPECT_GT(clear, 0);
            }
            EXPECT_LT(clear, view.width * view.width / 2);
        }
        EXPECT_FALSE(file.overrun);
    }
}

// Drawn at each size rather than stretched by the system, whose reduction
// of the 32 x 32 picture to 20 to 28 pixels broke the frame and left black
// pixels along two edges of the mask: at every size the well fills the
// picture but for the artwork's one clear line on each side, nothing outside its
// frame is opaque, and the frame is whole, a grey outline around a white
// band.
TEST(WellIcon, EverySizeShowsTheWholeFrameWithNoBlackAtItsEdges) {
    const AssetFile file = ReadAsset("icon102.ico");
    for (int i = 0; i < kSizeCount; ++i) {
        const int size = kSizes[i];
        SCOPED_TRACE(size);
        const DibView view = IconImageView(file, i);
        int left = size, top = size, right = -1, bottom = -1;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (!Clear(view, x, y)) {
                    left = std::min(left, x), top = std::min(top, y);
                    right = std::max(right, x), bottom = std::max(bottom, y);
                }
        const int scale = (size + 31) / 32;  // how thick a line of the artwork is at most
        ASSERT_LE(left, scale);
        ASSERT_LE(top, scale);
        ASSERT_GE(right, size - 1 - scale);
        ASSERT_GE(bottom, size - 1 - scale);
        for (int ring = 0; ring < 2; ++ring) {
            const Rgb want = ring == 0 ? kGrey : kWhite;
            const int l = left + ring, t = top + ring, r = right - ring, b = bottom - ring;
            for (int x = l; x <= r; ++x) {
                ASSERT_FALSE(Clear(view, x, t) || Clear(view, x, b)) << "gap at x " << x << ", ring " << ring;
                ASSERT_TRUE(SameColour(view.Colour(x, t), want)) << x << "," << t;
                ASSERT_TRUE(SameColour(view.Colour(x, b), want)) << x << "," << b;
            }
            for (int y = t; y <= b; ++y) {
                ASSERT_FALSE(Clear(view, l, y) || Clear(view, r, y)) << "gap at y " << y << ", ring " << ring;
                ASSERT_TRUE(SameColour(view.Colour(l, y), want)) << l << "," << y;
                ASSERT_TRUE(SameColour(view.Colour(r, y), want)) << r << "," << y;
            }
            if (scale > 1) break;  // the outline is thicker than one ring
        }
    }
}

// The larger sizes repeat the 32 x 32 picture's pixels, never blend them;
// at 64 each is a 2 x 2 square.
TEST(IconFiles, SixtyFourIsTheThirtyTwoInSquaresOfFour) {
    for (const char* name : kIcons) {
        SCOPED_TRACE(name);
        const AssetFile file = ReadAsset(name);
        const DibView small = IconImageView(file, kThirtyTwo), large = IconImageView(file, kSizeCount - 1);
        ASSERT_EQ(large.width, 64);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                ASSERT_EQ(Clear(large, x, y), Clear(small, x / 2, y / 2)) << x << "," << y;
                ASSERT_EQ(large.Index(x, y), small.Index(x / 2, y / 2)) << x << "," << y;
            }
    }
}

TEST(WellIcon, BlackWellInAWhiteFrameWithACyanAndBlueT) {
    const AssetFile file = ReadAsset("icon102.ico");
    const DibView view = IconImageView(file, kThirtyTwo);
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
    const DibView view = IconImageView(file, kThirtyTwo);
    EXPECT_GT(Count(view, {255, 0, 0}), 80);
    EXPECT_GT(Count(view, kBlack), 100);
    EXPECT_TRUE(Clear(view, 0, 0));
    EXPECT_TRUE(Clear(view, 0, 31));
}

TEST(LaughIcon, YellowRoundFaceWithTransparentCorners) {
    const AssetFile file = ReadAsset("icon104.ico");
    const DibView view = IconImageView(file, kThirtyTwo);
    EXPECT_GT(Count(view, {255, 255, 0}), 250);
    EXPECT_GT(Count(view, {128, 0, 0}), 30);  // the open mouth
    for (int corner = 0; corner < 4; ++corner)
        EXPECT_TRUE(Clear(view, corner % 2 * 31, corner / 2 * 31)) << "corner " << corner;
}

}  // namespace
