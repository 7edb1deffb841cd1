#pragma once
// The falling-piece cycle: a game from its start through every shape to game
// over, and the pause rules. Each command runs to completion and paints
// exactly what it changed, through the host.
#include "game/state.h"
#include "resources/texts.h"  // kReplayQuestion and kReplayTitle, asked at game over

void NewGame(Game& game);
// One expiry of the gravity timer.
void Tick(Game& game);
// Whether the next Tick would settle the shape (and so may end the game and
// open questions), rather than move it or do nothing.
bool TickSettles(const Game& game);
void MoveLeft(Game& game);
void MoveRight(Game& game);
void Rotate(Game& game);
// Every press of the down key, auto-repeats included: drop to the bottom, or
// start the fast fall (drop style 0, or Ctrl held in drop style 1).
void DownKeyPressed(Game& game);
void DownKeyReleased(Game& game);
void TogglePause(Game& game);
// The main window losing and gaining activation.
void AutoPause(Game& game);
void AutoResume(Game& game);

// Steps of Tick and the drop, exposed for tests.
void LockPiece(Game& game);
// Puts the catalogue shape at the spawn position; true when it fits.
bool SpawnShape(Game& game, int shapeIndex);
void GameOver(Game& game);

// The host never sees a negative period: it is armed as 0, the fastest rate.
void ArmGravity(Game& game, int milliseconds);
