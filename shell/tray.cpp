// The notification-area icon, hiding to it and coming back, and the two
// popup menus.
#include "shell/tray.h"

#include <shellapi.h>

#include <cstring>

#include "draw/gui_objects.h"
#include "shell/commands.h"
#include "shell/menus.h"

namespace {

constexpr int kTrayIconResource = 102;
constexpr char kTrayTip[] = "Pindle trelmo";
// The first form of the record: its tip holds 64 bytes with the terminator.
constexpr size_t kTipBytes = 64;

template <size_t N>
HMENU BuildMenu(const MenuItem (&items)[N], const GameState* state) {
    HMENU menu = CountMade(CreatePopupMenu());
    if (menu == nullptr) return nullptr;
    for (const MenuItem& item : items) {
        if (item.text == nullptr) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const bool greyed = state != nullptr && MenuItemGreyed(item.id, *state);
        AppendMenuA(menu, MF_STRING | (greyed ? MF_GRAYED : MF_ENABLED), static_cast<UINT_PTR>(item.id), item.text);
    }
    return menu;
}

// The chosen item comes back to the window as a command message. The
// window must be the foreground window while its menu is tracked, or a
// click elsewhere does not close the menu: the icon's menu opens while the
// window is hidden and inactive. The message posted afterwards lets the
// system finish with the menu before the next one, as its notes ask.
void TrackAtCursor(HWND window, HMENU menu) {
    if (menu == nullptr) return;
    POINT cursor = {};
    GetCursorPos(&cursor);
    SetForegroundWindow(window);
    TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, window, nullptr);
    PostMessageA(window, WM_NULL, 0, 0);
    CountFreed(DestroyMenu(menu));
}

}  // namespace

bool AddTrayIcon(HWND window, UINT iconId, HICON icon, const char* tip) {
    NOTIFYICONDATAA record = {};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window;
    record.uID = iconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = PrivateMsg::TrayNotify;
    record.hIcon = icon;
    if (tip != nullptr) {
        const size_t length = std::strlen(tip);
        const size_t kept = length < kTipBytes - 1 ? length : kTipBytes - 1;
        std::memcpy(record.szTip, tip, kept);
    }
    const bool added = Shell_NotifyIconA(NIM_ADD, &record) != FALSE;
    if (added) ++g_guiObjects.trayIcons;
    if (icon != nullptr) CountFreed(DestroyIcon(icon));
    return added;
}

bool RemoveTrayIcon(HWND window, UINT iconId) {
    NOTIFYICONDATAA record = {};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window;
    record.uID = iconId;
    const bool removed = Shell_NotifyIconA(NIM_DELETE, &record) != FALSE;
    if (removed) --g_guiObjects.trayIcons;
    return removed;
}

void HideToTray(HWND window, HINSTANCE instance) {
    // Esc and the Hide item minimise (which already comes here) and then ask
    // again: a window already hidden already has its icon.
    const bool alreadyHidden = !IsWindowVisible(window);
    ShowWindow(window, SW_HIDE);
    if (alreadyHidden) return;
    HICON icon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kTrayIconResource), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    AddTrayIcon(window, kTrayIconId, CountMade(icon), kTrayTip);
}

void RestoreFromTray(HWND window) {
    RemoveTrayIcon(window, kTrayIconId);
    ShowWindow(window, SW_RESTORE);
    UpdateWindow(window);
}

void OnTrayNotify(HWND window, LPARAM mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONDBLCLK: SendMessageA(window, WM_COMMAND, CmdRestore, 0); break;
    case WM_RBUTTONDOWN: TrackAtCursor(window, BuildMenu(TrayMenu, nullptr)); break;
    default: break;
    }
}

void OpenMainMenu(HWND window, const GameState& state) { TrackAtCursor(window, BuildMenu(MainMenu, &state)); }
