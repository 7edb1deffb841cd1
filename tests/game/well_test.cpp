#include <gtest/gtest.h>

#include "game/well.h"
#include "tests/game/recording_host.h"

namespace {

class WellTest : public ::testing::Test {
protected:
    void SetUp() override { StartFresh(game, host); }
    Game game;
    RecordingHost host;
};

TEST_F(WellTest, ResetMakesWallsFloorAndAnEmptyPlayfield) {
    game.well.cells[5][5] = 3;
    ResetWell(game.well);
    for (int r = 0; r < kWellRows; ++r) {
        for (int c = 0; c < kWellColumns; ++c) {
            const bool solid = c == 0 || c == 11 || r == 21;
            EXPECT_EQ(game.well.cells[r][c], solid ? -1 : 0) << r << "," << c;
        }
    }
}

TEST_F(WellTest, EveryShapeFitsAtTheSpawnPositionOfAnEmptyWell) {
    for (const ShapeRecord& s : ShapeCatalogue) EXPECT_FALSE(Collides(game.well, s, 4, 0));
}

TEST_F(WellTest, BarReachesBothWallsButNotIntoThem) {
    const ShapeRecord& bar = ShapeCatalogue[0];  // cells in grid column 1
    EXPECT_FALSE(Collides(game.well, bar, -1, 0));
    EXPECT_TRUE(Collides(game.well, bar, -2, 0));
    EXPECT_FALSE(Collides(game.well, bar, 8, 0));
    EXPECT_TRUE(Collides(game.well, bar, 9, 0));
}

TEST_F(WellTest, FloorStopsTheLowestCellAtRowTwenty) {
    const ShapeRecord& square = ShapeCatalogue[6];  // two rows high
    EXPECT_FALSE(Collides(game.well, square, 4, 19));
    EXPECT_TRUE(Collides(game.well, square, 4, 20));
}

TEST_F(WellTest, SettledCellBlocksOnlyTheCellsOfTheShape) {
    game.well.cells[0][5] = 2;  // inside the T's bounding square, not under a cell
    const ShapeRecord& tee = ShapeCatalogue[3];  // .X.. / XXX.
    EXPECT_FALSE(Collides(game.well, tee, 4, 0));
    game.well.cells[1][7] = 2;
    EXPECT_TRUE(Collides(game.well, tee, 4, 0));
}

TEST_F(WellTest, CellsOutsideTheArrayNeverCollide) {
    const ShapeRecord& bar = ShapeCatalogue[0];
    EXPECT_FALSE(Collides(game.well, bar, 4, -3));  // one cell left inside, rows above the well
    ShapeRecord flat = bar;
    RotateShape(flat, 0);  // row 1 of the grid
    EXPECT_FALSE(Collides(game.well, flat, 3, -1));
}

TEST_F(WellTest, EmptyRecordNeverCollides) {
    for (int row : {-5, 0, 21, 40})
        for (int column : {-9, -1, 4, 11}) EXPECT_FALSE(Collides(game.well, kEmptyShape, column, row));
}

TEST_F(WellTest, MergeWritesTheColourIndexAndPaintsNothing) {
    game.state.shape = ShapeCatalogue[3];
    game.state.shapeIndex = 3;
    game.state.column = 2;
    game.state.row = 10;
    MergeShape(game);
    EXPECT_TRUE(host.Take().empty());
    int written = 0;
    for (int r = 0; r < kWellRows; ++r)
        for (int c = 1; c <= 10; ++c) written += game.well.cells[r][c] == 4;
    EXPECT_EQ(written, 4);
    EXPECT_EQ(game.well.cells[10][4], 4);
    EXPECT_EQ(game.well.cells[11][3], 4);
    EXPECT_EQ(game.well.cells[11][4], 4);
    EXPECT_EQ(game.well.cells[11][5], 4);
}

TEST_F(WellTest, NoStartingRowsStillRepaintsTheEmptyWell) {
    game.state.startRows = 0;
    const Random before = game.random;
    FillStartingRows(game);
    EXPECT_EQ(host.Take(), (std::vector<std::string>{"well"}));
    EXPECT_EQ(game.random.state, before.state);
    for (int r = 0; r <= 20; ++r) EXPECT_TRUE(IsEmptyRow(game.well, r));
}

TEST_F(WellTest, StartingRowsDrawCoinThenColourFromTheBottomLeft) {
    game.state.startRows = 16;
    game.state.shapeCount = 11;
    FillStartingRows(game);
    // Replay the draws in the order they must happen.
    Random replay;
    SeedRandom(replay, 1);
    for (int r = 20; r >= 5; --r) {
        for (int c = 1; c <= 10; ++c) {
            const int expected = rand_below(replay, 2) == 1 ? rand_below(replay, 11) + 1 : 0;
            EXPECT_EQ(game.well.cells[r][c], expected) << r << "," << c;
        }
    }
    for (int r = 0; r < 5; ++r) EXPECT_TRUE(IsEmptyRow(game.well, r)) << r;
    EXPECT_EQ(game.random.state, replay.state);
}

TEST_F(WellTest, StartingRowColoursFollowTheShapeCount) {
    game.state.startRows = 16;
    game.state.shapeCount = 7;
    FillStartingRows(game);
    for (int r = 5; r <= 20; ++r)
        for (int c = 1; c <= 10; ++c) EXPECT_LE(game.well.cells[r][c], 7);
    ResetWell(game.well);
    game.state.shapeCount = 11;
    bool sawLargeColour = false;
    for (int i = 0; i < 20 && !sawLargeColour; ++i) {
        FillStartingRows(game);
        for (int r = 5; r <= 20; ++r)
            for (int c = 1; c <= 10; ++c) sawLargeColour |= game.well.cells[r][c] > 7;
    }
    EXPECT_TRUE(sawLargeColour);
}

}  // namespace
