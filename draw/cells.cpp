// Everything made of tiles: the falling shape, the preview, the well.
#include <cassert>

#include "draw/layout.h"
#include "draw/palette.h"
#include "draw/paint.h"

namespace {

// The side of the grid square to walk; never beyond the 4 x 4 grid.
int GridSide(const ShapeRecord& shape) {
    assert(shape.size >= 0 && shape.size <= 4);
    return shape.size < 0 ? 0 : shape.size > 4 ? 4 : shape.size;
}

// The look is read at every paint, so a changed option shows from the next
// paint on.
void CopyTile(Surface& surface, const Options& options, int tileColumn, int x, int y) {
    assert(tileColumn >= 0 && tileColumn < kTileColumns);
    const int lookY = options.look3D != 0 ? kRaisedLookY : kFlatLookY;
    surface.CopyBlock(x, y, kCellWidth, kCellHeight, Picture::Tiles, kCellWidth * tileColumn, lookY);
}

}  // namespace

void PaintPiece(Surface& surface, const Game& game, ShapeRecord shape, int erase, const ScreenLayout& layout) {
    const GameState& s = game.state;
    const int side = GridSide(shape);
    for (int i = 0; i < side; ++i) {
        for (int j = 0; j < side; ++j) {
            if (!IsCell(shape, j, i)) continue;
            const int x = CellX(layout, s.column + i);
            const int y = CellY(layout, s.row + j);
            if (erase != 0)
                surface.FillRect(x, y, x + kCellWidth, y + kCellHeight, kBlack);
            else
                CopyTile(surface, game.options, s.shapeIndex, x, y);
        }
    }
}

void PaintPreview(Surface& surface, const Game& game, ShapeRecord shape, const ScreenLayout& layout) {
    const Region& box = layout.preview;
    surface.FillRect(box.left, box.top, box.right, box.bottom, kBackground);
    const int side = GridSide(shape);
    for (int i = 0; i < side; ++i)
        for (int j = 0; j < side; ++j)
            if (IsCell(shape, j, i))
                CopyTile(surface, game.options, game.state.nextIndex, layout.previewGridX + kCellWidth * i,
                         layout.previewGridY + kCellHeight * j);
}

void ClearWell(Surface& surface, const ScreenLayout& layout) {
    surface.FillRect(layout.wellLeft, layout.wellTop, CellX(layout, kPlayfieldColumns), CellY(layout, kBottomRow + 1), kBlack);
}

void PaintWell(Surface& surface, const Game& game, const ScreenLayout& layout) {
    ClearWell(surface, layout);
    for (int r = 0; r <= kBottomRow; ++r) {
        for (int k = 0; k < kPlayfieldColumns; ++k) {
            const int32_t cell = game.well.cells[r][k + 1];
            if (cell == 0) continue;
            assert(cell >= 1 && cell <= kTileColumns);
            if (cell < 1 || cell > kTileColumns) continue;
            CopyTile(surface, game.options, cell - 1, CellX(layout, k), CellY(layout, r));
        }
    }
}
