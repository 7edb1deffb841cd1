#include "game/lines.h"

#include "game/well.h"
#include "game/wrap.h"

void RemoveRow(Well& well, int row) {
    for (int r = row; r >= 1; --r)
        for (int c = 1; c <= kPlayfieldColumns; ++c) well.cells[r][c] = well.cells[r - 1][c];
    for (int c = 1; c <= kPlayfieldColumns; ++c) well.cells[0][c] = 0;
}

bool ScoreRows(Game& game, int removed) {
    GameState& s = game.state;
    const int32_t before = s.score / kSpeedUpEvery;
    if (removed < static_cast<int>(sizeof kPointsForRows / sizeof kPointsForRows[0]))
        s.score = WrappingAdd(s.score, kPointsForRows[removed]);
    game.host->PaintScore();
    if (s.score / kSpeedUpEvery > before) return true;
    if (game.options.inverse != 0) return false;
    InvertStack(game);
    game.host->PaintWell();
    return false;
}

void InvertStack(Game& game) {
    for (int row = kBottomRow; row >= 0; --row) {
        if (IsEmptyRow(game.well, row)) return;
        int32_t* cells = game.well.cells[row];
        for (int c = 1; c <= kPlayfieldColumns; ++c)
            cells[c] = cells[c] != 0 ? 0 : rand_below(game.random, 7) + 1;
    }
}
