#include "gtk/button_text.h"

namespace {

// The font shrinks in steps of this, down to the smallest scale, which is
// kept even if the text still does not fit.
constexpr double kScaleStep = 0.05;
constexpr double kSmallestScale = 0.3;

PangoAttrList* ScaledBy(double scale) {
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, pango_attr_scale_new(scale));
    return attributes;
}

}  // namespace

void SetButtonText(GtkWidget* button, const char* text, int width, int height) {
    gtk_button_set_label(GTK_BUTTON(button), text);
    GtkWidget* label = gtk_bin_get_child(GTK_BIN(button));
    if (!GTK_IS_LABEL(label)) return;
    GtkStyleContext* style = gtk_widget_get_style_context(button);
    GtkBorder border = {}, padding = {};
    gtk_style_context_get_border(style, gtk_style_context_get_state(style), &border);
    gtk_style_context_get_padding(style, gtk_style_context_get_state(style), &padding);
    const int roomWidth = width - border.left - border.right - padding.left - padding.right;
    const int roomHeight = height - border.top - border.bottom - padding.top - padding.bottom;

    PangoLayout* layout = gtk_widget_create_pango_layout(label, text);
    double scale = 1.0;
    for (;; scale -= kScaleStep) {
        PangoAttrList* attributes = ScaledBy(scale);
        pango_layout_set_attributes(layout, attributes);
        pango_attr_list_unref(attributes);
        int textWidth = 0, textHeight = 0;
        pango_layout_get_pixel_size(layout, &textWidth, &textHeight);
        if ((textWidth <= roomWidth && textHeight <= roomHeight) || scale - kScaleStep < kSmallestScale) break;
    }
    g_object_unref(layout);
    // A text that fits as it is keeps the desktop's font untouched.
    PangoAttrList* attributes = scale < 1.0 ? ScaledBy(scale) : nullptr;
    gtk_label_set_attributes(GTK_LABEL(label), attributes);
    if (attributes != nullptr) pango_attr_list_unref(attributes);
}
