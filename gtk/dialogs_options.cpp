// The options dialog: the seven flags as check boxes and radio pairs,
// stored and shown at once on OK, untouched on Cancel, Esc and the close.
#include "gtk/dialog_layout.h"
#include "gtk/dialogs.h"
#include "gtk/settings_file.h"
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
    Mark(panel, marks.sevenShapes ? IDC_SEVEN_SHAPES : IDC_ELEVEN_SHAPES, true);
    Mark(panel, marks.dropToBottom ? IDC_DROP_TO_BOTTOM : IDC_FAST_FALL, true);
    Mark(panel, IDC_SOUND, marks.sound);
    Mark(panel, IDC_PREVIEW, marks.preview);
    Mark(panel, IDC_LOOK_3D, marks.look3D);
    Mark(panel, IDC_INVERSION, marks.inversion);
    Mark(panel, IDC_CLOCKWISE, marks.clockwise);
}

OptionMarks ReadMarks(const TemplatePanel& panel) {
    OptionMarks marks;
    marks.dropToBottom = Marked(panel, IDC_DROP_TO_BOTTOM);
    marks.sevenShapes = Marked(panel, IDC_SEVEN_SHAPES);
    marks.sound = Marked(panel, IDC_SOUND);
    marks.preview = Marked(panel, IDC_PREVIEW);
    marks.look3D = Marked(panel, IDC_LOOK_3D);
    marks.inversion = Marked(panel, IDC_INVERSION);
    marks.clockwise = Marked(panel, IDC_CLOCKWISE);
    return marks;
}

void StoreOptions(const TemplatePanel& panel, const DialogContext& context) {
    Game& game = *context.game;
    game.options = OptionsForMarks(ReadMarks(panel));
    game.state.shapeCount = ShapeCountForStyle(game.options.style);
    SaveSettingsFile(game.options, *context.scores, context.settingsFile);
    // The new look shows before the dialog goes away.
    if (context.repaintParent != nullptr) context.repaintParent(context.repaintData);
}

}  // namespace

void ShowOptions(const DialogContext& context) {
    TemplatePanel panel;
    GtkDialog* dialog = NewTemplateDialog(context.parent, IDD_OPTIONS, panel);
    if (dialog == nullptr) return;  // as if cancelled
    ShowMarks(panel, MarksForOptions(context.game->options));
    if (gtk_dialog_run(dialog) == kOkButton) StoreOptions(panel, context);
    gtk_widget_destroy(GTK_WIDGET(dialog));
}
