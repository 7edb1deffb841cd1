#include "game/cycle.h"

#include "game/lock.h"
#include "game/well.h"
#include "game/wrap.h"

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

void DownKeyPressed(Game& game, bool ctrlHeld) {
    GameState& s = game.state;
    if (s.paused == 1 || s.running == 0) return;
    if (game.options.dropStyle == 0) {
        ArmGravity(game, 0);
    } else if (ctrlHeld) {
        s.fastFall = 1;
        ArmGravity(game, 0);
    } else {
        HardDrop(game);
    }
}

void DownKeyReleased(Game& game) {
    if (game.options.dropStyle == 0 || game.state.fastFall == 1) ArmGravity(game, game.state.interval);
}
