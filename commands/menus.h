#pragma once
// The two popup menus as data: items in order, separators, and which items
// are greyed by the game's state when the menu is built.
#include "commands/commands.h"
#include "game/state.h"
#include "resources/texts.h"

struct MenuItem {
    int id;            // 0 for a separator
    const char* text;  // nullptr for a separator
};

// The main window's right-click menu.
constexpr MenuItem MainMenu[] = {
    {CmdHide, kHideItem},
    {CmdHighScores, kHighScoresItem},
    {CmdKeyHelp, kKeyHelpItem},
    {CmdMaxSpeed, kMaxSpeedItem},
    {CmdMaxRows, kMaxRowsItem},
    {0, nullptr},
    {CmdAbout, kAboutItem},
    {0, nullptr},
    {CmdExit, kExitItem},
};

// The notification icon's right-click menu.
constexpr MenuItem TrayMenu[] = {
    {CmdRestore, kRestoreItem},
    {0, nullptr},
    {CmdExit, kExitItem},
};

// Stepping to a maximum that is already reached has nothing to do.
bool MenuItemGreyed(int id, const GameState& state);
