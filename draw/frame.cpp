// The sunken frame: eight one-pixel lines in four colour steps, one pen a
// step, each line from its start to just before its end point, later lines
// winning where they cross.
#include "draw/palette.h"
#include "draw/paint.h"

void DrawFrame(Surface& surface, int x, int y, int width, int height) {
    const int right = x + width - 1;
    const int bottom = y + height - 1;
    const LineSegment grey[] = {{x, y, right, y}, {x, y, x, bottom}};
    const LineSegment black[] = {{x + 1, y + 1, right - 1, y + 1}, {x + 1, y + 1, x + 1, bottom - 2}};
    const LineSegment lightGrey[] = {{x + 1, bottom - 2, right, bottom - 2}, {right - 1, y + 1, right - 1, bottom - 2}};
    const LineSegment white[] = {{x, bottom - 1, right, bottom - 1}, {right, y, right, bottom}};
    surface.Lines(grey, 2, kFrameGrey);
    surface.Lines(black, 2, kFrameBlack);
    surface.Lines(lightGrey, 2, kFrameLightGrey);
    surface.Lines(white, 2, kFrameWhite);
}
