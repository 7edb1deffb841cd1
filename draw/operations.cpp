// The rules' painting operations, each onto the surface a host holds.
#include "draw/paint.h"

void Paint(Surface& surface, const Game& game, PaintOp op, const ShapeRecord& shape, const ScreenLayout& layout) {
    switch (op) {
    case PaintOp::PieceDraw: PaintPiece(surface, game, shape, 0, layout); break;
    case PaintOp::PieceErase: PaintPiece(surface, game, shape, 1, layout); break;
    case PaintOp::Preview: PaintPreview(surface, game, shape, layout); break;
    case PaintOp::ClearWell: ClearWell(surface, layout); break;
    case PaintOp::Well: PaintWell(surface, game, layout); break;
    case PaintOp::Score: PaintScore(surface, game, layout); break;
    case PaintOp::Lines: PaintLines(surface, game, layout); break;
    case PaintOp::Speed: PaintSpeed(surface, game, layout); break;
    case PaintOp::StartRows: PaintStartRows(surface, game, layout); break;
    }
}
