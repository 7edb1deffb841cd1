#pragma once
// The two popup menus as data: items in order, separators, and which items
// are greyed by the game's state when the menu is built.
#include "game/state.h"
#include "shell/commands.h"

struct MenuItem {
    int id;            // 0 for a separator
    const char* text;  // nullptr for a separator
};

// The main window's right-click menu.
constexpr MenuItem kMainMenuItems[] = {
    {kCmdHide, "隐藏界面"},
    {kCmdHighScores, "显示前十名..."},
    {kCmdKeyHelp, "功能键定义..."},
    {kCmdMaxSpeed, "最大速度"},
    {kCmdMaxRows, "最大起始行数"},
    {0, nullptr},
    {kCmdAbout, "关于..."},
    {0, nullptr},
    {kCmdExit, "退出"},
};

// The notification icon's right-click menu.
constexpr MenuItem kTrayMenuItems[] = {
    {kCmdRestore, "恢复"},
    {0, nullptr},
    {kCmdExit, "退出"},
};

// Stepping to a maximum that is already reached has nothing to do.
bool MenuItemGreyed(int id, const GameState& state);
