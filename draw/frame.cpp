// The sunken frame: eight one-pixel lines in four colour steps, each line
// from its start to just before its end point, later lines winning where
// they cross.
#include "draw/palette.h"
#include "draw/paint.h"

void DrawFrame(Surface& surface, int x, int y, int width, int height) {
    const int right = x + width - 1;
    const int bottom = y + height - 1;
    surface.Line(x, y, right, y, kFrameGrey);
    surface.Line(x, y, x, bottom, kFrameGrey);
    surface.Line(x + 1, y + 1, right - 1, y + 1, kFrameBlack);
    surface.Line(x + 1, y + 1, x + 1, bottom - 2, kFrameBlack);
    surface.Line(x + 1, bottom - 2, right, bottom - 2, kFrameLightGrey);
    surface.Line(right - 1, y + 1, right - 1, bottom - 2, kFrameLightGrey);
    surface.Line(x, bottom - 1, right, bottom - 1, kFrameWhite);
    surface.Line(right, y, right, bottom, kFrameWhite);
}
