#include "web/screen.h"

#include <emscripten.h>

#include <algorithm>

#include "draw/layout.h"
#include "draw/paint.h"

// The canvas side: the rectangle of the RGBA picture at `pixels` (the
// whole client area) onto the canvas, and a label over it.
EM_JS(void, JsCopyRect, (const uint8_t* pixels, int x, int y, int w, int h), {
    Module.page.copyRect(pixels, x, y, w, h);
});
EM_JS(void, JsDrawLabel, (int x, int y, int width, int height, const char* text, int length), {
    Module.page.drawLabel(x, y, width, height, text, length);
});

namespace {

// More separate rectangles than this in one event are copied as their
// bounding box: one large copy beats many small ones.
constexpr size_t kMaxRectangles = 16;

// The width of the label box a text is drawn at, which it must keep within.
int LabelWidthAt(int x, int y) {
    if (x == kNextLabel.x && y == kNextLabel.y) return kNextLabel.width;
    for (const LabelPlace& label : kCounterLabels)
        if (x == label.x && y == label.y) return label.width;
    return kClientWidth - x;
}

}  // namespace

WebScreen::WebScreen() : raster_(kClientWidth, kClientHeight), rgba_(4 * kClientWidth * kClientHeight, 255) {}

void WebScreen::Touch(int left, int top, int right, int bottom) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, kClientWidth);
    bottom = std::min(bottom, kClientHeight);
    if (left >= right || top >= bottom) return;
    for (Box& box : changed_) {
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

void WebScreen::CopyBlock(int x, int y, int w, int h, Picture source, int sourceX, int sourceY) {
    raster_.CopyBlock(x, y, w, h, source, sourceX, sourceY);
    Touch(x, y, x + w, y + h);
}

void WebScreen::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    raster_.FillRect(left, top, right, bottom, colour);
    Touch(left, top, right, bottom);
}

void WebScreen::Lines(const LineSegment* segments, int count, Rgb colour) {
    raster_.Lines(segments, count, colour);
    for (int i = 0; i < count; ++i) {
        const LineSegment& line = segments[i];
        Touch(std::min(line.x0, line.x1), std::min(line.y0, line.y1), std::max(line.x0, line.x1) + 1,
              std::max(line.y0, line.y1) + 1);
    }
}

// The labels are the browser's text, drawn over the copied pixels.
void WebScreen::Text(int x, int y, const char* text, int length) { raster_.Text(x, y, text, length); }

void WebScreen::PaintWhole(const Game& game) {
    raster_.ForgetTexts();
    PaintWindow(*this, game, kClientWidth, kClientHeight);
    changed_.assign(1, Box{0, 0, kClientWidth, kClientHeight});
    labelsDue_ = true;
}

void WebScreen::Flush() {
    const uint8_t* source = raster_.bytes();
    for (const Box& box : changed_) {
        for (int y = box.top; y < box.bottom; ++y) {
            const uint8_t* from = source + y * raster_.pitch() + 3 * box.left;
            uint8_t* to = rgba_.data() + 4 * (y * kClientWidth + box.left);
            for (int x = box.left; x < box.right; ++x, from += 3, to += 4) {
                to[0] = from[0];
                to[1] = from[1];
                to[2] = from[2];
            }
        }
        JsCopyRect(rgba_.data(), box.left, box.top, box.right - box.left, box.bottom - box.top);
    }
    changed_.clear();
    if (!labelsDue_) return;
    labelsDue_ = false;
    for (const Raster::TextCall& text : raster_.texts())
        JsDrawLabel(text.x, text.y, LabelWidthAt(text.x, text.y), kLabelHeight, text.bytes.data(), static_cast<int>(text.bytes.size()));
}
