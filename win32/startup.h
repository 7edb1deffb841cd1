#pragma once
// The steps of start-up that make the window and its buttons.
#include <windows.h>

struct Program;

// The class "PDLTrelmo" with MainWindowProc, icon 102, the arrow and the
// (192,192,192) ground. False when registration fails.
bool RegisterWindowClass(HINSTANCE instance);
// The window for the screen's scale: 485 x 365 at 96 dots per inch, else
// the client area the scale asks for in the system's frame; centred across
// and 20 pixels (at the scale) above centre; not yet shown. Its creation
// runs the window's own set-up.
HWND CreateMainWindow(HINSTANCE instance);
// The seven buttons in table order, placed, then each shown and updated.
// False at the first that cannot be made; the ones before it stay.
bool CreateButtons(HWND window, Program& program);
// The buttons at their places and in their font at the window's scale.
void PlaceButtons(const Program& program);
// A second launch: the running copy's window, found by its class, restores
// as "恢复" in the icon's menu does (CmdRestore) and comes to the front by
// itself, with the right to do so from this launch. Returns once it is in
// front, or after a few seconds for a copy that hangs or cannot come.
void BringBackFirstCopy();
