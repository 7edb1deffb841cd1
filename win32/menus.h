#pragma once
// The two popup menus on Windows, built from their items
// (commands/menus.h) and tracked at the pointer.
struct Program;

// The main window's right-click menu, greyed by the game's state.
void OpenMainMenu(Program& program);
// The notification icon's menu.
void OpenTrayMenu(Program& program);
