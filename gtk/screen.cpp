#include "gtk/screen.h"

#include <pango/pangocairo.h>

#include "draw/layout.h"
#include "draw/paint.h"
#include "gtk/text.h"

namespace {

// The labels in the desktop's family at kLabelPixels (draw/layout.h).
PangoFontDescription* LabelFont(GtkWidget* widget, int pixels) {
    PangoFontDescription* font =
        pango_font_description_copy(pango_context_get_font_description(gtk_widget_get_pango_context(widget)));
    pango_font_description_set_absolute_size(font, pixels * PANGO_SCALE);
    return font;
}

// The raster as the source of `cairo`, each of its pixels a whole square of
// the screen's: at a desktop scale of 2 or 3 cairo's default filter would
// smooth the edges of cells, frames and digits.
void SetRasterSource(cairo_t* cairo, cairo_surface_t* image) {
    cairo_set_source_surface(cairo, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cairo), CAIRO_FILTER_NEAREST);
}

}  // namespace

Screen::Screen()
    : surface_(kClientWidth, kClientHeight),
      image_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kClientWidth, kClientHeight)) {}

Screen::~Screen() { cairo_surface_destroy(image_); }

void Screen::Paint(const Game& game, PaintOp op, const ShapeRecord& shape) { ::Paint(surface_, game, op, shape); }

cairo_region_t* Screen::MirrorChanges() {
    cairo_surface_flush(image_);
    unsigned char* pixels = cairo_image_surface_get_data(image_);
    const int stride = cairo_image_surface_get_stride(image_);
    const Raster& raster = surface_.raster();
    cairo_region_t* region = cairo_region_create();
    for (const TrackedRaster::Box& box : surface_.changed()) {
        for (int y = box.top; y < box.bottom; ++y) {
            const uint8_t* from = raster.bytes() + y * raster.pitch();
            uint32_t* to = reinterpret_cast<uint32_t*>(pixels + y * stride);
            for (int x = box.left; x < box.right; ++x)
                to[x] = (uint32_t{from[3 * x]} << 16) | (uint32_t{from[3 * x + 1]} << 8) | from[3 * x + 2];
        }
        const cairo_rectangle_int_t rectangle = {box.left, box.top, box.right - box.left, box.bottom - box.top};
        cairo_region_union_rectangle(region, &rectangle);
    }
    surface_.ForgetChanges();
    cairo_surface_mark_dirty(image_);
    return region;
}

void Screen::Flush(GdkWindow* window) {
    if (surface_.changed().empty()) return;
    cairo_region_t* changed = MirrorChanges();
    if (window != nullptr && gdk_window_is_viewable(window)) {
        GdkDrawingContext* context = gdk_window_begin_draw_frame(window, changed);
        cairo_t* cairo = gdk_drawing_context_get_cairo_context(context);
        SetRasterSource(cairo, image_);
        cairo_paint(cairo);
        gdk_window_end_draw_frame(window, context);
        gdk_display_flush(gdk_window_get_display(window));
    }
    cairo_region_destroy(changed);
}

void Screen::Expose(cairo_t* cairo, const Game& game, GtkWidget* widget) {
    // The window's answer to a paint request, as on Windows: everything
    // from the state. It also holds whatever a command had yet to show.
    surface_.PaintWhole(game);
    cairo_region_destroy(MirrorChanges());
    SetRasterSource(cairo, image_);
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
    for (const Raster::TextCall& text : surface_.raster().texts()) {
        pango_layout_set_text(layout, Utf8FromGbk(text.bytes.c_str(), static_cast<int>(text.bytes.size())).c_str(), -1);
        cairo_move_to(cairo, text.x, text.y);
        pango_cairo_show_layout(cairo, layout);
    }
    g_object_unref(layout);
}
