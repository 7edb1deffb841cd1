#pragma once
// The two popup menus as data: items in order, separators, and which items
// are greyed by the game's state when the menu is built.
#include "commands/commands.h"
#include "game/state.h"

struct MenuItem {
    int id;            // 0 for a separator
    const char* text;  // nullptr for a separator
};

// The main window's right-click menu.
constexpr MenuItem MainMenu[] = {
    {CmdHide, "隐藏界面"},
    {CmdHighScores, "显示前十名..."},
    {CmdKeyHelp, "功能键定义..."},
    {CmdMaxSpeed, "最大速度"},
    {CmdMaxRows, "最大起始行数"},
    {0, nullptr},
    {CmdAbout, "关于..."},
    {0, nullptr},
    {CmdExit, "退出"},
};

// The notification icon's right-click menu.
constexpr MenuItem TrayMenu[] = {
    {CmdRestore, "恢复"},
    {0, nullptr},
    {CmdExit, "退出"},
};

// Stepping to a maximum that is already reached has nothing to do.
bool MenuItemGreyed(int id, const GameState& state);
