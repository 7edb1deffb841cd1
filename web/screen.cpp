#include "web/screen.h"

#include <algorithm>
#include <cstring>

#include "draw/layout.h"
#include "web/page_calls.h"

namespace {

// The width of the label box a text is drawn at, which it must keep within.
int LabelWidthAt(const ScreenLayout& layout, int x, int y) {
    if (x == layout.nextLabel.x && y == layout.nextLabel.y) return layout.nextLabel.width;
    for (const LabelPlace& label : layout.counterLabels)
        if (x == label.x && y == label.y) return label.width;
    return layout.clientWidth - x;
}

}  // namespace

WebScreen::WebScreen() { std::memset(rgba_, 255, sizeof rgba_); }

void WebScreen::PaintWhole(const Game& game) {
    shown_->PaintWhole(game);
    labelsDue_ = true;
}

void WebScreen::Flush() {
    const Raster& raster = shown_->raster();
    const ScreenLayout& layout = shown_->layout();
    const uint8_t* source = raster.bytes();
    for (const TrackedRaster::Box& box : shown_->changed()) {
        for (int y = box.top; y < box.bottom; ++y) {
            const uint8_t* from = source + y * raster.pitch() + 3 * box.left;
            uint8_t* to = rgba_ + 4 * (y * layout.clientWidth + box.left);
            for (int x = box.left; x < box.right; ++x, from += 3, to += 4) {
                to[0] = from[0];
                to[1] = from[1];
                to[2] = from[2];
            }
        }
        trelmo_page_copy_rect(rgba_, box.left, box.top, box.right - box.left, box.bottom - box.top);
    }
    shown_->ForgetChanges();
    if (!labelsDue_) return;
    labelsDue_ = false;
    for (const Raster::TextCall& text : raster.texts())
        trelmo_page_draw_label(text.x, text.y, LabelWidthAt(layout, text.x, text.y), layout.labelHeight, text.bytes.data(), static_cast<int>(text.bytes.size()));
}
