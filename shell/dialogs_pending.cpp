// The dialogs are not built yet: each entry returns at once, as if the
// player had closed it without a change.
#include "shell/dialogs.h"

void ShowInfoSheet(HWND, HINSTANCE, int) {}
void ShowOptions(HWND, Program&) {}
void CheckHighScore(HWND, Program&) {}
void ShowHighScores(HWND, Program&) {}
