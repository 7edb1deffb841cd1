#include "win32/menus.h"

#include "commands/menus.h"
#include "win32/program.h"
#include "win32/text.h"

namespace {

template <size_t N>
HMENU BuildMenu(const MenuItem (&items)[N], const GameState* state, GuiObjectCount& objects) {
    HMENU menu = CountMade(objects, CreatePopupMenu());
    if (menu == nullptr) return nullptr;
    for (const MenuItem& item : items) {
        if (item.text == nullptr) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const bool greyed = state != nullptr && MenuItemGreyed(item.id, *state);
        AppendMenuW(menu, MF_STRING | (greyed ? MF_GRAYED : MF_ENABLED), static_cast<UINT_PTR>(item.id),
                    Widen(item.text));
    }
    return menu;
}

// The chosen item comes back to the window as a command message. The
// window must be the foreground window while its menu is tracked, or a
// click elsewhere does not close the menu: the icon's menu opens while the
// window is hidden and inactive. The message posted afterwards lets the
// system finish with the menu before the next one, as its notes ask.
//
// Gravity goes on while a menu is tracked; what its steps ask for closes
// the menu and waits until tracking has returned (commands/dispatch.h).
void TrackAtCursor(Program& program, HMENU menu) {
    if (menu == nullptr) return;
    HWND window = program.host.window();
    POINT cursor = {};
    GetCursorPos(&cursor);
    SetForegroundWindow(window);
    MenuOpened(program.dispatcher);
    TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, window, nullptr);
    PostMessageA(window, WM_NULL, 0, 0);
    CountFreed(program.guiObjects, DestroyMenu(menu));
    CarryOutWindowActions(program, MenuClosed(program.dispatcher));
}

}  // namespace

void OpenMainMenu(Program& program) {
    TrackAtCursor(program, BuildMenu(MainMenu, &program.game.state, program.guiObjects));
}

void OpenTrayMenu(Program& program) { TrackAtCursor(program, BuildMenu(TrayMenu, nullptr, program.guiObjects)); }
