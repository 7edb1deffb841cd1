// What each game command costs at the surface: a move repaints only the
// shape's cells, never the well.
#include <gtest/gtest.h>

#include "game/cycle.h"
#include "game/lines.h"
#include "game/lock.h"
#include "game/start.h"
#include "game/well.h"
#include "tests/bench/surface_host.h"
#include "tests/support/settle.h"

namespace {

class PaintCost : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGame(game, host, 3);
        NewGame(game);
        surface.Reset();
    }

    void Use(int shapeIndex) {
        game.state.shapeIndex = shapeIndex;
        game.state.shape = ShapeCatalogue[shapeIndex];
    }

    Game game;
    CountingSurface surface;
    SurfaceHost host{game, surface};
};

TEST_F(PaintCost, MoveIsTheEraseAndTheDrawOfTheShapesCells) {
    for (int index : {0, 3, 6, 10}) {
        SetUp();
        Use(index);
        int cells = 0;
        for (char c : std::string(ShapeCatalogue[index].grid)) cells += c == '*';
        MoveRight(game);
        EXPECT_EQ(surface.fills, cells) << index;  // erase
        EXPECT_EQ(surface.copies, cells) << index;  // draw
        EXPECT_EQ(surface.total(), 2 * cells) << index;
    }
}

TEST_F(PaintCost, GravityStepAndRotationCostTheSameAsAMove) {
    Use(3);
    Tick(game);
    EXPECT_EQ(surface.total(), 8);
    surface.Reset();
    Rotate(game);
    EXPECT_EQ(surface.total(), 8);
}

TEST_F(PaintCost, RefusedMovePaintsNothing) {
    Use(0);
    for (int i = 0; i < 10; ++i) MoveLeft(game);
    surface.Reset();
    MoveLeft(game);
    EXPECT_EQ(surface.total(), 0);
}

TEST_F(PaintCost, RowRemovalRepaintsTheWellOnceAndTwoCounters) {
    for (int c = 1; c <= 10; ++c) game.well.cells[20][c] = 1;
    for (int c = 1; c <= 5; ++c) game.well.cells[19][c] = 2;
    game.options.preview = 0;  // the lock's end then paints nothing more
    surface.Reset();
    ClearFullRows(game);
    SettleRequests(game);
    EXPECT_EQ(game.state.speedLevel, 0);
    // Well: one black fill and one tile per settled cell left; lines and
    // score: seven glyphs each.
    EXPECT_EQ(surface.fills, 1);
    EXPECT_EQ(surface.copies, 5 + 7 + 7);
    EXPECT_EQ(surface.lines, 0);
}

TEST_F(PaintCost, FullRepaintDrawsEverythingOnce) {
    surface.Reset();
    PaintWindow(surface, game, 479, 340);
    // The logo; seven glyphs each for score and lines, four blanks then one
    // digit each for speed and starting rows; the preview's four cells and
    // the falling shape's four.
    EXPECT_EQ(surface.copies, 1 + 7 + 7 + 5 + 5 + 4 + 4);
    EXPECT_EQ(surface.lines, 5 * 8);  // five frames of eight lines
    EXPECT_EQ(surface.pens, 5 * 4);   // with a pen for each of four colours
    EXPECT_EQ(surface.texts, 5);
}

}  // namespace
