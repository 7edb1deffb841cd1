// The tile sheet (bitmap 101): eleven 20 x 15 tiles, raised look on top,
// flat look below. Each tile shows a 19 x 14 block with a black seam to its
// right and below it.
#include <cassert>

#include "draw/layout.h"
#include "draw/palette.h"
#include "draw/pictures.h"

namespace {

constexpr int kSeamU = kCellWidth - 1;
constexpr int kSeamV = kCellHeight - 1;

// The raised look: a two-pixel highlight top and left, a two-pixel shadow
// right and bottom, meeting in the corner colour.
Rgb RaisedPixel(const TileColours& c, int u, int v) {
    switch (v) {
        case 0: return u <= 17 ? c.highlight : u == 18 ? c.shadow : kTileCorner;
        case 1: return u <= 16 ? c.highlight : c.shadow;
        case 12: return u == 0 ? c.highlight : c.shadow;
        case 13: return u == 0 ? kTileCorner : c.shadow;
        default: return u <= 1 ? c.highlight : u <= 16 ? c.face : c.shadow;
    }
}

}  // namespace

Rgb TileSheetPixel(int x, int y) {
    assert(x >= 0 && x < kTileSheetWidth && y >= 0 && y < kTileSheetHeight);
    if (x < 0 || x >= kTileSheetWidth || y < 0 || y >= kTileSheetHeight) return kTileSeam;
    const int tileColumn = x / kCellWidth;
    const int u = x % kCellWidth;
    const int v = y % kCellHeight;
    const bool raised = y < kFlatLookY;
    const TileColours& colours = kTileColours[tileColumn % kDistinctTileColours];
    if (raised && u == kSeamU && v == 0) return kTileCorner;
    if (u == kSeamU || v == kSeamV) return kTileSeam;
    return raised ? RaisedPixel(colours, u, v) : colours.face;
}
