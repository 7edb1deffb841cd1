// The notification-area icon, hiding to it and coming back.
#include "win32/tray.h"

#include <shellapi.h>

#include <cstring>

#include "resources/ids.h"
#include "win32/menus.h"
#include "win32/messages.h"
#include "win32/program.h"

namespace {

constexpr char kTrayTip[] = "Pindle trelmo";
// The first form of the record: its tip holds 64 bytes with the terminator.
constexpr size_t kTipBytes = 64;

}  // namespace

bool AddTrayIcon(HWND window, UINT iconId, HICON icon, const char* tip, GuiObjectCount& objects) {
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
    if (added) ++objects.trayIcons;
    if (icon != nullptr) CountFreed(objects, DestroyIcon(icon));
    return added;
}

bool RemoveTrayIcon(HWND window, UINT iconId, GuiObjectCount& objects) {
    NOTIFYICONDATAA record = {};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window;
    record.uID = iconId;
    const bool removed = Shell_NotifyIconA(NIM_DELETE, &record) != FALSE;
    if (removed) --objects.trayIcons;
    return removed;
}

namespace {

// The icon for a hidden window; a window hidden without it could not be
// reached, so when the shell refuses it the window comes back minimised.
void ShowTrayIconOrMinimised(HWND window, HINSTANCE instance, GuiObjectCount& objects) {
    HICON icon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    if (!AddTrayIcon(window, kTrayIconId, CountMade(objects, icon), kTrayTip, objects))
        ShowWindow(window, SW_SHOWMINNOACTIVE);
}

}  // namespace

void HideToTray(HWND window, HINSTANCE instance, GuiObjectCount& objects) {
    // Esc and the Hide item minimise (which already comes here) and then ask
    // again: a window already hidden already has its icon.
    if (!IsWindowVisible(window)) return;
    ShowWindow(window, SW_HIDE);
    ShowTrayIconOrMinimised(window, instance, objects);
}

void OnTaskbarCreated(HWND window, HINSTANCE instance, GuiObjectCount& objects) {
    if (IsWindowVisible(window)) return;
    RemoveTrayIcon(window, kTrayIconId, objects);  // should the shell still hold it
    objects.trayIcons = 0;                          // the shell that held it is gone
    ShowTrayIconOrMinimised(window, instance, objects);
}

void RestoreFromTray(HWND window, GuiObjectCount& objects) {
    RemoveTrayIcon(window, kTrayIconId, objects);
    ShowWindow(window, SW_RESTORE);
    UpdateWindow(window);
}

void OnTrayNotify(Program& program, LPARAM mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONDBLCLK: SendMessageA(program.host.window(), WM_COMMAND, CmdRestore, 0); break;
    case WM_RBUTTONDOWN: OpenTrayMenu(program); break;
    default: break;
    }
}
