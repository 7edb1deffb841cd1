#include "draw/tracked_raster.h"

#include <algorithm>

#include "draw/paint.h"

namespace {

// More separate rectangles than this in one event are kept as their
// bounding box: one large copy beats many small ones.
constexpr size_t kMaxRectangles = 16;

}  // namespace

// Room for the most rectangles at once: painting never allocates.
TrackedRaster::TrackedRaster(int width, int height) : raster_(width, height) { changed_.reserve(kMaxRectangles); }

void TrackedRaster::Touch(int left, int top, int right, int bottom) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, raster_.width());
    bottom = std::min(bottom, raster_.height());
    if (left >= right || top >= bottom) return;
    for (const Box& box : changed_) {
        if (left >= box.left && top >= box.top && right <= box.right && bottom <= box.bottom) return;
    }
    if (changed_.size() == kMaxRectangles) {
        Box all = changed_.front();
        for (const Box& box : changed_) {
            all = {std::min(all.left, box.left), std::min(all.top, box.top), std::max(all.right, box.right),
                   std::max(all.bottom, box.bottom)};
        }
        changed_.assign(1, all);
        Touch(left, top, right, bottom);
        return;
    }
    changed_.push_back({left, top, right, bottom});
}

void TrackedRaster::CopyBlock(int x, int y, int w, int h, Picture source, int sourceX, int sourceY) {
    raster_.CopyBlock(x, y, w, h, source, sourceX, sourceY);
    Touch(x, y, x + w, y + h);
}

void TrackedRaster::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    raster_.FillRect(left, top, right, bottom, colour);
    Touch(left, top, right, bottom);
}

void TrackedRaster::Lines(const LineSegment* segments, int count, Rgb colour) {
    raster_.Lines(segments, count, colour);
    for (int i = 0; i < count; ++i) {
        const LineSegment& line = segments[i];
        Touch(std::min(line.x0, line.x1), std::min(line.y0, line.y1), std::max(line.x0, line.x1) + 1,
              std::max(line.y0, line.y1) + 1);
    }
}

// Logged only: the front end draws the labels over the pixels.
void TrackedRaster::Text(int x, int y, const char* text, int length) { raster_.Text(x, y, text, length); }

void TrackedRaster::PaintWhole(const Game& game) {
    raster_.ForgetTexts();
    PaintWindow(*this, game, raster_.width(), raster_.height());
    changed_.assign(1, Box{0, 0, raster_.width(), raster_.height()});
}
