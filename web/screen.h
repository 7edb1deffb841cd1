#pragma once
// The page's picture: painting goes into a change-tracking raster, and at
// the end of each event the rectangles it changed, and only those, go to
// the canvas.
#include <cstdint>

#include "draw/layout.h"
#include "draw/tracked_raster.h"
#include "game/state.h"

class WebScreen {
public:
    WebScreen();

    // Where the rules paint.
    Surface& surface() { return *shown_; }
    const ScreenLayout& layout() const { return shown_->layout(); }
    // Paints in `layout` from the next whole repaint on.
    void Use(const ScreenLayout& layout) { shown_ = &layout == &kTallLayout ? &tall_ : &window_; }

    // Paints the whole client area from the state: it and its labels go to
    // the canvas at the next Flush.
    void PaintWhole(const Game& game);
    // Copies what changed since the last Flush to the canvas, then draws
    // the labels of a whole repaint over it.
    void Flush();

private:
    TrackedRaster window_{kWindowLayout}, tall_{kTallLayout};
    TrackedRaster* shown_ = &window_;
    // What the canvas holds, four bytes a pixel, rows as wide as the
    // layout's; opaque from the start, set by one fill (a vector's fill is
    // a call a byte when built for size).
    uint8_t rgba_[4 * kClientWidth * kClientHeight];
    static_assert(kTallLayout.clientWidth * kTallLayout.clientHeight <= kClientWidth * kClientHeight);
    bool labelsDue_ = false;
};
