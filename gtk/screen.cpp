#include "gtk/screen.h"

#include <pango/pangocairo.h>

#include <algorithm>

#include "draw/layout.h"
#include "draw/paint.h"
#include "gtk/text.h"

namespace {

// Windows draws the labels in its 9-point stock font, 12 pixels at 96 dots
// an inch. The desktop's family at that size, made smaller should it not
// keep within the label boxes.
constexpr int kLabelPixels = 12;
constexpr int kSmallestLabelPixels = 6;

PangoFontDescription* LabelFont(GtkWidget* widget, int pixels) {
    PangoFontDescription* font =
        pango_font_description_copy(pango_context_get_font_description(gtk_widget_get_pango_context(widget)));
    pango_font_description_set_absolute_size(font, pixels * PANGO_SCALE);
    return font;
}

}  // namespace

Screen::Screen()
    : raster_(kClientWidth, kClientHeight),
      image_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kClientWidth, kClientHeight)),
      changed_(cairo_region_create()) {}

Screen::~Screen() {
    cairo_region_destroy(changed_);
    cairo_surface_destroy(image_);
}

void Screen::ForgetChanges() {
    cairo_region_destroy(changed_);
    changed_ = cairo_region_create();
}

void Screen::Touch(int left, int top, int right, int bottom) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, kClientWidth);
    bottom = std::min(bottom, kClientHeight);
    if (left >= right || top >= bottom) return;
    const cairo_rectangle_int_t rectangle = {left, top, right - left, bottom - top};
    cairo_region_union_rectangle(changed_, &rectangle);
}

void Screen::CopyBlock(int x, int y, int w, int h, Picture source, int sourceX, int sourceY) {
    raster_.CopyBlock(x, y, w, h, source, sourceX, sourceY);
    Touch(x, y, x + w, y + h);
}

void Screen::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    raster_.FillRect(left, top, right, bottom, colour);
    Touch(left, top, right, bottom);
}

void Screen::Lines(const LineSegment* segments, int count, Rgb colour) {
    raster_.Lines(segments, count, colour);
    for (int i = 0; i < count; ++i) {
        const LineSegment& line = segments[i];
        Touch(std::min(line.x0, line.x1), std::min(line.y0, line.y1), std::max(line.x0, line.x1) + 1,
              std::max(line.y0, line.y1) + 1);
    }
}

// Only the full repaint writes text; the labels are drawn by Expose.
void Screen::Text(int x, int y, const char* text, int length) { raster_.Text(x, y, text, length); }

void Screen::Paint(const Game& game, PaintOp op, const ShapeRecord& shape) { ::Paint(*this, game, op, shape); }

void Screen::Mirror(const cairo_region_t* region) {
    cairo_surface_flush(image_);
    unsigned char* pixels = cairo_image_surface_get_data(image_);
    const int stride = cairo_image_surface_get_stride(image_);
    const uint8_t* source = raster_.bytes();
    for (int i = 0, n = cairo_region_num_rectangles(region); i < n; ++i) {
        cairo_rectangle_int_t box;
        cairo_region_get_rectangle(region, i, &box);
        const int right = std::min(box.x + box.width, kClientWidth);
        const int bottom = std::min(box.y + box.height, kClientHeight);
        for (int y = std::max(box.y, 0); y < bottom; ++y) {
            const uint8_t* from = source + y * raster_.pitch();
            uint32_t* to = reinterpret_cast<uint32_t*>(pixels + y * stride);
            for (int x = std::max(box.x, 0); x < right; ++x)
                to[x] = (uint32_t{from[3 * x]} << 16) | (uint32_t{from[3 * x + 1]} << 8) | from[3 * x + 2];
        }
    }
    cairo_surface_mark_dirty(image_);
}

void Screen::Flush(GdkWindow* window) {
    if (cairo_region_is_empty(changed_)) return;
    Mirror(changed_);
    if (window != nullptr && gdk_window_is_viewable(window)) {
        GdkDrawingContext* context = gdk_window_begin_draw_frame(window, changed_);
        cairo_t* cairo = gdk_drawing_context_get_cairo_context(context);
        cairo_set_source_surface(cairo, image_, 0, 0);
        cairo_paint(cairo);
        gdk_window_end_draw_frame(window, context);
        gdk_display_flush(gdk_window_get_display(window));
    }
    ForgetChanges();
}

void Screen::Expose(cairo_t* cairo, const Game& game, GtkWidget* widget) {
    // The window's answer to a paint request, as on Windows: everything
    // from the state. It also holds whatever a command had yet to show.
    raster_.ForgetTexts();
    PaintWindow(*this, game, kClientWidth, kClientHeight);
    ForgetChanges();
    const cairo_rectangle_int_t whole = {0, 0, kClientWidth, kClientHeight};
    cairo_region_t* all = cairo_region_create_rectangle(&whole);
    Mirror(all);
    cairo_region_destroy(all);
    cairo_set_source_surface(cairo, image_, 0, 0);
    cairo_paint(cairo);
    DrawLabels(cairo, widget);
}

// The largest size up to kLabelPixels at which every label keeps within
// its box, found at the first expose.
int Screen::LabelPixels(PangoLayout* layout, GtkWidget* widget) {
    if (labelPixels_ != 0) return labelPixels_;
    for (labelPixels_ = kLabelPixels; labelPixels_ > kSmallestLabelPixels; --labelPixels_) {
        PangoFontDescription* font = LabelFont(widget, labelPixels_);
        pango_layout_set_font_description(layout, font);
        pango_font_description_free(font);
        bool fits = true;
        for (const LabelPlace& label : kCounterLabels) {
            pango_layout_set_text(layout, Utf8FromGbk(label.text, label.length).c_str(), -1);
            int width = 0, height = 0;
            pango_layout_get_pixel_size(layout, &width, &height);
            fits = fits && width <= label.width && height <= kLabelHeight;
        }
        if (fits) break;
    }
    return labelPixels_;
}

void Screen::DrawLabels(cairo_t* cairo, GtkWidget* widget) {
    PangoLayout* layout = pango_cairo_create_layout(cairo);
    PangoFontDescription* font = LabelFont(widget, LabelPixels(layout, widget));
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    cairo_set_source_rgb(cairo, 0, 0, 0);
    for (const Raster::TextCall& text : raster_.texts()) {
        pango_layout_set_text(layout, Utf8FromGbk(text.bytes.c_str(), static_cast<int>(text.bytes.size())).c_str(), -1);
        cairo_move_to(cairo, text.x, text.y);
        pango_cairo_show_layout(cairo, layout);
    }
    g_object_unref(layout);
}
