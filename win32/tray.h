#pragma once
// The notification-area icon, hiding and restoring the main window.
#include <windows.h>

#include "win32/gui_objects.h"

struct Program;

constexpr UINT kTrayIconId = 102;

// Hands the icon over to the shell; the icon handle is released whatever
// the outcome. True when the shell took the icon.
bool AddTrayIcon(HWND window, UINT iconId, HICON icon, const char* tip, GuiObjectCount& objects);
// True when an icon was removed; asking when none is shown is harmless.
bool RemoveTrayIcon(HWND window, UINT iconId, GuiObjectCount& objects);
// Hides the window and shows the icon in its place. A window hidden without
// its icon could not be reached: when the shell refuses the icon, the
// window comes back minimised, on the taskbar.
void HideToTray(HWND window, GuiObjectCount& objects);
// The shell that holds the notification area has started again and knows
// no icon of ours: a hidden window gets its icon back, exactly one, or
// waits minimised on the taskbar when the shell refuses it.
void OnTaskbarCreated(HWND window, GuiObjectCount& objects);
// Takes the icon away and shows the window again, repainted; it then comes
// to the front by itself (ComeToFront).
void RestoreFromTray(HWND window, GuiObjectCount& objects);
// The end of a restore, from the message the window posted itself: the
// window shown makes itself the foreground window, with the keyboard, or
// the dialog open over it does. Nothing when it was hidden again meanwhile.
void ComeToFront(HWND window);
// The icon's callback: the mouse message that happened over it.
void OnTrayNotify(Program& program, LPARAM mouseMessage);
