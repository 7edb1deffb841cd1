#pragma once
// The tile and glyph pictures written out by hand from their colour and
// segment tables, independent of the code that computes them, plus helpers
// that compare a painted block with them.
#include <gtest/gtest.h>

#include "draw/raster.h"

namespace expected {

constexpr Rgb kBlack = {0, 0, 0};
constexpr Rgb kBackground = {192, 192, 192};
constexpr Rgb kCorner = {96, 96, 64};

struct Tones {
    Rgb h, f, s;
};

// Tile columns 0..6: red, blue, yellow, green, grey, magenta, cyan.
constexpr Tones kTones[7] = {
    {{255, 0, 0}, {191, 0, 0}, {127, 0, 0}},       {{0, 0, 255}, {0, 0, 191}, {0, 0, 127}},
    {{255, 255, 0}, {191, 191, 0}, {127, 127, 0}}, {{0, 255, 0}, {0, 191, 0}, {0, 127, 0}},
    {{144, 151, 144}, {111, 111, 111}, {79, 72, 72}}, {{255, 0, 255}, {191, 0, 191}, {127, 0, 127}},
    {{0, 255, 255}, {0, 191, 191}, {0, 127, 127}},
};

// The raised tile: H highlight, F face, S shadow, C corner, K black.
constexpr const char* kRaisedTile[15] = {
    "HHHHHHHHHHHHHHHHHHSC", "HHHHHHHHHHHHHHHHHSSK", "HHFFFFFFFFFFFFFFFSSK", "HHFFFFFFFFFFFFFFFSSK",
    "HHFFFFFFFFFFFFFFFSSK", "HHFFFFFFFFFFFFFFFSSK", "HHFFFFFFFFFFFFFFFSSK", "HHFFFFFFFFFFFFFFFSSK",
    "HHFFFFFFFFFFFFFFFSSK", "HHFFFFFFFFFFFFFFFSSK", "HHFFFFFFFFFFFFFFFSSK", "HHFFFFFFFFFFFFFFFSSK",
    "HSSSSSSSSSSSSSSSSSSK", "CSSSSSSSSSSSSSSSSSSK", "KKKKKKKKKKKKKKKKKKKK",
};

// Tile column 0..10 (7..10 wear the tones of 0..3), raised or flat look.
inline Rgb TilePixel(int tileColumn, bool raised, int u, int v) {
    const Tones& t = kTones[tileColumn >= 7 ? tileColumn - 7 : tileColumn];
    if (!raised) return u == 19 || v == 14 ? kBlack : t.f;
    switch (kRaisedTile[v][u]) {
        case 'H': return t.h;
        case 'F': return t.f;
        case 'S': return t.s;
        case 'C': return kCorner;
        default: return kBlack;
    }
}

// Which segment each glyph pixel belongs to: t top, m middle, b bottom,
// l/r upper left/right, L/R lower left/right.
constexpr const char* kSegmentMap[23] = {
    ".............", "..ttttttttt..", ".l.ttttttt.r.", ".ll.ttttt.rr.", ".lll.....rrr.", ".lll.....rrr.",
    ".lll.....rrr.", ".lll.....rrr.", ".lll.....rrr.", ".ll.......rr.", ".l.mmmmmmm.r.", "..mmmmmmmmm..",
    ".L.mmmmmmm.R.", ".LL.......RR.", ".LLL.....RRR.", ".LLL.....RRR.", ".LLL.....RRR.", ".LLL.....RRR.",
    ".LLL.....RRR.", ".LL.bbbbb.RR.", ".L.bbbbbbb.R.", "..bbbbbbbbb..", ".............",
};

// Lit segments of glyphs 0..9 and the blank glyph 10.
constexpr const char* kLitSegments[11] = {
    "tlrLRb", "rR", "trmLb", "trmRb", "lrmR", "tlmRb", "tlmLRb", "trR", "tmblrLR", "tlrmRb", "",
};

constexpr Rgb kLit = {0, 255, 255};
constexpr Rgb kDim = {0, 128, 128};

inline Rgb GlyphPixel(int glyph, int u, int v) {
    const char segment = kSegmentMap[v][u];
    if (segment == '.') return kBlack;
    for (const char* lit = kLitSegments[glyph]; *lit; ++lit)
        if (*lit == segment) return kLit;
    const bool horizontal = segment == 't' || segment == 'm' || segment == 'b';
    const bool even = (u + v) % 2 == 0;
    return horizontal == even ? kDim : kBlack;
}

}  // namespace expected

inline ::testing::AssertionResult SameColour(Rgb actual, Rgb wanted) {
    if (actual == wanted) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << int(actual.r) << "," << int(actual.g) << "," << int(actual.b)
                                         << ") instead of (" << int(wanted.r) << "," << int(wanted.g) << ","
                                         << int(wanted.b) << ")";
}

// The 20 x 15 block at (x, y) shows tile column t in the given look.
inline ::testing::AssertionResult ShowsTile(const Raster& raster, int x, int y, int tileColumn, bool raised) {
    for (int v = 0; v < 15; ++v) {
        for (int u = 0; u < 20; ++u) {
            const Rgb wanted = expected::TilePixel(tileColumn, raised, u, v);
            const Rgb actual = raster.Pixel(x + u, y + v);
            if (actual != wanted)
                return ::testing::AssertionFailure() << "tile " << tileColumn << " at (" << x << "," << y
                                                     << "), pixel (" << u << "," << v
                                                     << "): " << SameColour(actual, wanted).message();
        }
    }
    return ::testing::AssertionSuccess();
}

// The 13 x 23 block at (x, y) shows glyph g.
inline ::testing::AssertionResult ShowsGlyph(const Raster& raster, int x, int y, int glyph) {
    for (int v = 0; v < 23; ++v)
        for (int u = 0; u < 13; ++u)
            if (raster.Pixel(x + u, y + v) != expected::GlyphPixel(glyph, u, v))
                return ::testing::AssertionFailure()
                       << "glyph " << glyph << " at (" << x << "," << y << "), pixel (" << u << "," << v << ")";
    return ::testing::AssertionSuccess();
}

// Every pixel of the rectangle left..right-1, top..bottom-1 has the colour.
inline ::testing::AssertionResult AllOf(const Raster& raster, int left, int top, int right, int bottom, Rgb colour) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (raster.Pixel(x, y) != colour)
                return ::testing::AssertionFailure()
                       << "pixel (" << x << "," << y << "): " << SameColour(raster.Pixel(x, y), colour).message();
    return ::testing::AssertionSuccess();
}
