#pragma once
// Starting a game, and the pause rules. Each paints exactly what it changed,
// through the host.
#include "game/state.h"

// A new game: the well emptied and its starting rows filled, the score and
// lines at 0, gravity armed, the preview and the first shape drawn.
void NewGame(Game& game);
void TogglePause(Game& game);
// The main window losing and gaining activation.
void AutoPause(Game& game);
void AutoResume(Game& game);
