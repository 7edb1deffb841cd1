#include "win32/menus.h"

#include "commands/menus.h"

namespace {

template <size_t N>
HMENU BuildMenu(const MenuItem (&items)[N], const GameState* state, GuiObjectCount& objects) {
    HMENU menu = CountMade(objects, CreatePopupMenu());
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
void TrackAtCursor(HWND window, HMENU menu, GuiObjectCount& objects) {
    if (menu == nullptr) return;
    POINT cursor = {};
    GetCursorPos(&cursor);
    SetForegroundWindow(window);
    TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, window, nullptr);
    PostMessageA(window, WM_NULL, 0, 0);
    CountFreed(objects, DestroyMenu(menu));
}

}  // namespace

void OpenMainMenu(HWND window, const GameState& state, GuiObjectCount& objects) {
    TrackAtCursor(window, BuildMenu(MainMenu, &state, objects), objects);
}

void OpenTrayMenu(HWND window, GuiObjectCount& objects) {
    TrackAtCursor(window, BuildMenu(TrayMenu, nullptr, objects), objects);
}
