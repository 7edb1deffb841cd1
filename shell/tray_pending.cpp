// The notification-area icon and the menus are not built yet: hiding only
// hides the window, and the menus do not open.
#include "shell/tray.h"

bool AddTrayIcon(HWND, UINT, HICON icon, const char*) {
    if (icon != nullptr) DestroyIcon(icon);
    return false;
}

bool RemoveTrayIcon(HWND, UINT) { return false; }

void HideToTray(HWND window, HINSTANCE) { ShowWindow(window, SW_HIDE); }

void RestoreFromTray(HWND window) {
    ShowWindow(window, SW_RESTORE);
    UpdateWindow(window);
}

void OnTrayNotify(HWND, LPARAM) {}
void OpenMainMenu(HWND, const GameState&) {}
