#include "game/well.h"

void ResetWell(Well& well) {
    for (auto& row : well.cells)
        for (auto& cell : row) cell = 0;
    for (auto& row : well.cells) row[0] = row[kWellColumns - 1] = kSolid;
    for (auto& cell : well.cells[kFloorRow]) cell = kSolid;
}

bool Collides(const Well& well, const ShapeRecord& shape, int column, int row) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (!IsCell(shape, r, c)) continue;
            const int wellRow = row + r;
            const int wellColumn = column + c + 1;
            if (wellRow < 0 || wellRow >= kWellRows || wellColumn < 0 || wellColumn >= kWellColumns)
                continue;
            if (well.cells[wellRow][wellColumn] != 0) return true;
        }
    }
    return false;
}

void MergeShape(Game& game) {
    const GameState& s = game.state;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (!IsCell(s.shape, r, c)) continue;
            const int wellRow = s.row + r;
            const int wellColumn = s.column + c + 1;
            // Fitting positions never leave the array; stay inside it regardless.
            if (wellRow < 0 || wellRow >= kWellRows || wellColumn < 0 || wellColumn >= kWellColumns)
                continue;
            game.well.cells[wellRow][wellColumn] = s.shapeIndex + 1;
        }
    }
}

void FillStartingRows(Game& game) {
    for (int i = 0; i < game.state.startRows; ++i) {
        int32_t* cells = game.well.cells[kBottomRow - i];
        for (int c = 1; c <= kPlayfieldColumns; ++c)
            if (rand_below(game.random, 2) == 1) cells[c] = rand_below(game.random, game.state.shapeCount) + 1;
    }
    game.host->PaintWell();
}
