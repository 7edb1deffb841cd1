#pragma once
// Removing full rows, scoring them, and the inversion mode.
#include "game/state.h"

constexpr int kPointsForRows[] = {0, 100, 300, 700, 1500};  // 5 or more rows: nothing
constexpr int kSpeedUpEvery = 10000;

// Removes every full row from the bottom up, each with its sound and a well
// repaint, then scores them. True when the score crossed a multiple of
// 10,000 (the caller raises the speed); otherwise inverts the stack when the
// Inverse option is 0.
bool ClearFullRows(Game& game);

// From row 20 upwards until an empty row: filled cells empty, empty cells
// get a random colour 1..7.
void InvertStack(Game& game);
