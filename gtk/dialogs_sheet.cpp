// The information sheet: three static pages (about, keys, scoring) on tabs,
// with the OK and Cancel of a Windows property sheet, both of which close it.
#include "gtk/dialog_layout.h"
#include "gtk/dialogs.h"
#include "gtk/text.h"
#include "resources/texts.h"
#include "store/dialogs_fields.h"

namespace {

// A property sheet's title bar offers only the close box.
void DecorateWithCloseBox(GtkWidget* sheet, gpointer) {
    GdkWindow* window = gtk_widget_get_window(sheet);
    gdk_window_set_decorations(window, static_cast<GdkWMDecoration>(GDK_DECOR_BORDER | GDK_DECOR_TITLE | GDK_DECOR_MENU));
    gdk_window_set_functions(window, static_cast<GdkWMFunction>(GDK_FUNC_MOVE | GDK_FUNC_CLOSE));
}

void CloseSheet(GtkButton*, gpointer sheet) { gtk_dialog_response(GTK_DIALOG(sheet), GTK_RESPONSE_CLOSE); }

GtkWidget* NewSheetButton(GtkWidget* sheet, const char* gbkText, DialogBaseUnits base) {
    GtkWidget* button = gtk_button_new_with_label(Utf8FromGbk(gbkText).c_str());
    gtk_widget_set_size_request(button, DialogUnitsToPixelsX(kSheetButtonWidth, base),
                                DialogUnitsToPixelsY(kSheetButtonHeight, base));
    g_signal_connect(button, "clicked", G_CALLBACK(CloseSheet), sheet);
    return button;
}

}  // namespace

void ShowInfoSheet(GtkWindow* parent, int startPage) {
    const DialogTemplate* pages[kSheetPageCount];
    for (int i = 0; i < kSheetPageCount; ++i) {
        pages[i] = DialogTemplateById(kSheetPages[i].dialogTemplate);
        if (pages[i] == nullptr) {
            gdk_display_beep(gdk_display_get_default());  // the sheet could not be made
            return;
        }
    }
    GtkWidget* sheet = NewStyledDialog(parent, Utf8FromGbk(kSheetCaption).c_str());
    gtk_window_set_position(GTK_WINDOW(sheet), GTK_WIN_POS_CENTER_ON_PARENT);
    g_signal_connect_after(sheet, "realize", G_CALLBACK(DecorateWithCloseBox), nullptr);
    const DialogBaseUnits base = DialogBaseUnitsOf(sheet);
    const int marginX = DialogUnitsToPixelsX(kSheetMargin, base);
    const int marginY = DialogUnitsToPixelsY(kSheetMargin, base);

    GtkWidget* notebook = gtk_notebook_new();
    for (int i = 0; i < kSheetPageCount; ++i) {
        const TemplatePanel panel = BuildTemplatePanel(*pages[i], base);
        gtk_notebook_append_page(GTK_NOTEBOOK(notebook), panel.fixed,
                                 gtk_label_new(Utf8FromGbk(kSheetPages[i].title).c_str()));
    }
    gtk_widget_set_margin_start(notebook, marginX);
    gtk_widget_set_margin_end(notebook, marginX);
    gtk_widget_set_margin_top(notebook, marginY);

    GtkWidget* buttons = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, marginX);
    GtkWidget* ok = NewSheetButton(sheet, kSheetOk, base);
    GtkWidget* cancel = NewSheetButton(sheet, kSheetCancel, base);
    gtk_box_pack_start(GTK_BOX(buttons), ok, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(buttons), cancel, FALSE, FALSE, 0);
    gtk_widget_set_halign(buttons, GTK_ALIGN_END);
    gtk_widget_set_margin_end(buttons, marginX);
    gtk_widget_set_margin_top(buttons, marginY);
    gtk_widget_set_margin_bottom(buttons, marginY);

    GtkWidget* content = gtk_dialog_get_content_area(GTK_DIALOG(sheet));
    gtk_box_pack_start(GTK_BOX(content), notebook, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(content), buttons, FALSE, FALSE, 0);
    gtk_widget_show_all(notebook);
    gtk_widget_show_all(buttons);
    // Pages must be shown before one can be made current.
    gtk_notebook_set_current_page(GTK_NOTEBOOK(notebook), startPage);
    gtk_widget_set_can_default(ok, TRUE);
    gtk_window_set_default(GTK_WINDOW(sheet), ok);
    FocusWhenShown(sheet, notebook);  // the tabs, as no page takes the focus
    GtkWidget* const controls[] = {notebook, ok, cancel};
    AnswerKeysWith(sheet, KeysOfSheet(kSheetPageCount), controls, GTK_NOTEBOOK(notebook));

    gtk_dialog_run(GTK_DIALOG(sheet));  // OK, Cancel, Esc and the close all end it
    gtk_widget_destroy(sheet);
}
