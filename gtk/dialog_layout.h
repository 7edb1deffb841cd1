#pragma once
// The dialogs of the Linux program are laid out from the templates of
// resources/dialogs.rc: each control becomes a GTK widget at its rectangle,
// converted from dialog units to pixels, on a GtkFixed; all of it in the
// dialog font, the desktop's family at the templates' 9 points.
#include <gtk/gtk.h>

#include "resources/dialog_keys.h"
#include "resources/dialog_script.h"

// The push buttons that end a dialog: gtk_dialog_run returns their ids.
constexpr int kOkButton = 1;      // IDOK
constexpr int kCancelButton = 2;  // IDCANCEL

// One template's widgets, in template order.
struct TemplatePanel {
    const DialogTemplate* source;
    GtkWidget* fixed;  // the template's client area
    GtkWidget* controls[kMaxDialogControls];
};

// The widget of the control with the given id (the first of them), or null.
GtkWidget* PanelControl(const TemplatePanel& panel, int controlId);

// A top-level of the dialog style: the dialog font, and controls no larger
// than their rectangles. Not yet shown.
GtkWidget* NewStyledDialog(GtkWindow* parent, const char* utf8Caption);
// The dialog units of a window made by NewStyledDialog.
DialogBaseUnits DialogBaseUnitsOf(GtkWidget* dialog);

// Gives `widget` the focus once the dialog is on the screen: focus given
// before that does not reach the containers in between, and the first Tab
// would start from nowhere.
void FocusWhenShown(GtkWidget* dialog, GtkWidget* widget);

// The template's controls on a new GtkFixed the size of the template.
TemplatePanel BuildTemplatePanel(const DialogTemplate& dialog, DialogBaseUnits base);

// A modal dialog over `parent` whose client area is template `templateId`,
// placed as the template says: centred on the screen, or at its position
// from the parent's client area. Buttons 1 and 2 end gtk_dialog_run with
// their ids; the focus is on button 1. Not yet shown; null when the template
// is missing.
GtkDialog* NewTemplateDialog(GtkWindow* parent, int templateId, TemplatePanel& panel);

// From now on the key model answers the keys of `dialog`, whose controls
// `keys` describes and `controls` holds by index; `pages` is the sheet's.
void AnswerKeysWith(GtkWidget* dialog, const DialogKeys& keys, GtkWidget* const* controls, GtkNotebook* pages);

// Runs the dialog until button 1 ends it: Esc and the window's close do
// nothing. False when the dialog went away otherwise.
bool RunUntilOk(GtkDialog* dialog);
