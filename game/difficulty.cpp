#include "game/difficulty.h"


// The interval is stepped by the level arrived at, not looked up: so coming
// down from 19 gives other values than going up (10, 80, 180 ... 1080, 1000).
void SpeedUp(Game& game) {
    GameState& s = game.state;
    GameHost& host = *game.host;
    ++s.speedLevel;
    host.SetButtonEnabled(SpeedDownButton, true);
    if (s.speedLevel >= kMaxSpeedLevel) {
        s.speedLevel = kMaxSpeedLevel;
        host.SetButtonEnabled(SpeedUpButton, false);
    }
    if (s.speedLevel <= 10)
        s.interval -= 100;
    else if (s.speedLevel < kMaxSpeedLevel)
        s.interval -= 10;
    else
        s.interval = 0;
    host.PaintSpeed();
    ArmGravity(game, s.interval);
}

void SpeedDown(Game& game) {
    GameState& s = game.state;
    GameHost& host = *game.host;
    --s.speedLevel;
    host.SetButtonEnabled(SpeedUpButton, true);
    if (s.speedLevel <= 0) {
        s.speedLevel = 0;
        host.SetButtonEnabled(SpeedDownButton, false);
    }
    if (s.speedLevel >= 11)
        s.interval += 10;
    else if (s.speedLevel >= 1)
        s.interval += 100;
    else
        s.interval = 1000;
    host.PaintSpeed();
    ArmGravity(game, s.interval);
}

// RowsUp greys its button one step after reaching 16, unlike the other three.
void RowsUp(Game& game) {
    GameState& s = game.state;
    ++s.startRows;
    game.host->SetButtonEnabled(RowsDownButton, true);
    if (s.startRows > kMaxStartRows) {
        s.startRows = kMaxStartRows;
        game.host->SetButtonEnabled(RowsUpButton, false);
    }
    game.host->PaintStartRows();
}

void RowsDown(Game& game) {
    GameState& s = game.state;
    --s.startRows;
    game.host->SetButtonEnabled(RowsUpButton, true);
    if (s.startRows <= 0) {
        s.startRows = 0;
        game.host->SetButtonEnabled(RowsDownButton, false);
    }
    game.host->PaintStartRows();
}

// Each step waits 50 ms first, then takes one level or row.
void MaxSpeed(Game& game) {
    if (game.state.speedLevel > kMaxSpeedLevel) return;
    Suspend(game, Request::Wait, kMaxStepWait, Resume::MaxSpeedAfterWait, 0,
            kMaxSpeedLevel + 1 - game.state.speedLevel);
}

void ContinueMaxSpeed(Game& game, int steps) {
    SpeedUp(game);
    if (steps > 1) Suspend(game, Request::Wait, kMaxStepWait, Resume::MaxSpeedAfterWait, 0, steps - 1);
}

void MaxRows(Game& game) {
    if (game.state.startRows > kMaxStartRows) return;
    Suspend(game, Request::Wait, kMaxStepWait, Resume::MaxRowsAfterWait, 0, kMaxStartRows + 1 - game.state.startRows);
}

void ContinueMaxRows(Game& game, int steps) {
    RowsUp(game);
    if (steps > 1) Suspend(game, Request::Wait, kMaxStepWait, Resume::MaxRowsAfterWait, 0, steps - 1);
}
