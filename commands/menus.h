#pragma once
// The two popup menus as data: items in order, separators, and which items
// are greyed by the game's state when the menu is built.
#include <cstdint>

#include "commands/commands.h"
#include "game/state.h"
#include "resources/texts.h"

constexpr int kSeparatorId = 0;

struct MenuItem {
    int id;            // kSeparatorId for a separator
    const char* text;  // nullptr for a separator
};

// The main window's right-click menu.
constexpr MenuItem MainMenu[] = {
    {CmdHide, kHideItem},
    {CmdHighScores, kHighScoresItem},
    {CmdKeyHelp, kKeyHelpItem},
    {CmdMaxSpeed, kMaxSpeedItem},
    {CmdMaxRows, kMaxRowsItem},
    {kSeparatorId, nullptr},
    {CmdAbout, kAboutItem},
    {kSeparatorId, nullptr},
    {CmdExit, kExitItem},
};

// The notification icon's right-click menu.
constexpr MenuItem TrayMenu[] = {
    {CmdRestore, kRestoreItem},
    {kSeparatorId, nullptr},
    {CmdExit, kExitItem},
};

// Stepping to a maximum that is already reached has nothing to do.
bool MenuItemGreyed(int id, const GameState& state);

// The menus by the number the page and the tests use.
constexpr int kMainMenu = 0, kTrayMenu = 1;
struct MenuTable {
    const MenuItem* items;
    int count;
};
constexpr MenuTable kPopupMenus[] = {
    {MainMenu, sizeof MainMenu / sizeof *MainMenu},
    {TrayMenu, sizeof TrayMenu / sizeof *TrayMenu},
};

// The keys of an open menu, as in a Windows menu: one highlight, none at
// first. Down and Up go round the items past the separators, onto greyed
// items too; Home and End go to the first and the last; Return or Space
// chooses the highlighted item, and only closes the menu when it is greyed
// or there is none; Esc, Alt and F10 close it. Every other key stays with
// the menu and does nothing.
enum class MenuAction : uint8_t { Nothing, Highlight, Choose, Close };

struct MenuKeyAnswer {
    MenuAction action;
    int item;  // index in the menu's table: the highlight, or the item chosen
};

// `highlighted` is an index in the table, -1 for none.
MenuKeyAnswer KeyInMenu(const MenuTable& menu, int highlighted, int key, const GameState& state);
