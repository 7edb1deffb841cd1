#include "game/cycle.h"

#include "game/difficulty.h"
#include "game/lines.h"
#include "game/well.h"
#include "game/wrap.h"

void InitGameState(GameState& state) {
    state = GameState{};
    state.column = kSpawnColumn;
    state.shape = kEmptyShape;
    state.interval = kStartInterval;
    state.shapeCount = 7;
}

void ResetGame(Game& game, GameHost& host, uint32_t seed) {
    game = Game{};
    InitGameState(game.state);
    ResetWell(game.well);
    game.options = kDefaultOptions;
    SeedRandom(game.random, seed);
    game.host = &host;
}

void ArmGravity(Game& game, int milliseconds) {
    game.host->ArmGravityTimer(milliseconds < 0 ? 0 : milliseconds);
}

namespace {

bool CurrentCollides(const Game& game) {
    const GameState& s = game.state;
    return Collides(game.well, s.shape, s.column, s.row);
}

// Tries the shape shifted by (dColumn, dRow); repaints it there when it fits.
// Before the first game the empty shape fits anywhere and drifts without
// end, so the position wraps rather than overflows.
bool TryShift(Game& game, int dColumn, int dRow) {
    GameState& s = game.state;
    const int32_t column = s.column, row = s.row;
    s.column = WrappingAdd(column, dColumn);
    s.row = WrappingAdd(row, dRow);
    const bool fits = !CurrentCollides(game);
    s.column = column;
    s.row = row;
    if (!fits) return false;
    game.host->PaintPiece(s.shape, 1);
    s.column = WrappingAdd(column, dColumn);
    s.row = WrappingAdd(row, dRow);
    game.host->PaintPiece(s.shape, 0);
    return true;
}

void RotateThreeTimes(ShapeRecord& shape, int rotateDir) {
    for (int i = 0; i < 3; ++i) RotateShape(shape, rotateDir);
}

void HardDrop(Game& game) {
    GameState& s = game.state;
    s.fastFall = 0;
    game.host->PaintPiece(s.shape, 1);
    int row = s.row;
    while (!Collides(game.well, s.shape, s.column, row)) ++row;
    s.row = row - 1;
    game.host->PaintPiece(s.shape, 0);
    LockPiece(game);
}

}  // namespace

void NewGame(Game& game) {
    GameState& s = game.state;
    GameHost& host = *game.host;
    ResetWell(game.well);
    s.lines = 0;
    s.score = 0;
    FillStartingRows(game);
    host.PaintScore();
    host.PaintLines();
    ArmGravity(game, s.interval);
    s.nextIndex = rand_below(game.random, s.shapeCount);
    if (game.options.preview != 0) host.PaintPreview(ShapeCatalogue[s.nextIndex]);
    // The first shape of every game is one of the seven four-cell shapes.
    s.shapeIndex = rand_below(game.random, 7);
    s.shape = ShapeCatalogue[s.shapeIndex];
    host.SetButtonEnabled(PauseButton, true);
    s.column = kSpawnColumn;
    s.row = 0;
    s.shapeVisible = 1;
    s.running = 1;
    s.paused = 0;
    host.RefreshPauseLabel();
}

void Tick(Game& game) {
    GameState& s = game.state;
    if (s.paused == 1) return;
    if (!TryShift(game, 0, 1)) LockPiece(game);
}

void MoveLeft(Game& game) {
    if (game.state.paused == 1) return;
    TryShift(game, -1, 0);
}

void MoveRight(Game& game) {
    if (game.state.paused == 1) return;
    TryShift(game, 1, 0);
}

void Rotate(Game& game) {
    GameState& s = game.state;
    if (s.paused == 1) return;
    const int dir = game.options.rotateDir;
    RotateShape(s.shape, dir);
    const bool fits = !CurrentCollides(game);
    RotateThreeTimes(s.shape, dir);
    if (!fits) return;
    game.host->PaintPiece(s.shape, 1);
    RotateShape(s.shape, dir);
    game.host->PaintPiece(s.shape, 0);
}

void DownKeyPressed(Game& game) {
    GameState& s = game.state;
    if (s.paused == 1 || s.running == 0) return;
    if (game.options.dropStyle == 0) {
        ArmGravity(game, 0);
    } else if (game.host->CtrlHeld()) {
        s.fastFall = 1;
        ArmGravity(game, 0);
    } else {
        HardDrop(game);
    }
}

void DownKeyReleased(Game& game) {
    if (game.options.dropStyle == 0 || game.state.fastFall == 1) ArmGravity(game, game.state.interval);
}

// The lock sound comes before anything else of the lock: nothing has
// changed when the step stops for it.
void LockPiece(Game& game) { Suspend(game, Request::Sound, LockSound, Resume::LockAfterSound); }

void ContinueLock(Game& game) {
    MergeShape(game);
    ClearFullRows(game);
}

void FinishLock(Game& game, bool speedUp) {
    GameState& s = game.state;
    if (speedUp) SpeedUp(game);
    s.shapeIndex = s.nextIndex;
    s.nextIndex = rand_below(game.random, s.shapeCount);
    if (game.options.preview != 0) game.host->PaintPreview(ShapeCatalogue[s.nextIndex]);
    if (!SpawnShape(game, s.shapeIndex)) GameOver(game);
}

bool SpawnShape(Game& game, int shapeIndex) {
    GameState& s = game.state;
    s.column = kSpawnColumn;
    s.row = 0;
    s.shape = ShapeCatalogue[shapeIndex];
    return !CurrentCollides(game);
}

void GameOver(Game& game) {
    GameState& s = game.state;
    GameHost& host = *game.host;
    host.PaintPiece(s.shape, 0);  // drawn over the stack it does not fit into
    host.StopGravityTimer();
    host.SetButtonEnabled(PauseButton, false);
    Suspend(game, Request::OfferScore, 0, Resume::GameOverAfterOffer);
}

void AskReplay(Game& game) {
    game.state.shapeVisible = 0;
    Suspend(game, Request::AskReplay, 0, Resume::GameOverAfterAnswer);
}

void AnswerReplay(Game& game, bool yes) {
    if (!yes) {
        Suspend(game, Request::QuitProgram, 0, Resume::Ended);
        return;
    }
    game.state.paused = 0;
    game.host->RefreshPauseLabel();
    NewGame(game);
}

void TogglePause(Game& game) {
    game.state.paused ^= 1;
    game.host->RefreshPauseLabel();
}

void AutoPause(Game& game) {
    GameState& s = game.state;
    if (s.paused == 1 || s.running != 1) return;
    s.autoPaused = 1;
    s.paused = 1;
    game.host->RefreshPauseLabel();
}

void AutoResume(Game& game) {
    GameState& s = game.state;
    if (s.running != 1 || s.autoPaused != 1) return;
    s.paused = 0;
    s.autoPaused = 0;
    game.host->RefreshPauseLabel();
}
