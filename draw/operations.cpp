// The rules' painting operations, each onto the surface a host holds.
#include "draw/paint.h"

void Paint(Surface& surface, const Game& game, PaintOp op, const ShapeRecord& shape) {
    switch (op) {
    case PaintOp::PieceDraw: PaintPiece(surface, game, shape, 0); break;
    case PaintOp::PieceErase: PaintPiece(surface, game, shape, 1); break;
    case PaintOp::Preview: PaintPreview(surface, game, shape); break;
    case PaintOp::ClearWell: ClearWell(surface); break;
    case PaintOp::Well: PaintWell(surface, game); break;
    case PaintOp::Score: PaintScore(surface, game); break;
    case PaintOp::Lines: PaintLines(surface, game); break;
    case PaintOp::Speed: PaintSpeed(surface, game); break;
    case PaintOp::StartRows: PaintStartRows(surface, game); break;
    }
}
