#pragma once
// The falling-piece cycle: a game from its start through every shape to game
// over, and the pause rules. Each command paints exactly what it changed,
// through the host, and runs to completion or to a request (game/steps.h).
#include "game/state.h"
#include "resources/texts.h"  // kReplayQuestion and kReplayTitle, asked at game over

void NewGame(Game& game);
// One expiry of the gravity timer.
void Tick(Game& game);
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

// Steps of Tick and the drop, exposed for tests. LockPiece stops at once
// for the lock sound; ContinueLock merges the shape and clears the rows,
// which end in FinishLock: the speed raised when the rows' score crossed a
// multiple of 10,000, the next shape, and GameOver when it does not fit.
void LockPiece(Game& game);
void ContinueLock(Game& game);
void FinishLock(Game& game, bool speedUp);
// Puts the catalogue shape at the spawn position; true when it fits.
bool SpawnShape(Game& game, int shapeIndex);
// Stops for the score offer, then for the replay question (AskReplay), then
// starts a new game or stops for the end of the program (AnswerReplay).
void GameOver(Game& game);
void AskReplay(Game& game);
void AnswerReplay(Game& game, bool yes);

// The host never sees a negative period: it is armed as 0, the fastest rate.
void ArmGravity(Game& game, int milliseconds);
