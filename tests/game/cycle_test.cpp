#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "game/cycle.h"
#include "game/difficulty.h"
#include "game/start.h"
#include "game/well.h"
#include "resources/texts.h"
#include "tests/game/recording_host.h"

namespace {

using Calls = std::vector<std::string>;

class CycleTest : public ::testing::Test {
protected:
    void SetUp() override { StartFresh(game, host); }

    // A game whose falling shape is `index` at the spawn position.
    void StartWith(int index) {
        NewGame(game);
        game.state.shapeIndex = index;
        game.state.shape = ShapeCatalogue[index];
        host.Take();
    }

    Game game;
    RecordingHost host;
};

TEST_F(CycleTest, NewGamePaintsInOrderAndDrawsNextBeforeFirst) {
    game.state.startRows = 1;
    NewGame(game);
    EXPECT_EQ(host.Take(), (Calls{"well", "score", "lines", "timer 1100", "preview", "button Pause 1", "label"}));
    // Draw order: ten coins (and colours) of the starting row, next, first.
    Random replay;
    SeedRandom(replay, 1);
    for (int c = 0; c < 10; ++c)
        if (rand_below(replay, 2) == 1) rand_below(replay, 7);
    EXPECT_EQ(game.state.nextIndex, rand_below(replay, 7));
    EXPECT_EQ(game.state.shapeIndex, rand_below(replay, 7));
    const GameState& s = game.state;
    EXPECT_EQ(s.column, 4);
    EXPECT_EQ(s.row, 0);
    EXPECT_EQ(s.running, 1);
    EXPECT_EQ(s.shapeVisible, 1);
    EXPECT_EQ(s.paused, 0);
    EXPECT_EQ(std::string(s.shape.grid), std::string(ShapeCatalogue[s.shapeIndex].grid));
}

TEST_F(CycleTest, NewGameWithoutPreviewPaintsNoPreview) {
    game.options.preview = 0;
    NewGame(game);
    for (const std::string& call : host.Take()) EXPECT_NE(call, "preview");
}

TEST_F(CycleTest, FirstShapeOfElevenShapeGamesIsAFourCellShape) {
    game.state.shapeCount = 11;
    bool sawLargeNext = false;
    for (uint32_t i = 0; i < 300; ++i) {
        const uint32_t seed = 1700000000u + 977u * i;
        SeedRandom(game.random, seed);
        NewGame(game);
        ASSERT_LT(game.state.shapeIndex, 7) << seed;
        sawLargeNext |= game.state.nextIndex >= 7;
    }
    EXPECT_TRUE(sawLargeNext);
}

TEST_F(CycleTest, FirstTickShowsTheShapeAtRowOne) {
    StartWith(3);
    Tick(game);
    host.Settle(game);
    EXPECT_EQ(game.state.row, 1);
    EXPECT_EQ(host.Take(), (Calls{"piece erase", "piece draw"}));
}

// A front end closes an open menu when a step stops for a request: the tick
// that settles the shape must stop for the lock sound before it changes or
// paints anything, and a tick that moves the shape must not stop at all.
TEST_F(CycleTest, ASettlingTickStopsForTheLockSoundBeforeAnythingElse) {
    StartWith(3);
    for (int moves = 0; moves < 30 && IsEmptyRow(game.well, kBottomRow); ++moves) {
        const GameState before = game.state;
        const Well well = game.well;
        host.Take();
        Tick(game);
        if (PendingRequest(game) == Request::None) {
            EXPECT_EQ(game.state.row, before.row + 1);
            continue;
        }
        EXPECT_EQ(PendingRequest(game), Request::Sound);
        EXPECT_EQ(TopSuspension(game).value, LockSound);
        EXPECT_TRUE(host.Take().empty());
        EXPECT_EQ(game.state.row, before.row);
        EXPECT_EQ(0, std::memcmp(&well, &game.well, sizeof well));
        host.Settle(game);
    }
    EXPECT_FALSE(IsEmptyRow(game.well, kBottomRow));
}

TEST_F(CycleTest, MovesPaintEraseThenDrawAndRefusalsPaintNothing) {
    StartWith(0);  // bar in grid column 1: reaches column -1
    for (int i = 0; i < 5; ++i) MoveLeft(game);
    EXPECT_EQ(game.state.column, -1);
    EXPECT_EQ(host.Take().size(), 10u);
    MoveLeft(game);
    EXPECT_EQ(game.state.column, -1);
    EXPECT_TRUE(host.Take().empty());
    MoveRight(game);
    EXPECT_EQ(host.Take(), (Calls{"piece erase", "piece draw"}));
    EXPECT_EQ(game.state.column, 0);
}

TEST_F(CycleTest, ErasePaintsAtTheOldPlaceAndDrawAtTheNew) {
    struct PositionHost : RecordingHost {
        Game* game = nullptr;
        void Paint(PaintOp op, const ShapeRecord&) override {
            calls.push_back((op == PaintOp::PieceErase ? "erase " : "draw ") + std::to_string(game->state.column) + "," +
                            std::to_string(game->state.row));
        }
    } positions;
    positions.game = &game;
    StartWith(3);
    game.host = &positions;
    MoveRight(game);
    Tick(game);
    host.Settle(game);
    EXPECT_EQ(positions.calls, (Calls{"erase 4,0", "draw 5,0", "erase 5,0", "draw 5,1"}));
}

TEST_F(CycleTest, RotationTurnsInPlaceAndRefusalKeepsOrientation) {
    StartWith(0);
    Rotate(game);
    EXPECT_EQ(std::string(game.state.shape.grid), "    ****        ");
    EXPECT_EQ(host.Take(), (Calls{"piece erase", "piece draw"}));
    Rotate(game);
    // Bar upright at the right wall: lying flat would overlap the wall.
    for (int i = 0; i < 6; ++i) MoveRight(game);
    EXPECT_EQ(game.state.column, 8);
    host.Take();
    Rotate(game);
    EXPECT_EQ(std::string(game.state.shape.grid), std::string(ShapeCatalogue[0].grid));
    EXPECT_EQ(game.state.column, 8);
    EXPECT_TRUE(host.Take().empty());
}

TEST_F(CycleTest, RotationErasesTheOldOrientationAndDrawsTheNew) {
    struct GridHost : RecordingHost {
        void Paint(PaintOp op, const ShapeRecord& shape) override {
            calls.push_back((op == PaintOp::PieceErase ? "erase " : "draw ") + std::string(shape.grid, 16));
        }
    } grids;
    StartWith(3);
    game.host = &grids;
    game.options.rotateDir = 0;
    Rotate(game);
    EXPECT_EQ(grids.calls, (Calls{"erase  *  ***         ", "draw  *   **  *      "}));
}

TEST_F(CycleTest, RotationBlockedBySettledCellIsRefused) {
    StartWith(3);
    game.well.cells[2][6] = 1;  // below the T's stem after a clockwise turn
    Rotate(game);
    EXPECT_EQ(std::string(game.state.shape.grid), std::string(ShapeCatalogue[3].grid));
    EXPECT_TRUE(host.Take().empty());
}

TEST_F(CycleTest, PausedCommandsDoNothing) {
    StartWith(3);
    TogglePause(game);
    host.Take();
    const GameState before = game.state;
    Tick(game);
    host.Settle(game);
    MoveLeft(game);
    MoveRight(game);
    Rotate(game);
    DownKeyPressed(game, false);
    host.Settle(game);
    EXPECT_TRUE(host.Take().empty());
    EXPECT_EQ(game.state.row, before.row);
    EXPECT_EQ(game.state.column, before.column);
}

TEST_F(CycleTest, BeforeTheFirstGameOnlyPositionDrifts) {
    Tick(game);
    host.Settle(game);
    MoveLeft(game);
    Rotate(game);
    EXPECT_EQ(host.Take(), (Calls{"piece erase", "piece draw", "piece erase", "piece draw", "piece erase", "piece draw"}));
    EXPECT_EQ(game.state.row, 1);
    EXPECT_EQ(game.state.column, 3);
    DownKeyPressed(game, false);
    host.Settle(game);
    EXPECT_TRUE(host.Take().empty());
    for (int r = 0; r <= 20; ++r) EXPECT_TRUE(IsEmptyRow(game.well, r));
}

TEST_F(CycleTest, EndlessDriftBeforeTheFirstGameWrapsAtTheLimits) {
    game.state.row = INT32_MAX;
    game.state.column = INT32_MIN;
    Tick(game);
    host.Settle(game);
    MoveLeft(game);
    EXPECT_EQ(game.state.row, INT32_MIN);
    EXPECT_EQ(game.state.column, INT32_MAX);
}

TEST_F(CycleTest, HardDropSettlesAtTheLowestRowWithoutTouchingTheTimer) {
    StartWith(6);  // square
    DownKeyPressed(game, false);
    host.Settle(game);
    EXPECT_EQ(host.Take(), (Calls{"piece erase", "piece draw", "sound 110", "preview"}));
    EXPECT_EQ(game.well.cells[19][5], 7);
    EXPECT_EQ(game.well.cells[20][6], 7);
    EXPECT_EQ(game.state.row, 0);  // the next shape at the spawn position
    EXPECT_EQ(game.state.fastFall, 0);
}

TEST_F(CycleTest, HardDropOfARestingShapeSettlesItWhereItIs) {
    StartWith(6);
    for (int c = 1; c <= 10; ++c) game.well.cells[2][c] = 1;
    game.well.cells[2][1] = 0;
    host.answerYes = false;  // the next shape cannot enter: keep the final well
    DownKeyPressed(game, false);
    host.Settle(game);
    EXPECT_EQ(game.well.cells[0][5], 7);
    EXPECT_EQ(game.well.cells[1][6], 7);
}

TEST_F(CycleTest, FastFallStyleArmsZeroAndReleaseRestoresTheInterval) {
    game.options.dropStyle = 0;
    StartWith(3);
    DownKeyPressed(game, false);
    host.Settle(game);
    EXPECT_EQ(host.Take(), (Calls{"timer 0"}));
    DownKeyReleased(game);
    EXPECT_EQ(host.Take(), (Calls{"timer 1100"}));
}

TEST_F(CycleTest, CtrlDownInDropStyleFallsFastThenPlainDownDrops) {
    StartWith(3);
    DownKeyPressed(game, true);
    host.Settle(game);
    EXPECT_EQ(game.state.fastFall, 1);
    EXPECT_EQ(host.Take(), (Calls{"timer 0"}));
    DownKeyReleased(game);
    EXPECT_EQ(host.Take(), (Calls{"timer 1100"}));
    // fastFall stays until the next drop clears it.
    EXPECT_EQ(game.state.fastFall, 1);
    DownKeyPressed(game, false);
    host.Settle(game);
    EXPECT_EQ(game.state.fastFall, 0);
    host.Take();
    DownKeyReleased(game);
    EXPECT_TRUE(host.Take().empty());
}

TEST_F(CycleTest, NegativeIntervalIsArmedAsZero) {
    game.state.interval = -40;
    game.options.dropStyle = 0;
    StartWith(3);
    DownKeyReleased(game);
    EXPECT_EQ(host.Take(), (Calls{"timer 0"}));
    EXPECT_EQ(game.state.interval, -40);
}

TEST_F(CycleTest, LockTakesTheNextShapeAndDrawsANewOne) {
    StartWith(6);
    game.state.nextIndex = 2;
    game.state.row = 19;
    Tick(game);  // cannot fall: locks
    host.Settle(game);
    EXPECT_EQ(host.Take(), (Calls{"sound 110", "preview"}));
    EXPECT_EQ(game.state.shapeIndex, 2);
    EXPECT_EQ(std::string(game.state.shape.grid), std::string(ShapeCatalogue[2].grid));
    EXPECT_EQ(game.state.column, 4);
    EXPECT_EQ(game.state.row, 0);
}

TEST_F(CycleTest, ClearingAcrossTenThousandSpeedsUpBeforeTheNextShape) {
    StartWith(0);
    game.state.score = 9900;
    for (int c = 1; c <= 10; ++c) game.well.cells[20][c] = c == 6 ? 0 : 1;
    DownKeyPressed(game, false);  // bar upright in well column 6 completes row 20
    host.Settle(game);
    EXPECT_EQ(host.Take(), (Calls{"piece erase", "piece draw", "sound 110", "sound 111", "well", "lines", "score",
                                  "button SpeedDown 1", "speed", "timer 1000", "preview"}));
    EXPECT_EQ(game.state.speedLevel, 1);
}

// With the Sound option off each sound's step is a silent wait of 100 ms
// that the rules ask for, still naming the sound it stands for.
TEST_F(CycleTest, WithSoundOffEachSoundIsASilentWaitNamingItsSound) {
    StartWith(0);
    game.options.sound = 0;
    for (int c = 1; c <= 10; ++c) game.well.cells[20][c] = c == 6 ? 0 : 1;
    DownKeyPressed(game, false);
    ASSERT_EQ(PendingRequest(game), Request::Wait);
    EXPECT_EQ(TopSuspension(game).value, 100);
    EXPECT_EQ(TopSuspension(game).sound, LockSound);
    ResumeRules(game, true);
    ASSERT_EQ(PendingRequest(game), Request::Wait);
    EXPECT_EQ(TopSuspension(game).value, 100);
    EXPECT_EQ(TopSuspension(game).sound, RowSound);
    host.Settle(game);
    EXPECT_EQ(game.state.lines, 1);
}

TEST_F(CycleTest, GameOverDrawsTheShapeOverTheStackThenAsks) {
    StartWith(6);
    game.state.nextIndex = 6;
    for (int c = 1; c <= 10; ++c) game.well.cells[1][c] = c == 1 ? 0 : 2;
    game.state.row = 0;
    game.host->PaintPiece(game.state.shape, 0);
    host.Take();
    host.answerYes = false;
    Tick(game);
    host.Settle(game);
    EXPECT_EQ(host.Take(), (Calls{"sound 110", "preview", "piece draw", "timer stop", "button Pause 0", "highscore",
                                  std::string("ask ") + kReplayTitle + "|" + kReplayQuestion, "quit"}));
    EXPECT_EQ(game.state.shapeVisible, 0);
    EXPECT_EQ(game.state.running, 1);
}

TEST_F(CycleTest, GameOverWithYesUnpausesAndStartsANewGame) {
    StartWith(6);
    game.state.nextIndex = 6;
    for (int c = 1; c <= 10; ++c) game.well.cells[1][c] = c == 1 ? 0 : 2;
    game.state.autoPaused = 1;
    DownKeyPressed(game, false);
    host.Settle(game);
    const Calls calls = host.Take();
    const Calls tail(calls.end() - 9, calls.end());
    EXPECT_EQ(tail, (Calls{std::string("ask ") + kReplayTitle + "|" + kReplayQuestion, "label", "well", "score",
                           "lines", "timer 1100", "preview", "button Pause 1", "label"}));
    EXPECT_FALSE(host.quit);
    EXPECT_EQ(game.state.paused, 0);
    EXPECT_EQ(game.state.shapeVisible, 1);
    EXPECT_EQ(game.state.autoPaused, 1);  // carried over untouched
    for (int r = 0; r <= 20; ++r) EXPECT_TRUE(IsEmptyRow(game.well, r));
}

TEST_F(CycleTest, ManualPauseSurvivesActivationChanges) {
    StartWith(3);
    TogglePause(game);
    AutoPause(game);
    EXPECT_EQ(game.state.autoPaused, 0);
    AutoResume(game);
    EXPECT_EQ(game.state.paused, 1);
    TogglePause(game);
    EXPECT_EQ(game.state.paused, 0);
}

TEST_F(CycleTest, AutomaticPauseEndsWithActivation) {
    StartWith(3);
    AutoPause(game);
    EXPECT_EQ(game.state.paused, 1);
    EXPECT_EQ(game.state.autoPaused, 1);
    AutoResume(game);
    EXPECT_EQ(game.state.paused, 0);
    EXPECT_EQ(game.state.autoPaused, 0);
    EXPECT_EQ(host.Take(), (Calls{"label", "label"}));
}

TEST_F(CycleTest, ActivationBeforeTheFirstGameChangesNothing) {
    AutoPause(game);
    AutoResume(game);
    EXPECT_EQ(game.state.paused, 0);
    EXPECT_EQ(game.state.autoPaused, 0);
    EXPECT_TRUE(host.Take().empty());
}

TEST_F(CycleTest, NewGameWhilePausedStartsUnpausedKeepingDifficulty) {
    StartWith(3);
    SpeedUp(game);
    RowsUp(game);
    TogglePause(game);
    NewGame(game);
    EXPECT_EQ(game.state.paused, 0);
    EXPECT_EQ(game.state.speedLevel, 1);
    EXPECT_EQ(game.state.interval, 1000);
    EXPECT_EQ(game.state.startRows, 1);
}

}  // namespace
