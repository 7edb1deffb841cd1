// The options dialog: the seven flags as check boxes and radio pairs,
// stored and shown at once on OK, untouched on Cancel, Esc and the close.
#include "gtk/dialog_layout.h"
#include "gtk/dialogs.h"
#include "store/dialogs_fields.h"

namespace {

void Mark(const TemplatePanel& panel, int id, bool checked) {
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(PanelControl(panel, id)), checked);
}

bool Marked(const TemplatePanel& panel, int id) {
    return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(PanelControl(panel, id)));
}

// Checking one radio button of a pair clears the other.
void ShowMarks(const TemplatePanel& panel, const OptionMarks& marks) {
    for (const MarkPair& pair : kMarkPairs) Mark(panel, marks.*pair.mark ? pair.first : pair.second, true);
    for (const MarkBox& box : kMarkBoxes) Mark(panel, box.control, marks.*box.mark);
}

OptionMarks ReadMarks(const TemplatePanel& panel) {
    OptionMarks marks = {};
    for (const MarkPair& pair : kMarkPairs) marks.*pair.mark = Marked(panel, pair.first);
    for (const MarkBox& box : kMarkBoxes) marks.*box.mark = Marked(panel, box.control);
    return marks;
}

}  // namespace

void ShowOptions(const DialogContext& context) {
    TemplatePanel panel;
    GtkDialog* dialog = NewTemplateDialog(context.parent, IDD_OPTIONS, panel);
    if (dialog == nullptr) return;  // as if cancelled
    ShowMarks(panel, MarksForOptions(context.dispatcher->game.options));
    if (gtk_dialog_run(dialog) == kOkButton) StoreOptions(*context.dispatcher, ReadMarks(panel));
    gtk_widget_destroy(GTK_WIDGET(dialog));
}
