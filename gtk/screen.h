#pragma once
// The main window's picture: every painting primitive paints into a
// software raster, and what a command changed reaches the window at once,
// rectangle by rectangle. An expose paints the whole window from the state;
// the labels are the desktop's font over it.
#include <cairo.h>
#include <gtk/gtk.h>
#include <pango/pango.h>

#include "draw/raster.h"
#include "draw/surface.h"
#include "game/host.h"
#include "game/state.h"

class Screen final : public Surface {
public:
    Screen();
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    const Raster& raster() const { return raster_; }

    // A paint operation of the rules; it shows at the next Flush.
    void Paint(const Game& game, PaintOp op, const ShapeRecord& shape);
    // Shows what was painted since the last Flush on `window`, now.
    void Flush(GdkWindow* window);
    // The window's draw handler: the whole client area from the state, then
    // the labels, within the clip of `cairo`.
    void Expose(cairo_t* cairo, const Game& game, GtkWidget* widget);

    // Surface: into the raster, remembering the rectangle.
    void CopyBlock(int x, int y, int w, int h, Picture source, int sourceX, int sourceY) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void Lines(const LineSegment* segments, int count, Rgb colour) override;
    void Text(int x, int y, const char* text, int length) override;

private:
    void Touch(int left, int top, int right, int bottom);
    void ForgetChanges();
    // Brings the cairo copy of the raster up to date within `region`.
    void Mirror(const cairo_region_t* region);
    void DrawLabels(cairo_t* cairo, GtkWidget* widget);
    int LabelPixels(PangoLayout* layout, GtkWidget* widget);

    Raster raster_;
    cairo_surface_t* image_;    // the raster as cairo reads it
    cairo_region_t* changed_;   // painted since the last Flush
    int labelPixels_ = 0;       // the labels' font size, once known
};
