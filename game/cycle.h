#pragma once
// The falling shape: gravity, the moves, the turn and the drop. Each command
// paints exactly what it changed, through the host, and runs to completion
// or to a request (game/steps.h); a shape that can fall no further locks
// (game/lock.h).
#include "game/state.h"

// One expiry of the gravity timer.
void Tick(Game& game);
void MoveLeft(Game& game);
void MoveRight(Game& game);
void Rotate(Game& game);
// Every press of the down key, auto-repeats included: drop to the bottom, or
// start the fast fall (drop style 0, or Ctrl held with the key in drop
// style 1).
void DownKeyPressed(Game& game, bool ctrlHeld);
void DownKeyReleased(Game& game);
