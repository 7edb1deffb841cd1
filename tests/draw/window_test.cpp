// The full repaint in each phase of play.
#include <gtest/gtest.h>

#include "draw/pictures.h"
#include "tests/draw/expected_pictures.h"
#include "tests/draw/paint_fixture.h"

namespace {

constexpr int kWidth = 479, kHeight = 340;

class WindowTest : public PaintTest {
protected:
    void Repaint() { PaintWindow(raster, game, kWidth, kHeight); }

    // A game in progress: two settled rows, an L-shape falling, a T next.
    void MidGame() {
        GameState& s = game.state;
        s.running = 1;
        s.shapeVisible = 1;
        s.shapeIndex = 1;
        s.shape = ShapeCatalogue[1];  // "**", "* ", "* "
        s.column = 5;
        s.row = 7;
        s.nextIndex = 3;
        for (int c = 1; c <= 9; ++c) game.well.cells[20][c] = c % 7 + 1;
        game.well.cells[19][2] = 5;
    }

    void ExpectMidGameStack(bool raised) {
        for (int c = 1; c <= 9; ++c) EXPECT_TRUE(ShowsTile(raster, 135 + 20 * (c - 1), 310, c % 7, raised));
        EXPECT_TRUE(ShowsTile(raster, 155, 295, 4, raised));
        EXPECT_TRUE(AllOf(raster, 315, 310, 335, 325, expected::kBlack));  // the gap in the bottom row
    }

    // The T at the preview origin: grid (1,0), (0,1), (1,1), (2,1).
    void ExpectPreviewOfT(bool raised) {
        EXPECT_TRUE(ShowsTile(raster, 55, 50, 3, raised));
        EXPECT_TRUE(ShowsTile(raster, 35, 65, 3, raised));
        EXPECT_TRUE(ShowsTile(raster, 55, 65, 3, raised));
        EXPECT_TRUE(ShowsTile(raster, 75, 65, 3, raised));
        EXPECT_TRUE(AllOf(raster, 35, 50, 55, 65, expected::kBackground));
        EXPECT_TRUE(AllOf(raster, 30, 80, 125, 126, expected::kBackground));
    }

    // The falling L at column 5, row 7: grid (0,0), (1,0), (0,1), (0,2).
    void ExpectFallingL(bool raised) {
        EXPECT_TRUE(ShowsTile(raster, 235, 115, 1, raised));
        EXPECT_TRUE(ShowsTile(raster, 255, 115, 1, raised));
        EXPECT_TRUE(ShowsTile(raster, 235, 130, 1, raised));
        EXPECT_TRUE(ShowsTile(raster, 235, 145, 1, raised));
        EXPECT_TRUE(AllOf(raster, 255, 130, 275, 160, expected::kBlack));
    }
};

TEST_F(WindowTest, FillsTheWholeClientAreaAndDrawsNothingPastColumn469OrRow328) {
    MidGame();
    Repaint();
    EXPECT_TRUE(AllOf(raster, 470, 0, kWidth, kHeight, expected::kBackground));
    EXPECT_TRUE(AllOf(raster, 0, 329, kWidth, kHeight, expected::kBackground));
    EXPECT_TRUE(AllOf(raster, 0, 0, 10, 186, expected::kBackground));
    EXPECT_TRUE(AllOf(raster, 341, 0, 365, 329, expected::kBackground));
}

TEST_F(WindowTest, WritesTheFiveLabelsInGbkAtTheirPlaces) {
    Repaint();
    const std::vector<Raster::TextCall>& texts = raster.texts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].x, 10);
    EXPECT_EQ(texts[0].y, 10);
    EXPECT_EQ(texts[0].bytes, "\xCF\xC2\xD2\xBB\xB8\xF6:");  // 下一个:
    EXPECT_EQ(texts[1].bytes, "\xB7\xD6\xCA\xFD:");              // 分数:
    EXPECT_EQ(texts[2].bytes, "\xD0\xD0\xCA\xFD:");              // 行数:
    EXPECT_EQ(texts[3].bytes, "\xCB\xD9\xB6\xC8:");              // 速度:
    EXPECT_EQ(texts[4].bytes, "\xC6\xF0\xCA\xBC\xD0\xD0\xCA\xFD:");  // 起始行数:
    const int ys[] = {5, 60, 115, 170};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(texts[i + 1].x, 360);
        EXPECT_EQ(texts[i + 1].y, ys[i]);
    }
}

TEST_F(WindowTest, LogoSitsAt26_186OnTheBackground) {
    Repaint();
    for (int y = 0; y < kLogoHeight; ++y)
        for (int x = 0; x < kLogoWidth; ++x)
            ASSERT_EQ(raster.Pixel(26 + x, 186 + y), LogoPixel(x, y)) << x << "," << y;
    EXPECT_TRUE(AllOf(raster, 25, 186, 26, 278, expected::kBackground));
    EXPECT_TRUE(AllOf(raster, 104, 186, 105, 278, expected::kBackground));
    EXPECT_TRUE(AllOf(raster, 26, 185, 104, 186, expected::kBackground));
    EXPECT_TRUE(AllOf(raster, 26, 278, 104, 279, expected::kBackground));
}

TEST_F(WindowTest, BeforeTheFirstGameTheWellIsEmptyAndThePreviewBoxBlank) {
    game.state.nextIndex = 3;  // not shown: no game has been started
    Repaint();
    EXPECT_TRUE(AllOf(raster, 135, 10, 335, 325, expected::kBlack));
    EXPECT_TRUE(AllOf(raster, 10, 30, 130, 180, expected::kBackground));
    for (int x = 366; x <= 431; x += 13) {
        EXPECT_TRUE(ShowsGlyph(raster, x, 30, 10));
        EXPECT_TRUE(ShowsGlyph(raster, x, 85, 10));
    }
    EXPECT_TRUE(ShowsGlyph(raster, 444, 30, 0));
    EXPECT_TRUE(ShowsGlyph(raster, 444, 85, 0));
    EXPECT_TRUE(ShowsGlyph(raster, 405, 140, 0));
    EXPECT_TRUE(ShowsGlyph(raster, 405, 195, 0));
}

TEST_F(WindowTest, FramesSurroundTheWellAndEachCounter) {
    Repaint();
    // the well frame: grey top-left, black inner, white bottom-right, three
    // background pixels to the picture area
    EXPECT_TRUE(SameColour(raster.Pixel(130, 5), Rgb{128, 128, 128}));
    EXPECT_TRUE(SameColour(raster.Pixel(131, 6), Rgb{0, 0, 0}));
    EXPECT_TRUE(SameColour(raster.Pixel(339, 5), Rgb{255, 255, 255}));
    EXPECT_TRUE(SameColour(raster.Pixel(200, 328), Rgb{255, 255, 255}));
    EXPECT_TRUE(AllOf(raster, 132, 7, 135, 325, expected::kBackground));
    EXPECT_TRUE(AllOf(raster, 335, 7, 338, 325, expected::kBackground));
    EXPECT_TRUE(AllOf(raster, 132, 7, 338, 10, expected::kBackground));
    EXPECT_TRUE(AllOf(raster, 132, 325, 338, 327, expected::kBackground));
    // counter boxes: inner top line at y+1, glyphs y+2..y+24, bottom white at y+26
    for (int y : {28, 83, 138, 193}) {
        EXPECT_TRUE(SameColour(raster.Pixel(365, y), Rgb{128, 128, 128})) << y;
        EXPECT_TRUE(SameColour(raster.Pixel(370, y + 1), Rgb{0, 0, 0})) << y;
        EXPECT_TRUE(SameColour(raster.Pixel(370, y + 26), Rgb{255, 255, 255})) << y;
        EXPECT_TRUE(AllOf(raster, 365, y + 27, 470, y + 28, expected::kBackground)) << y;
    }
    EXPECT_TRUE(SameColour(raster.Pixel(458, 28), Rgb{255, 255, 255}));
    EXPECT_TRUE(SameColour(raster.Pixel(420, 138), Rgb{255, 255, 255}));
}

TEST_F(WindowTest, DuringAGameShowsStackPreviewAndFallingShape) {
    MidGame();
    Repaint();
    ExpectMidGameStack(true);
    ExpectPreviewOfT(true);
    ExpectFallingL(true);
}

TEST_F(WindowTest, PausedGameStillShowsTheFallingShape) {
    MidGame();
    game.state.paused = 1;
    game.state.autoPaused = 1;
    Repaint();
    ExpectFallingL(true);
}

TEST_F(WindowTest, PreviewOffLeavesTheBoxEmpty) {
    MidGame();
    game.options.preview = 0;
    raster.FillRect(30, 33, 125, 126, Rgb{9, 9, 9});  // what the old preview left
    Repaint();
    EXPECT_TRUE(AllOf(raster, 30, 33, 125, 126, expected::kBackground));
    ExpectFallingL(true);
}

TEST_F(WindowTest, FlatLookRedrawsWellPreviewAndShape) {
    MidGame();
    game.options.look3D = 0;
    Repaint();
    ExpectMidGameStack(false);
    ExpectPreviewOfT(false);
    ExpectFallingL(false);
}

TEST_F(WindowTest, DuringTheScoreEntryTheShapeThatDidNotFitCoversTheStack) {
    MidGame();
    for (int r = 1; r <= 20; ++r) game.well.cells[r][5] = 5;  // a grey tower in playfield column 4
    game.state.column = 4;
    game.state.row = 0;  // the L at its spawn place, over the tower in rows 1 and 2
    Repaint();
    EXPECT_TRUE(ShowsTile(raster, 215, 10, 1, true));
    EXPECT_TRUE(ShowsTile(raster, 235, 10, 1, true));
    EXPECT_TRUE(ShowsTile(raster, 215, 25, 1, true));
    EXPECT_TRUE(ShowsTile(raster, 215, 40, 1, true));
    EXPECT_TRUE(ShowsTile(raster, 215, 55, 4, true));  // the tower below it
    ExpectPreviewOfT(true);
}

TEST_F(WindowTest, FromTheReplayQuestionOnTheStackShowsWithoutTheShape) {
    MidGame();
    for (int r = 1; r <= 20; ++r) game.well.cells[r][5] = 5;
    game.state.column = 4;
    game.state.row = 0;
    game.state.shapeVisible = 0;
    Repaint();
    EXPECT_TRUE(AllOf(raster, 215, 10, 255, 25, expected::kBlack));
    for (int r = 1; r <= 20; ++r) EXPECT_TRUE(ShowsTile(raster, 215, 10 + 15 * r, 4, true)) << r;
    ExpectPreviewOfT(true);
}

TEST_F(WindowTest, TwoRepaintsInARowGiveTheSamePicture) {
    MidGame();
    game.state.score = 12345;
    game.state.speedLevel = 7;
    Repaint();
    Raster again(kWidth, kHeight);
    PaintWindow(again, game, kWidth, kHeight);
    EXPECT_TRUE(raster.SamePixels(again));
}

}  // namespace
