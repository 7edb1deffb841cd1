#pragma once
// The well: walls, floor, fitting a shape and settling it.
#include "game/state.h"

// Every cell empty, then the walls and the floor solid.
void ResetWell(Well& well);

// True when the shape does not fit with its grid's left edge at playfield
// column `column` and its top at well row `row`. Grid cells outside the
// array never collide; the empty record never does.
bool Collides(const Well& well, const ShapeRecord& shape, int column, int row);

// The falling shape's cells become its colour index (after the lock sound,
// which LockPiece asks for). The caller guarantees the position fits.
void MergeShape(Game& game);

// Random cells in the bottom startRows rows (coin first, colour only on 1),
// then the whole well repainted.
void FillStartingRows(Game& game);

inline bool IsFullRow(const Well& well, int row) {
    for (int c = 1; c <= kPlayfieldColumns; ++c)
        if (well.cells[row][c] == 0) return false;
    return true;
}

inline bool IsEmptyRow(const Well& well, int row) {
    for (int c = 1; c <= kPlayfieldColumns; ++c)
        if (well.cells[row][c] != 0) return false;
    return true;
}
