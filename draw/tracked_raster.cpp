#include "draw/tracked_raster.h"

#include "draw/paint.h"

TrackedRaster::TrackedRaster(int width, int height)
    : layout_(&kWindowLayout), raster_(width, height), changed_(width, height) {}

TrackedRaster::TrackedRaster(const ScreenLayout& layout)
    : layout_(&layout), raster_(layout.clientWidth, layout.clientHeight),
      changed_(layout.clientWidth, layout.clientHeight) {}

void TrackedRaster::CopyBlock(int x, int y, int w, int h, Picture source, int sourceX, int sourceY) {
    raster_.CopyBlock(x, y, w, h, source, sourceX, sourceY);
    changed_.Add({x, y, x + w, y + h});
}

void TrackedRaster::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    raster_.FillRect(left, top, right, bottom, colour);
    changed_.Add({left, top, right, bottom});
}

void TrackedRaster::Lines(const LineSegment* segments, int count, Rgb colour) {
    raster_.Lines(segments, count, colour);
    for (int i = 0; i < count; ++i) changed_.Add(CoveredBy(segments[i]));
}

// Logged only: the front end draws the labels over the pixels.
void TrackedRaster::Text(int x, int y, const char* text, int length) { raster_.Text(x, y, text, length); }

void TrackedRaster::PaintWhole(const Game& game) {
    raster_.ForgetTexts();
    PaintWindow(*this, game, raster_.width(), raster_.height(), *layout_);
    changed_.Clear();
    changed_.AddWhole();
}
