#pragma once
// The modal windows of the Linux program: the options, the top-ten table
// with its name entry, and the information sheet. Each is laid out from the
// dialog template the Windows program uses, runs its own nested loop
// (gtk_dialog_run) and returns when it has closed.
#include <gtk/gtk.h>

#include "commands/dispatch.h"

// What the dialogs read and change; it outlives each dialog.
struct DialogContext {
    GtkWindow* parent;       // the main window, which owns every dialog
    Dispatcher* dispatcher;  // the options, the table, and storing them
};

// The three-page information sheet, opened on the given page.
void ShowInfoSheet(GtkWindow* parent, int startPage);
// The options dialog; OK stores the options (StoreOptions).
void ShowOptions(const DialogContext& context);
// The name entry, showing `offered`: what was typed at OK, or the offered
// name should no dialog be made.
Answer EnterName(GtkWindow* parent, const char* offered);
// The top-ten table.
void ShowHighScores(const DialogContext& context);
