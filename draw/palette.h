#pragma once
// Every colour the drawing uses, in one place.
#include "draw/surface.h"

constexpr Rgb kBackground = {192, 192, 192};  // the window's ground
constexpr Rgb kBlack = {0, 0, 0};

// The sunken frame, darkest to lightest in the order it is drawn.
constexpr Rgb kFrameGrey = {128, 128, 128};
constexpr Rgb kFrameBlack = {0, 0, 0};
constexpr Rgb kFrameLightGrey = {192, 192, 192};
constexpr Rgb kFrameWhite = {255, 255, 255};

// One tile's three tones: the raised edges, the face, the sunken edges.
struct TileColours {
    Rgb highlight;
    Rgb face;
    Rgb shadow;
};

// Tile columns 0 to 6; columns 7 to 10 repeat columns 0 to 3.
constexpr int kDistinctTileColours = 7;
constexpr TileColours kTileColours[kDistinctTileColours] = {
    {{255, 0, 0}, {191, 0, 0}, {127, 0, 0}},            // red
    {{0, 0, 255}, {0, 0, 191}, {0, 0, 127}},            // blue
    {{255, 255, 0}, {191, 191, 0}, {127, 127, 0}},      // yellow
    {{0, 255, 0}, {0, 191, 0}, {0, 127, 0}},            // green
    {{144, 151, 144}, {111, 111, 111}, {79, 72, 72}},   // grey
    {{255, 0, 255}, {191, 0, 191}, {127, 0, 127}},      // magenta
    {{0, 255, 255}, {0, 191, 191}, {0, 127, 127}},      // cyan
};
// Where the raised tile's highlight meets its shadow (top right, bottom left).
constexpr Rgb kTileCorner = {96, 96, 64};
constexpr Rgb kTileSeam = {0, 0, 0};

// Seven-segment glyphs on black.
constexpr Rgb kGlyphGround = {0, 0, 0};
constexpr Rgb kSegmentLit = {0, 255, 255};
constexpr Rgb kSegmentDim = {0, 128, 128};

// The logo's own ground, a shade off the window's.
constexpr Rgb kLogoGround = {191, 191, 193};
