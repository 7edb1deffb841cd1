// The top-ten table: offering a result, the name entry and the table
// dialog with its Clear button. Only OK closes either dialog.
#include <cstring>
#include <string>

#include "gtk/dialog_layout.h"
#include "gtk/dialogs.h"
#include "gtk/text.h"
#include "store/dialogs_fields.h"

namespace {

// The Windows edit box does not scroll: an insertion that would make the
// text wider than the box is refused.
void RefuseOverflow(GtkEditable* editable, const gchar* text, gint length, gint* position, gpointer) {
    GtkEntry* entry = GTK_ENTRY(editable);
    const char* current = gtk_entry_get_text(entry);
    const size_t at = static_cast<size_t>(g_utf8_offset_to_pointer(current, *position) - current);
    std::string next(current);
    next.insert(at, text, length < 0 ? std::strlen(text) : static_cast<size_t>(length));
    PangoLayout* layout = gtk_widget_create_pango_layout(GTK_WIDGET(entry), next.c_str());
    int width = 0;
    pango_layout_get_pixel_size(layout, &width, nullptr);
    g_object_unref(layout);
    GdkRectangle area;
    gtk_entry_get_text_area(entry, &area);
    if (width > area.width) g_signal_stop_emission_by_name(editable, "insert-text");
}

}  // namespace

Answer EnterName(GtkWindow* parent, const char* offered) {
    TemplatePanel panel;
    GtkDialog* dialog = NewTemplateDialog(parent, IDD_NAME_ENTRY, panel);
    if (dialog == nullptr) return Answer::Typed(offered);
    GtkEntry* box = GTK_ENTRY(PanelControl(panel, IDC_NAME_BOX));
    gtk_entry_set_text(box, Utf8FromGbk(offered).c_str());
    g_signal_connect(box, "insert-text", G_CALLBACK(RefuseOverflow), nullptr);
    const Answer typed = Answer::Typed(RunUntilOk(dialog) ? GbkFromUtf8(gtk_entry_get_text(box)).c_str() : offered);
    gtk_widget_destroy(GTK_WIDGET(dialog));
    return typed;
}

namespace {

// Each text's top at y, right-aligned or centred on the column's x.
void DrawColumnText(GtkWidget* area, cairo_t* cr, const ScoreColumn& column, int y, const char* gbk) {
    PangoLayout* layout = gtk_widget_create_pango_layout(area, Utf8FromGbk(gbk).c_str());
    int width = 0;
    pango_layout_get_pixel_size(layout, &width, nullptr);
    const int x = column.align == ColumnAlign::Right ? column.x - width : column.x - width / 2;
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
}

// Runs before the controls are drawn, so they stay on top, as the Windows
// dialog paints its client area under its children.
gboolean PaintScoreRows(GtkWidget* area, cairo_t* cr, gpointer table) {
    const ScoreTable& scores = *static_cast<const ScoreTable*>(table);
    cairo_set_source_rgb(cr, 0, 0, 0);
    for (int i = 0; i < kScoreRows; ++i) {
        const ScoreRowTexts texts = TextsForScoreRow(scores.rows[i], i);
        const int y = ScoreRowY(i);
        DrawColumnText(area, cr, kPlaceColumn, y, texts.place);
        DrawColumnText(area, cr, kScoreColumn, y, texts.score);
        DrawColumnText(area, cr, kLinesColumn, y, texts.lines);
        DrawColumnText(area, cr, kNameColumn, y, texts.name);
    }
    return FALSE;
}

struct ClearRequest {
    const DialogContext* context;
    GtkWidget* area;
};

void ClearShownTable(GtkButton*, gpointer data) {
    const ClearRequest& request = *static_cast<const ClearRequest*>(data);
    ClearTable(*request.context->dispatcher);
    gtk_widget_queue_draw(request.area);
}

}  // namespace

void ShowHighScores(const DialogContext& context) {
    TemplatePanel panel;
    GtkDialog* dialog = NewTemplateDialog(context.parent, IDD_SCORE_TABLE, panel);
    if (dialog == nullptr) return;
    g_signal_connect(panel.fixed, "draw", G_CALLBACK(PaintScoreRows), context.dispatcher->scores);
    ClearRequest clear = {&context, panel.fixed};
    g_signal_connect(PanelControl(panel, IDC_CLEAR), "clicked", G_CALLBACK(ClearShownTable), &clear);
    RunUntilOk(dialog);
    gtk_widget_destroy(GTK_WIDGET(dialog));
}
