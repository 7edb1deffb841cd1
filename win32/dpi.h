#pragma once
// The window's dots per inch, and what the system sizes at them. The
// program is per-monitor aware by its manifest; the calls that tell a
// window's own scale exist from Windows 10 on and are looked up when the
// program runs, so it still starts on older systems, at the screen's scale.
// Nothing here depends on whether an awareness call succeeded: Wine reports
// every program aware and refuses the calls, and scales by LogPixels.
#include <windows.h>

// The screen's scale, the one the system made its stock fonts for.
int ScreenDpi();

// The window's scale; the screen's where the system cannot tell, or for a
// null window. Within the range the program draws at.
int WindowDpi(HWND window);

// A system metric (SM_CXSMICON...) at `dpi`, or at the system's scale
// where the system cannot tell it for another.
int MetricForDpi(int index, int dpi);

// The outer size of a window with this style around a client area of
// `clientWidth` x `clientHeight` at `dpi`.
SIZE OuterSizeForDpi(int clientWidth, int clientHeight, DWORD style, int dpi);
