#pragma once
// The modal windows of the options and the top-ten table, the information
// sheet, and the two sounds: the Windows side of the settings.
#include <windows.h>

#include "game/state.h"
#include "store/profile_keys.h"
#include "store/scores.h"

// What the dialogs read and change; it outlives each dialog, which is modal.
struct DialogContext {
    HINSTANCE instance;  // holds the templates and the sounds
    Game* game;          // the options, the shape count and the result offered
    ScoreTable* scores;
    ProfileKeys* settings;  // where the options and the table are saved
};

// The three-page information sheet, opened on the given page; returns when
// it closes.
void ShowInfoSheet(HWND parent, HINSTANCE instance, int startPage);
// The options dialog; OK stores the options and repaints the parent.
void ShowOptions(HWND parent, const DialogContext& context);
// The name entry, showing `name`; on OK it holds what was typed, 18 bytes
// at most. A dialog that cannot be made leaves the name as it was.
void EnterName(HWND parent, HINSTANCE instance, char (&name)[kNameBytes]);
// The top-ten table, modal.
void ShowHighScores(HWND parent, const DialogContext& context);
// Sound 110 or 111 from the program's resources, played to its end.
void PlayEffect(HINSTANCE instance, int soundId);
