#pragma once
// The well's rows and the score: removing a row, scoring rows removed
// together, and the inversion mode.
#include "game/state.h"

constexpr int kPointsForRows[] = {0, 100, 300, 700, 1500};  // 5 or more rows: nothing
constexpr int kSpeedUpEvery = 10000;

// Every row above `row` moves down one; the top row empties.
void RemoveRow(Well& well, int row);

// Scores `removed` rows at once. True when the score crossed a multiple of
// 10,000 (the caller raises the speed); otherwise inverts the stack when the
// Inverse option is 0.
bool ScoreRows(Game& game, int removed);

// From row 20 upwards until an empty row: filled cells empty, empty cells
// get a random colour 1..7.
void InvertStack(Game& game);
