#pragma once
// The modal windows of the options and the top-ten table, the information
// sheet, and the two sounds: the Windows side of the settings.
#include <windows.h>

#include "commands/dispatch.h"

// What the dialogs read and change; it outlives each dialog, which is modal.
struct DialogContext {
    HINSTANCE instance;       // holds the templates and the sounds
    Dispatcher* dispatcher;   // the options, the table, and storing them
};

// The three-page information sheet, opened on the given page; returns when
// it closes.
void ShowInfoSheet(HWND parent, HINSTANCE instance, int startPage);
// The options dialog; OK stores the options (StoreOptions).
void ShowOptions(HWND parent, const DialogContext& context);
// The name entry, showing `offered`: what was typed at OK, or the offered
// name should no dialog be made.
Answer EnterName(HWND parent, HINSTANCE instance, const char* offered);
// The top-ten table, modal.
void ShowHighScores(HWND parent, const DialogContext& context);
// Sound 110 or 111 from the program's resources, played to its end.
void PlayEffect(HINSTANCE instance, int soundId);
