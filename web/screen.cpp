#include "web/screen.h"

#include <emscripten.h>

#include <algorithm>

#include "draw/layout.h"

// The canvas side: the rectangle of the RGBA picture at `pixels` (the
// whole client area) onto the canvas, and a label over it.
EM_JS(void, JsCopyRect, (const uint8_t* pixels, int x, int y, int w, int h), {
    Module.page.copyRect(pixels, x, y, w, h);
});
EM_JS(void, JsDrawLabel, (int x, int y, int width, int height, const char* text, int length), {
    Module.page.drawLabel(x, y, width, height, text, length);
});

namespace {

// The width of the label box a text is drawn at, which it must keep within.
int LabelWidthAt(int x, int y) {
    if (x == kNextLabel.x && y == kNextLabel.y) return kNextLabel.width;
    for (const LabelPlace& label : kCounterLabels)
        if (x == label.x && y == label.y) return label.width;
    return kClientWidth - x;
}

}  // namespace

WebScreen::WebScreen() : surface_(kClientWidth, kClientHeight), rgba_(4 * kClientWidth * kClientHeight, 255) {}

void WebScreen::PaintWhole(const Game& game) {
    surface_.PaintWhole(game);
    labelsDue_ = true;
}

void WebScreen::Flush() {
    const Raster& raster = surface_.raster();
    const uint8_t* source = raster.bytes();
    for (const TrackedRaster::Box& box : surface_.changed()) {
        for (int y = box.top; y < box.bottom; ++y) {
            const uint8_t* from = source + y * raster.pitch() + 3 * box.left;
            uint8_t* to = rgba_.data() + 4 * (y * kClientWidth + box.left);
            for (int x = box.left; x < box.right; ++x, from += 3, to += 4) {
                to[0] = from[0];
                to[1] = from[1];
                to[2] = from[2];
            }
        }
        JsCopyRect(rgba_.data(), box.left, box.top, box.right - box.left, box.bottom - box.top);
    }
    surface_.ForgetChanges();
    if (!labelsDue_) return;
    labelsDue_ = false;
    for (const Raster::TextCall& text : raster.texts())
        JsDrawLabel(text.x, text.y, LabelWidthAt(text.x, text.y), kLabelHeight, text.bytes.data(), static_cast<int>(text.bytes.size()));
}
