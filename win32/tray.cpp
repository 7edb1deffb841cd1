// The notification-area icon, hiding to it and coming back.
#include "win32/tray.h"

#include <shellapi.h>

#include <cstring>

#include "resources/ids.h"
#include "resources/texts.h"
#include "win32/dpi.h"
#include "win32/icon.h"
#include "win32/menus.h"
#include "win32/messages.h"
#include "win32/program.h"

namespace {

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
//
// The icon is the small icon's size at the window's scale, as the
// notification area shows it, and carries an alpha channel. Wine's shell
// hands an icon to its notification area as the bits of its bitmaps, the
// mask counted as width x height bits with no room for the padding of its
// rows: at a width that is not a multiple of 16 (20, 24 and 28 pixels, at
// 125 % to 175 %) the mask arrives cut and shifted, and the clear pixels of
// its lower rows show black. An icon with alpha is drawn by its alpha, and
// its mask does not show.
void ShowTrayIconOrMinimised(HWND window, GuiObjectCount& objects) {
    HICON icon = MakeIcon(IDI_PROGRAM, MetricForDpi(SM_CXSMICON, WindowDpi(window)));
    if (!AddTrayIcon(window, kTrayIconId, CountMade(objects, icon), kTrayTip, objects))
        ShowWindow(window, SW_SHOWMINNOACTIVE);
}

}  // namespace

void HideToTray(HWND window, GuiObjectCount& objects) {
    // Esc and the Hide item minimise (which already comes here) and then ask
    // again: a window already hidden already has its icon.
    if (!IsWindowVisible(window)) return;
    ShowWindow(window, SW_HIDE);
    ShowTrayIconOrMinimised(window, objects);
}

void OnTaskbarCreated(HWND window, GuiObjectCount& objects) {
    if (IsWindowVisible(window)) return;
    RemoveTrayIcon(window, kTrayIconId, objects);  // should the shell still hold it
    objects.trayIcons = 0;                          // the shell that held it is gone
    ShowTrayIconOrMinimised(window, objects);
}

// A restore (the icon's double-click or menu, a second launch) shows the
// window, which activates it when it comes back from its icon; the window
// then makes itself the foreground window, in its own thread, from a message
// it posts itself (ComeToFront):
// - Windows lets only a process with the right set the foreground window:
//   the shell gives it to the icon's owner, the icon's menu made the window
//   the foreground one before it opened, and a second launch hands over its
//   own (AllowSetForegroundWindow).
// - Under Wine the keys go where the X input focus is, which Wine asks the
//   X server for with the time of the last message the thread took from its
//   queue; a message sent from another process (the shell's notification, a
//   second launch's restore) is not one. Had another program's window taken
//   the focus since, the server would refuse the older request and the keys
//   would keep going to that window, whose thread, no longer active, drops
//   them. A posted message bears the time it was posted.
void RestoreFromTray(HWND window, GuiObjectCount& objects) {
    RemoveTrayIcon(window, kTrayIconId, objects);
    ShowWindow(window, SW_RESTORE);
    UpdateWindow(window);
    PostMessageA(window, PrivateMsg::ComeToFront, 0, 0);
}

void ComeToFront(HWND window) {
    if (!IsWindowVisible(window) || IsIconic(window)) return;
    HWND front = GetLastActivePopup(window);
    if (front != window) {
        SetForegroundWindow(front);
        return;
    }
    // Activated by the restore already (back from its icon), the window
    // gives up its focus and takes it again, so that Wine asks for it anew
    // with this message's time.
    if (GetActiveWindow() == window && GetFocus() == window) SetFocus(nullptr);
    SetForegroundWindow(window);
    SetFocus(window);
}

void OnTrayNotify(Program& program, LPARAM mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONDBLCLK: SendMessageA(program.host.window(), WM_COMMAND, CmdRestore, 0); break;
    case WM_RBUTTONDOWN: OpenTrayMenu(program); break;
    default: break;
    }
}
