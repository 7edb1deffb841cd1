#pragma once
// The steps of start-up that make the window and its buttons.
#include <windows.h>

struct Program;

// The class "PDLTrelmo" with MainWindowProc, icon 102, the arrow and the
// (192,192,192) ground. False when registration fails.
bool RegisterWindowClass(HINSTANCE instance);
// The fixed 485 x 365 window, centred across and 20 pixels above centre;
// not yet shown. Its creation runs the window's own set-up.
HWND CreateMainWindow(HINSTANCE instance);
// The seven buttons in table order, each shown and updated as it is made.
// False at the first that cannot be made; the ones before it stay.
bool CreateButtons(HWND window, Program& program);
// A second launch: the running copy's window, found by its class, restores
// as "恢复" in the icon's menu does (CmdRestore) and comes to the front by
// itself, with the right to do so from this launch. Returns once it is in
// front, or after a few seconds for a copy that hangs or cannot come.
void BringBackFirstCopy();
