#pragma once
// The modal windows the main window opens, and the two sounds.
#include <windows.h>

#include "game/options.h"

struct Program;

// The three-page information sheet, opened on the given page; returns when
// it closes.
void ShowInfoSheet(HWND parent, HINSTANCE instance, int startPage);
// The options dialog; OK stores the options and repaints the main window.
void ShowOptions(HWND parent, Program& program);
// Offers the current score and lines to the top-ten table; returns after
// any name entry and table display have closed.
void CheckHighScore(HWND parent, Program& program);
// The top-ten table, modal.
void ShowHighScores(HWND parent, Program& program);
// Sound 110 or 111 from the program's resources, played to its end; a
// 100 ms pause instead while the Sound option is off.
void PlayEffect(HINSTANCE instance, const Options& options, int soundId);
