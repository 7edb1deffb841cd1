// The sunken frame, against the inclusive line bounds and the exact
// MoveToEx/LineTo pairs the Windows side issues.
#include <gtest/gtest.h>

#include "tests/draw/expected_pictures.h"
#include "tests/draw/paint_fixture.h"
#include "tests/draw/recording_surface.h"

namespace {

using FrameTest = PaintTest;

constexpr Rgb kGrey = {128, 128, 128};
constexpr Rgb kLightGrey = {192, 192, 192};
constexpr Rgb kWhite = {255, 255, 255};

// The frame as eight inclusive runs, later ones winning.
Rgb ExpectedFramePixel(int x, int y, int w, int h, int px, int py, Rgb ground) {
    struct Run {
        bool row;
        int at, from, to;
        Rgb colour;
    };
    const Run runs[] = {
        {true, y, x, x + w - 2, kGrey},                   {false, x, y, y + h - 2, kGrey},
        {true, y + 1, x + 1, x + w - 3, expected::kBlack}, {false, x + 1, y + 1, y + h - 4, expected::kBlack},
        {true, y + h - 3, x + 1, x + w - 2, kLightGrey},  {false, x + w - 2, y + 1, y + h - 4, kLightGrey},
        {true, y + h - 2, x, x + w - 2, kWhite},          {false, x + w - 1, y, y + h - 2, kWhite},
    };
    Rgb result = ground;
    for (const Run& run : runs) {
        const bool hit = run.row ? py == run.at && px >= run.from && px <= run.to
                                 : px == run.at && py >= run.from && py <= run.to;
        if (hit) result = run.colour;
    }
    return result;
}

TEST_F(FrameTest, WellFrameMatchesItsRunsPixelForPixel) {
    DrawFrame(raster, 130, 5, 210, 325);
    for (int py = 0; py < 340; ++py)
        for (int px = 0; px < 479; ++px)
            ASSERT_TRUE(SameColour(raster.Pixel(px, py), ExpectedFramePixel(130, 5, 210, 325, px, py, kUntouched)))
                << px << "," << py;
}

TEST_F(FrameTest, WellFrameTouchesRows5To328AndLeavesRow329Alone) {
    DrawFrame(raster, 130, 5, 210, 325);
    EXPECT_TRUE(AllOf(raster, 0, 329, 479, 330, kUntouched));
    EXPECT_TRUE(AllOf(raster, 0, 4, 479, 5, kUntouched));
    EXPECT_TRUE(AllOf(raster, 129, 0, 130, 340, kUntouched));
    EXPECT_TRUE(AllOf(raster, 340, 0, 341, 340, kUntouched));
    EXPECT_TRUE(SameColour(raster.Pixel(339, 5), kWhite));    // top-right corner
    EXPECT_TRUE(SameColour(raster.Pixel(130, 328), kWhite));  // bottom-left corner
    EXPECT_TRUE(SameColour(raster.Pixel(130, 5), kGrey));
    EXPECT_TRUE(SameColour(raster.Pixel(131, 6), expected::kBlack));
    EXPECT_TRUE(SameColour(raster.Pixel(338, 6), kLightGrey));
    EXPECT_TRUE(SameColour(raster.Pixel(339, 328), kWhite));
    // inside the inner lines the frame leaves the ground alone
    EXPECT_TRUE(AllOf(raster, 132, 7, 338, 327, kUntouched));
}

TEST_F(FrameTest, CounterBoxesMatchTheirRuns) {
    struct Box {
        int x, y, width, height;
    };
    const Box boxes[] = {{365, 28, 94, 28}, {365, 83, 94, 28}, {365, 138, 56, 28}, {365, 193, 56, 28}};
    for (const Box& b : boxes) {
        raster.FillRect(0, 0, 479, 340, kUntouched);
        DrawFrame(raster, b.x, b.y, b.width, b.height);
        for (int py = b.y - 1; py <= b.y + b.height; ++py)
            for (int px = b.x - 1; px <= b.x + b.width; ++px)
                ASSERT_TRUE(SameColour(raster.Pixel(px, py),
                                       ExpectedFramePixel(b.x, b.y, b.width, b.height, px, py, kUntouched)))
                    << b.y << ": " << px << "," << py;
    }
}

TEST_F(FrameTest, IssuesTheEightLinesWithOnePenPerColourInOrder) {
    RecordingSurface surface;
    DrawFrame(surface, 130, 5, 210, 325);
    const std::vector<std::string> want = {
        "pen 128/128/128", "line 130,5-339,5",     "line 130,5-130,329",
        "pen 0/0/0",       "line 131,6-338,6",     "line 131,6-131,327",
        "pen 192/192/192", "line 131,327-339,327", "line 338,6-338,327",
        "pen 255/255/255", "line 130,328-339,328", "line 339,5-339,329",
    };
    EXPECT_EQ(surface.calls, want);
}

}  // namespace
