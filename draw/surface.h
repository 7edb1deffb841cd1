#pragma once
// What painting needs of a target: the four things a device context offers
// the game. The Windows realisation wraps an HDC (BitBlt, FillRect, a pen with
// MoveToEx/LineTo, TextOutA); the software raster is an RGB buffer.
#include <cstdint>

struct Rgb {
    uint8_t r, g, b;
    friend bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
    friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

// A horizontal or vertical line from (x0, y0) to just before (x1, y1).
struct LineSegment {
    int x0, y0, x1, y1;
};

// Columns left..right-1, rows top..bottom-1.
struct PixelBox {
    int left, top, right, bottom;
};

// The pixels a segment covers, whichever way it runs; none for a segment
// of no length.
constexpr PixelBox CoveredBy(const LineSegment& s) {
    if (s.y0 == s.y1) return s.x1 >= s.x0 ? PixelBox{s.x0, s.y0, s.x1, s.y0 + 1} : PixelBox{s.x1 + 1, s.y0, s.x0 + 1, s.y0 + 1};
    return s.y1 >= s.y0 ? PixelBox{s.x0, s.y0, s.x0 + 1, s.y1} : PixelBox{s.x0, s.y1 + 1, s.x0 + 1, s.y0 + 1};
}

// The off-screen pictures a block can be copied from.

enum class Picture {
    Tiles,   // bitmap 101, the tile sheet, 220 x 30
    Digits,  // bitmap 103, the digit strip, 143 x 23
    Logo,    // bitmap 102, 78 x 92, loaded anew for each copy
};

class Surface {
public:
    // BitBlt SRCCOPY of the w x h block at (sourceX, sourceY) to (x, y).
    virtual void CopyBlock(int x, int y, int w, int h, Picture source, int sourceX, int sourceY) = 0;
    // FillRect: columns left..right-1, rows top..bottom-1.
    virtual void FillRect(int left, int top, int right, int bottom, Rgb colour) = 0;
    // One one-pixel solid pen of the colour, and MoveToEx + LineTo for each
    // segment in order: each leaves out its end point.
    virtual void Lines(const LineSegment* segments, int count, Rgb colour) = 0;
    // TextOutA of `length` GBK bytes, top-left at (x, y), black on a
    // transparent background, in the surface's default font.
    virtual void Text(int x, int y, const char* text, int length) = 0;

protected:
    ~Surface() = default;
};
