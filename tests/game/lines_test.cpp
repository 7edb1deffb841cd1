#include <gtest/gtest.h>

#include "game/lines.h"
#include "game/lock.h"
#include "game/well.h"
#include "tests/game/recording_host.h"

namespace {

using Calls = std::vector<std::string>;

class LinesTest : public ::testing::Test {
protected:
    // Without the preview, finishing the lock paints nothing unless the
    // speed goes up.
    void SetUp() override {
        StartFresh(game, host);
        game.options.preview = 0;
    }

    // Clears the rows as a lock does, each sound carried out at once; true
    // when the speed went up.
    bool Clear() {
        const int level = game.state.speedLevel;
        ClearFullRows(game);
        host.Settle(game);
        return game.state.speedLevel > level;
    }

    void FillRow(int row, int colour = 1) {
        for (int c = 1; c <= 10; ++c) game.well.cells[row][c] = colour;
    }
    // A row with one hole: neither full nor empty.
    void FillRowWithHole(int row, int hole, int colour = 2) {
        FillRow(row, colour);
        game.well.cells[row][hole + 1] = 0;
    }

    Game game;
    RecordingHost host;
};

TEST_F(LinesTest, NoFullRowPaintsAndPlaysNothing) {
    FillRowWithHole(20, 3);
    game.options.inverse = 0;
    game.state.score = 500;
    EXPECT_FALSE(Clear());
    EXPECT_TRUE(host.Take().empty());
    EXPECT_EQ(game.state.score, 500);
    EXPECT_EQ(game.well.cells[20][1], 2);  // not inverted
}

TEST_F(LinesTest, RowsEighteenAndTwentyGoInTurnAndScoreTwoRows) {
    FillRow(18, 5);
    FillRowWithHole(19, 0, 6);
    FillRow(20, 7);
    game.well.cells[17][3] = 9;
    EXPECT_FALSE(Clear());
    EXPECT_EQ(host.Take(), (Calls{"sound 111", "well", "lines", "sound 111", "well", "lines", "score"}));
    EXPECT_EQ(game.state.lines, 2);
    EXPECT_EQ(game.state.score, 300);
    // The former row 19 now lies at the bottom, the former row 17 above it.
    EXPECT_EQ(game.well.cells[20][1], 0);
    EXPECT_EQ(game.well.cells[20][2], 6);
    EXPECT_EQ(game.well.cells[19][3], 9);
    for (int r = 0; r <= 18; ++r) EXPECT_TRUE(IsEmptyRow(game.well, r)) << r;
}

TEST_F(LinesTest, LinesCountIsUpdatedBeforeEachRowSound) {
    struct CountingHost : RecordingHost {
        std::vector<int> linesAtSound;
        void OnSound(Game& g, int) override { linesAtSound.push_back(g.state.lines); }
    } counting;
    game.host = &counting;
    FillRow(19);
    FillRow(20);
    ClearFullRows(game);
    counting.Settle(game);
    EXPECT_EQ(counting.linesAtSound, (std::vector<int>{1, 2}));
}

TEST_F(LinesTest, PointsFollowTheTableAndFiveRowsScoreNothing) {
    const int expected[] = {0, 100, 300, 700, 1500, 0, 0};
    for (int rows = 1; rows <= 6; ++rows) {
        ResetWell(game.well);
        game.state.score = 0;
        for (int i = 0; i < rows; ++i) FillRow(20 - i);
        Clear();
        EXPECT_EQ(game.state.score, expected[rows]) << rows << " rows";
        for (int r = 0; r <= 20; ++r) EXPECT_TRUE(IsEmptyRow(game.well, r));
    }
}

TEST_F(LinesTest, TopRowIsRemovedByEmptyingIt) {
    FillRow(0, 4);
    FillRowWithHole(1, 2, 3);
    host.answerYes = false;  // the next shape cannot enter: keep the final well
    EXPECT_FALSE(Clear());
    EXPECT_TRUE(IsEmptyRow(game.well, 0));
    EXPECT_EQ(game.well.cells[1][1], 3);
    EXPECT_EQ(game.state.lines, 1);
}

TEST_F(LinesTest, WallsAndFloorNeverMove) {
    FillRow(20);
    FillRow(0);
    Clear();
    for (int r = 0; r < kWellRows; ++r) {
        EXPECT_EQ(game.well.cells[r][0], -1);
        EXPECT_EQ(game.well.cells[r][11], -1);
    }
    for (int c = 0; c < kWellColumns; ++c) EXPECT_EQ(game.well.cells[21][c], -1);
}

TEST_F(LinesTest, CrossingTenThousandRaisesSpeedInsteadOfInverting) {
    game.options.inverse = 0;
    game.state.score = 9900;
    FillRowWithHole(19, 4);
    FillRow(20);
    EXPECT_TRUE(Clear());
    EXPECT_EQ(game.state.score, 10000);
    EXPECT_EQ(game.well.cells[20][1], 2);  // the holed row, not inverted
    EXPECT_EQ(game.well.cells[20][5], 0);
    const Calls calls = host.Take();
    EXPECT_EQ(Calls(calls.end() - 4, calls.end()), (Calls{"score", "button SpeedDown 1", "speed", "timer 1000"}));
}

TEST_F(LinesTest, NoCrossingWithInversionOnInvertsAndRepaints) {
    game.options.inverse = 0;
    game.state.score = 10000;
    for (int r = 17; r <= 20; ++r) FillRow(r);
    FillRowWithHole(16, 4);
    EXPECT_FALSE(Clear());
    EXPECT_EQ(game.state.score, 11500);
    // Former row 16 is now row 20, inverted: only the hole is filled.
    for (int c = 1; c <= 10; ++c) {
        if (c == 5) {
            EXPECT_GE(game.well.cells[20][c], 1);
            EXPECT_LE(game.well.cells[20][c], 7);
        } else {
            EXPECT_EQ(game.well.cells[20][c], 0);
        }
    }
    const Calls calls = host.Take();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2], "score");
    EXPECT_EQ(calls.back(), "well");
}

TEST_F(LinesTest, CrossingTwentyThousandFromEighteenEightHundred) {
    game.state.score = 18800;
    for (int r = 17; r <= 20; ++r) FillRow(r);
    EXPECT_TRUE(Clear());
    EXPECT_EQ(game.state.score, 20300);
}

TEST_F(LinesTest, InversionOffLeavesTheStack) {
    game.options.inverse = 1;
    FillRow(20);
    FillRowWithHole(19, 0);
    EXPECT_FALSE(Clear());
    EXPECT_EQ(game.well.cells[20][1], 0);
    EXPECT_EQ(game.well.cells[20][2], 2);
    EXPECT_EQ(host.Take().back(), "score");
}

TEST_F(LinesTest, InversionOfAnEmptyBottomRowChangesNothingButRepaints) {
    game.options.inverse = 0;
    FillRow(20);
    Random onlyTheNextShape = game.random;
    rand_below(onlyTheNextShape, game.state.shapeCount);
    Clear();
    EXPECT_EQ(game.random.state, onlyTheNextShape.state);
    for (int r = 0; r <= 20; ++r) EXPECT_TRUE(IsEmptyRow(game.well, r));
    EXPECT_EQ(host.Take().back(), "well");
}

TEST_F(LinesTest, InvertStackStopsAtTheFirstEmptyRowAndUsesSevenColours) {
    game.state.shapeCount = 11;
    FillRowWithHole(20, 0, 9);
    FillRowWithHole(19, 9, 10);
    game.well.cells[17][4] = 11;  // above the empty row 18: untouched
    InvertStack(game);
    EXPECT_GE(game.well.cells[20][1], 1);
    EXPECT_LE(game.well.cells[20][1], 7);
    EXPECT_EQ(game.well.cells[20][2], 0);
    EXPECT_EQ(game.well.cells[19][1], 0);
    EXPECT_GE(game.well.cells[19][10], 1);
    EXPECT_LE(game.well.cells[19][10], 7);
    EXPECT_TRUE(IsEmptyRow(game.well, 18));
    EXPECT_EQ(game.well.cells[17][4], 11);
}

TEST_F(LinesTest, InversionNeverCreatesAFullRow) {
    game.options.inverse = 0;
    for (uint32_t seed = 1; seed < 200; ++seed) {
        ResetWell(game.well);
        SeedRandom(game.random, seed);
        game.state.startRows = 10;
        FillStartingRows(game);
        for (int r = 11; r <= 20; ++r)
            if (IsFullRow(game.well, r)) game.well.cells[r][1] = 0;
        InvertStack(game);
        for (int r = 0; r <= 20; ++r) ASSERT_FALSE(IsFullRow(game.well, r)) << "seed " << seed;
    }
}

}  // namespace
