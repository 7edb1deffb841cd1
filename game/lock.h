#pragma once
// A shape locking, from its sound to the next shape or the game's end: the
// lock sound, the shape merged into the well, each full row removed after
// its own sound, the rows scored, the speed raised when the score crossed a
// multiple of 10,000, the next shape, and at game over the score offer, the
// replay question and a new game or the end of the program. Each step that
// waits stops with a request (game/steps.h); game/resume.h goes on.
#include "game/state.h"

// Stops at once for the lock sound: nothing has changed when it does.
void LockPiece(Game& game);
// After the lock sound: merges the shape and clears the rows.
void ContinueLock(Game& game);
// Removes every full row from the bottom up, each after its sound and with
// a well repaint, then scores them and finishes the lock. The search starts
// at `row` with `removed` rows already gone; at a full row it counts the row
// and stops for its sound (ContinueClearing goes on).
void ClearFullRows(Game& game, int row = kBottomRow, int removed = 0);
void ContinueClearing(Game& game, int row, int removed);
// The speed raised when `speedUp`, the next shape, and GameOver when it
// does not fit.
void FinishLock(Game& game, bool speedUp);
// Puts the catalogue shape at the spawn position; true when it fits.
bool SpawnShape(Game& game, int shapeIndex);
// Stops for the score offer, then for the replay question (AskReplay), then
// starts a new game or stops for the end of the program (AnswerReplay).
void GameOver(Game& game);
void AskReplay(Game& game);
void AnswerReplay(Game& game, bool yes);
