#pragma once
// Removing full rows, scoring them, and the inversion mode.
#include "game/state.h"

constexpr int kPointsForRows[] = {0, 100, 300, 700, 1500};  // 5 or more rows: nothing
constexpr int kSpeedUpEvery = 10000;

// Removes every full row from the bottom up, each after its sound and with
// a well repaint, then scores them and finishes the lock (FinishLock). The
// search starts at `row` with `removed` rows already gone; at a full row it
// counts the row and stops for its sound (ContinueClearing goes on).
void ClearFullRows(Game& game, int row = kBottomRow, int removed = 0);
void ContinueClearing(Game& game, int row, int removed);

// Scores `removed` rows at once. True when the score crossed a multiple of
// 10,000 (the caller raises the speed); otherwise inverts the stack when the
// Inverse option is 0.
bool ScoreRows(Game& game, int removed);

// From row 20 upwards until an empty row: filled cells empty, empty cells
// get a random colour 1..7.
void InvertStack(Game& game);
