// The software surface: line ends, clipping, and the BMP it writes.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "draw/pictures.h"
#include "draw/raster.h"
#include "tests/draw/expected_pictures.h"

namespace {

constexpr Rgb kRed = {255, 0, 0};
constexpr Rgb kBlack = {0, 0, 0};

TEST(Raster, StartsBlackWithPaddedRows) {
    Raster raster(5, 3);
    EXPECT_EQ(raster.pitch(), 16);  // 15 bytes rounded up to whole words
    EXPECT_TRUE(AllOf(raster, 0, 0, 5, 3, kBlack));
}

// One segment in red.
void DrawLine(Raster& raster, LineSegment segment) { raster.Lines(&segment, 1, kRed); }

TEST(Raster, LinesLeaveOutTheirEndPointInEitherDirection) {
    Raster raster(10, 10);
    DrawLine(raster, {2, 1, 6, 1});  // columns 2..5
    EXPECT_TRUE(AllOf(raster, 2, 1, 6, 2, kRed));
    EXPECT_TRUE(SameColour(raster.Pixel(1, 1), kBlack));
    EXPECT_TRUE(SameColour(raster.Pixel(6, 1), kBlack));
    DrawLine(raster, {6, 3, 2, 3});  // right to left: columns 6..3
    EXPECT_TRUE(AllOf(raster, 3, 3, 7, 4, kRed));
    EXPECT_TRUE(SameColour(raster.Pixel(2, 3), kBlack));
    DrawLine(raster, {8, 2, 8, 5});  // rows 2..4
    EXPECT_TRUE(AllOf(raster, 8, 2, 9, 5, kRed));
    EXPECT_TRUE(SameColour(raster.Pixel(8, 5), kBlack));
    DrawLine(raster, {9, 9, 9, 6});  // bottom to top: rows 9..7
    EXPECT_TRUE(AllOf(raster, 9, 7, 10, 10, kRed));
    EXPECT_TRUE(SameColour(raster.Pixel(9, 6), kBlack));
    DrawLine(raster, {0, 0, 0, 0});  // no length, no pixel
    EXPECT_TRUE(SameColour(raster.Pixel(0, 0), kBlack));
}

TEST(Raster, EverythingIsClippedToTheBuffer) {
    Raster raster(20, 10);
    raster.FillRect(-5, -5, 3, 2, kRed);
    EXPECT_TRUE(AllOf(raster, 0, 0, 3, 2, kRed));
    EXPECT_TRUE(AllOf(raster, 3, 0, 20, 10, kBlack));
    raster.FillRect(18, 8, 100, 100, kRed);
    EXPECT_TRUE(AllOf(raster, 18, 8, 20, 10, kRed));
    raster.FillRect(30, 30, 10, 10, kRed);  // beyond the buffer and inverted
    DrawLine(raster, {-10, 5, 40, 5});
    EXPECT_TRUE(AllOf(raster, 0, 5, 20, 6, kRed));
    DrawLine(raster, {15, -100, 15, 100});
    EXPECT_TRUE(AllOf(raster, 15, 0, 16, 10, kRed));
    // a tile copied half off the left and bottom edges
    raster.CopyBlock(-10, 5, 20, 15, Picture::Tiles, 0, 0);
    for (int x = 0; x < 10; ++x)
        for (int y = 5; y < 10; ++y)
            EXPECT_TRUE(SameColour(raster.Pixel(x, y), expected::TilePixel(0, true, x + 10, y - 5)));
}

TEST(Raster, CopiesStopAtTheEdgeOfThePicture) {
    constexpr Rgb kGround = {9, 9, 9};
    Raster raster(30, 30);
    raster.FillRect(0, 0, 30, 30, kGround);
    // the last glyph of the strip, asked for twice its width and beyond its height
    raster.CopyBlock(0, 0, 26, 30, Picture::Digits, 130, 0);
    EXPECT_TRUE(ShowsGlyph(raster, 0, 0, 10));
    EXPECT_TRUE(AllOf(raster, 13, 0, 30, 30, kGround));
    EXPECT_TRUE(AllOf(raster, 0, 23, 13, 30, kGround));
    raster.CopyBlock(14, 24, 5, 5, Picture::Tiles, -3, -3);  // only the tile's top-left 2 x 2 exists
    EXPECT_TRUE(AllOf(raster, 14, 24, 17, 29, kGround));
    EXPECT_TRUE(AllOf(raster, 17, 24, 19, 27, kGround));
    EXPECT_TRUE(AllOf(raster, 17, 27, 19, 29, expected::kTones[0].h));
}

TEST(Raster, TextIsLoggedNotDrawn) {
    Raster raster(10, 10);
    raster.Text(3, 4, "ab\0c", 4);
    ASSERT_EQ(raster.texts().size(), 1u);
    EXPECT_EQ(raster.texts()[0].x, 3);
    EXPECT_EQ(raster.texts()[0].y, 4);
    EXPECT_EQ(raster.texts()[0].bytes, std::string("ab\0c", 4));
    EXPECT_TRUE(AllOf(raster, 0, 0, 10, 10, kBlack));
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

TEST(Raster, WritesAnUncompressedBottomUp24BitBmp) {
    Raster raster(3, 2);
    raster.FillRect(0, 0, 1, 1, Rgb{10, 20, 30});  // top-left
    raster.FillRect(2, 1, 3, 2, Rgb{40, 50, 60});  // bottom-right
    const std::string path = ::testing::TempDir() + "raster_test.bmp";
    ASSERT_TRUE(raster.WriteBmp(path.c_str()));
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::remove(path.c_str());
    ASSERT_EQ(b.size(), 54u + 2 * 12);  // rows of 9 bytes padded to 12
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(Le32(b, 2), b.size());
    EXPECT_EQ(Le32(b, 10), 54u);
    EXPECT_EQ(Le32(b, 14), 40u);
    EXPECT_EQ(Le32(b, 18), 3u);
    EXPECT_EQ(Le32(b, 22), 2u);
    EXPECT_EQ(b[26] | b[27] << 8, 1);   // planes
    EXPECT_EQ(b[28] | b[29] << 8, 24);  // bits per pixel
    EXPECT_EQ(Le32(b, 30), 0u);         // no compression
    // the bottom row comes first, each pixel blue, green, red
    EXPECT_EQ(b[54 + 6], 60);
    EXPECT_EQ(b[54 + 7], 50);
    EXPECT_EQ(b[54 + 8], 40);
    EXPECT_EQ(b[54 + 12], 30);
    EXPECT_EQ(b[54 + 13], 20);
    EXPECT_EQ(b[54 + 14], 10);
}

TEST(Raster, WritingToAMissingDirectoryFails) {
    Raster raster(2, 2);
    EXPECT_FALSE(raster.WriteBmp((::testing::TempDir() + "no-such-dir/x.bmp").c_str()));
}

}  // namespace
