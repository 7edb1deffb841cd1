#pragma once
// The eleven falling shapes and their in-place rotation.
#include <cstdint>

// One shape in one orientation. The grid is 4 rows of 4 characters, row-major,
// '*' for a cell and ' ' for none, zero-terminated so it can be copied as text.
// size is the side of the top-left square that rotation and painting work in.
struct ShapeRecord {
    int32_t size;
    char grid[17];
};

constexpr int kCatalogueSize = 11;

// Catalogue order is identity and colour: colour index = catalogue index + 1.
extern const ShapeRecord ShapeCatalogue[kCatalogueSize];

// What the game holds before its first game: no cells, never collides.
constexpr ShapeRecord kEmptyShape = {0, {}};

inline bool IsCell(const ShapeRecord& shape, int gridRow, int gridColumn) {
    return shape.grid[4 * gridRow + gridColumn] == '*';
}

// Turns the record one step in place: clockwise on the screen when rotateDir
// is 0, counter-clockwise otherwise. Size 4 transposes, size 2 and the empty
// record stay as they are. Four steps restore every catalogue entry.
void RotateShape(ShapeRecord& shape, int rotateDir);
