#pragma once
// The two popup menus on Windows, built from their items
// (commands/menus.h) and tracked at the pointer.
#include <windows.h>

#include "game/state.h"
#include "win32/gui_objects.h"

// The main window's right-click menu, greyed by the game's state.
void OpenMainMenu(HWND window, const GameState& state, GuiObjectCount& objects);
// The notification icon's menu.
void OpenTrayMenu(HWND window, GuiObjectCount& objects);
