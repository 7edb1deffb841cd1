#pragma once
// A software raster that remembers which rectangles its painting changed,
// for a front end that shows only those: after each event it reads
// changed(), copies those rectangles of raster() to the window and calls
// ForgetChanges(). The labels stay text calls in the raster's log, for the
// front end to draw in its own font.
#include "draw/changed_boxes.h"
#include "draw/layout.h"
#include "draw/raster.h"
#include "draw/surface.h"
#include "game/state.h"

class TrackedRaster final : public Surface {
public:
    using Box = PixelBox;

    // A picture of the window's layout, of the given size.
    TrackedRaster(int width, int height);
    // A picture of `layout`, of its size.
    explicit TrackedRaster(const ScreenLayout& layout);

    const Raster& raster() const { return raster_; }
    const ScreenLayout& layout() const { return *layout_; }
    const ChangedBoxes& changed() const { return changed_; }
    void ForgetChanges() { changed_.Clear(); }

    // The whole client area from the state, in its layout, its labels logged anew: all of
    // it counts as changed.
    void PaintWhole(const Game& game);

    void CopyBlock(int x, int y, int w, int h, Picture source, int sourceX, int sourceY) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void Lines(const LineSegment* segments, int count, Rgb colour) override;
    void Text(int x, int y, const char* text, int length) override;

private:
    const ScreenLayout* layout_;
    Raster raster_;
    ChangedBoxes changed_;
};
