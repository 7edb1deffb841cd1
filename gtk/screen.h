#pragma once
// The main window's picture: every painting primitive paints into a
// change-tracking raster, and what a command changed reaches the window at
// once, rectangle by rectangle. An expose paints the whole window from the
// state; the labels are the desktop's font over it.
#include <cairo.h>
#include <gtk/gtk.h>
#include <pango/pango.h>

#include "draw/tracked_raster.h"
#include "game/host.h"
#include "game/state.h"

class Screen {
public:
    Screen();
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // A paint operation of the rules; it shows at the next Flush.
    void Paint(const Game& game, PaintOp op, const ShapeRecord& shape);
    // Shows what was painted since the last Flush on `window`, now.
    void Flush(GdkWindow* window);
    // The window's draw handler: the whole client area from the state, then
    // the labels, within the clip of `cairo`.
    void Expose(cairo_t* cairo, const Game& game, GtkWidget* widget);

private:
    // Brings the cairo copy of the raster up to date where it changed, and
    // says where that was.
    cairo_region_t* MirrorChanges();
    void DrawLabels(cairo_t* cairo, GtkWidget* widget);
    int LabelPixels(PangoLayout* layout, GtkWidget* widget);

    TrackedRaster surface_;
    cairo_surface_t* image_;    // the raster as cairo reads it
    int labelPixels_ = 0;       // the labels' font size, once known
};
