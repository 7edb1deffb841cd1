#pragma once
// The page's picture: every painting primitive paints into a software
// raster, which remembers the rectangles it changed; at the end of each
// event those rectangles, and only those, go to the canvas.
#include <vector>

#include "draw/raster.h"
#include "draw/surface.h"
#include "game/state.h"

class WebScreen final : public Surface {
public:
    WebScreen();

    const Raster& raster() const { return raster_; }

    // Paints the whole client area from the state: it and its labels go to
    // the canvas at the next Flush.
    void PaintWhole(const Game& game);
    // Copies what changed since the last Flush to the canvas, then draws
    // the labels of a whole repaint over it.
    void Flush();

    void CopyBlock(int x, int y, int w, int h, Picture source, int sourceX, int sourceY) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void Lines(const LineSegment* segments, int count, Rgb colour) override;
    void Text(int x, int y, const char* text, int length) override;

private:
    struct Box {
        int left, top, right, bottom;
    };
    void Touch(int left, int top, int right, int bottom);

    Raster raster_;
    std::vector<uint8_t> rgba_;  // what the canvas holds, four bytes a pixel
    std::vector<Box> changed_;
    bool labelsDue_ = false;
};
