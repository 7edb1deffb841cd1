#include "game/shapes.h"

const ShapeRecord ShapeCatalogue[kCatalogueSize] = {
    {4, " *   *   *   *  "},  // straight bar in grid column 1
    {3, "**  *   *       "},
    {3, "**   *   *      "},
    {3, " *  ***         "},
    {3, "**   **         "},
    {3, " ** **          "},
    {2, "**  **          "},  // square
    {3, " *   *  ***     "},
    {3, " *  ***  *      "},
    {3, "* * ***         "},
    {3, "* * *** * *     "},
};

void RotateShape(ShapeRecord& shape, int rotateDir) {
    const ShapeRecord old = shape;
    auto at = [&old](int r, int c) { return old.grid[4 * r + c]; };
    if (shape.size == 4) {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) shape.grid[4 * r + c] = at(c, r);
    } else if (shape.size == 3) {
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                shape.grid[4 * r + c] = rotateDir == 0 ? at(2 - c, r) : at(c, 2 - r);
    }
}
