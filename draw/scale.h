#pragma once
// The window at a screen's scale, given as dots per inch over the 96 at
// which one game pixel is one screen pixel. The game is painted at the
// whole factor at or above the scale, where every game pixel is a square
// of screen pixels; at a fractional scale that picture is then reduced by
// area, so that no line is doubled or dropped and an edge blends over one
// screen pixel at most.
#include <cstdint>

#include "draw/surface.h"

constexpr int kBaseDpi = 96;
// What the program draws at: from half to five times the base.
constexpr int kLeastDpi = 48;
constexpr int kMostDpi = 480;

constexpr int ClampDpi(int dpi) { return dpi < kLeastDpi ? kLeastDpi : dpi > kMostDpi ? kMostDpi : dpi; }

// A length in game pixels at `dpi`, to the nearest screen pixel.
constexpr int ScaledLength(int length, int dpi) { return (length * dpi + kBaseDpi / 2) / kBaseDpi; }

// The game pixel under the centre of screen pixel `screen` (either may be
// negative).
constexpr int GameCoordinate(int screen, int dpi) {
    const int twice = (2 * screen + 1) * kBaseDpi;
    return twice >= 0 ? twice / (2 * dpi) : -((-twice + 2 * dpi - 1) / (2 * dpi));
}

// The factor the game is painted at: 1 up to 96, 2 up to 192, 3 up to 288.
constexpr int WholeFactor(int dpi) { return (dpi + kBaseDpi - 1) / kBaseDpi; }

// Whether the painted picture is the screen's as it stands.
constexpr bool IsWholeScale(int dpi) { return dpi == WholeFactor(dpi) * kBaseDpi; }

// The screen pixels at `dpi` that any part of game box `box` reaches; the
// box lies in the client area, so its coordinates are not negative.
constexpr PixelBox ScreenBoxOf(PixelBox box, int dpi) {
    return {box.left * dpi / kBaseDpi, box.top * dpi / kBaseDpi, (box.right * dpi + kBaseDpi - 1) / kBaseDpi,
            (box.bottom * dpi + kBaseDpi - 1) / kBaseDpi};
}

// A picture of 32-bit pixels whose low three bytes are its channels;
// `pitch` counts pixels from one row to the next.
struct PixelPlane {
    uint32_t* pixels;
    int width, height, pitch;
};

// Box `box` of `target`, the picture at `dpi`, made from `source`, the same
// picture at WholeFactor(dpi): each target pixel is the mean of the source
// area it covers, weighed exactly. The box is clipped to the target.
void ReduceArea(const PixelPlane& source, const PixelPlane& target, int dpi, PixelBox box);
