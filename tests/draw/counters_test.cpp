// The four counters: glyph positions from the layout, blanks, alignment.
#include <gtest/gtest.h>

#include "tests/draw/expected_pictures.h"
#include "tests/draw/paint_fixture.h"

namespace {

using CountersTest = PaintTest;
constexpr int kBlank = 10;

TEST_F(CountersTest, ScoreZeroShowsSixBlanksAndZeroAtX444) {
    game.state.score = 0;
    PaintScore(raster, game);
    for (int x = 366; x <= 431; x += 13) EXPECT_TRUE(ShowsGlyph(raster, x, 30, kBlank));
    EXPECT_TRUE(ShowsGlyph(raster, 444, 30, 0));
    EXPECT_TRUE(AllOf(raster, 365, 30, 366, 53, kUntouched));
    EXPECT_TRUE(AllOf(raster, 457, 30, 458, 53, kUntouched));
    EXPECT_TRUE(AllOf(raster, 366, 29, 457, 30, kUntouched));
    EXPECT_TRUE(AllOf(raster, 366, 53, 457, 54, kUntouched));
}

TEST_F(CountersTest, SevenDigitScoreFillsTheBoxWithoutBlanks) {
    game.state.score = 1234567;
    PaintScore(raster, game);
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(ShowsGlyph(raster, 366 + 13 * i, 30, i + 1));
}

TEST_F(CountersTest, EightDigitsStayRightAlignedAndReachLeftToX353) {
    game.state.score = 98765432;
    PaintScore(raster, game);
    const int digits[] = {9, 8, 7, 6, 5, 4, 3, 2};
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(ShowsGlyph(raster, 353 + 13 * i, 30, digits[i]));
    EXPECT_TRUE(AllOf(raster, 352, 30, 353, 53, kUntouched));
}

TEST_F(CountersTest, ScoreIsReadAsUnsigned) {
    game.state.score = -1;  // 4294967295: ten digits, the first at x 327
    PaintScore(raster, game);
    EXPECT_TRUE(ShowsGlyph(raster, 327, 30, 4));
    for (int i = 1; i < 10; ++i) EXPECT_TRUE(ShowsGlyph(raster, 327 + 13 * i, 30, "4294967295"[i] - '0'));
}

TEST_F(CountersTest, LinesUseTheirOwnRow) {
    game.state.lines = 42;
    PaintLines(raster, game);
    for (int x = 366; x <= 418; x += 13) EXPECT_TRUE(ShowsGlyph(raster, x, 85, kBlank));
    EXPECT_TRUE(ShowsGlyph(raster, 431, 85, 4));
    EXPECT_TRUE(ShowsGlyph(raster, 444, 85, 2));
    EXPECT_TRUE(AllOf(raster, 366, 30, 457, 53, kUntouched));
}

TEST_F(CountersTest, SpeedNineteenShowsTwoBlanksThenOneNine) {
    game.state.speedLevel = 19;
    PaintSpeed(raster, game);
    EXPECT_TRUE(ShowsGlyph(raster, 366, 140, kBlank));
    EXPECT_TRUE(ShowsGlyph(raster, 379, 140, kBlank));
    EXPECT_TRUE(ShowsGlyph(raster, 392, 140, 1));
    EXPECT_TRUE(ShowsGlyph(raster, 405, 140, 9));
    EXPECT_TRUE(AllOf(raster, 418, 140, 419, 163, kUntouched));
}

TEST_F(CountersTest, StartRowsZeroShowsThreeBlanksThenZeroAtX405) {
    game.state.startRows = 0;
    PaintStartRows(raster, game);
    for (int x : {366, 379, 392}) EXPECT_TRUE(ShowsGlyph(raster, x, 195, kBlank));
    EXPECT_TRUE(ShowsGlyph(raster, 405, 195, 0));
    EXPECT_TRUE(AllOf(raster, 418, 195, 419, 218, kUntouched));
}

TEST_F(CountersTest, ShorterSpeedClearsTheDigitsOfALongerOne) {
    game.state.speedLevel = 16;
    PaintSpeed(raster, game);
    game.state.speedLevel = 5;
    PaintSpeed(raster, game);
    EXPECT_TRUE(ShowsGlyph(raster, 392, 140, kBlank));
    EXPECT_TRUE(ShowsGlyph(raster, 405, 140, 5));
}

TEST_F(CountersTest, ShorterScoreAfterANewGameClearsTheOldDigits) {
    game.state.score = 123400;
    PaintScore(raster, game);
    game.state.score = 0;
    PaintScore(raster, game);
    for (int x = 366; x <= 431; x += 13) EXPECT_TRUE(ShowsGlyph(raster, x, 30, kBlank));
    EXPECT_TRUE(ShowsGlyph(raster, 444, 30, 0));
}

}  // namespace
