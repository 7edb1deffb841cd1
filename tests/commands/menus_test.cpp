// The two popup menus as data: items, order, texts and greying.
#include <gtest/gtest.h>

#include "commands/menus.h"
#include "resources/dialog_keys.h"
#include "game/difficulty.h"
#include "game/state.h"
#include "resources/texts.h"

namespace {

TEST(Menus, MainMenuItemsInOrderWithTwoSeparators) {
    const int ids[] = {203, 204, 205, 206, 207, 0, 208, 0, 202};
    const char* texts[] = {kHideItem, kHighScoresItem, kKeyHelpItem, kMaxSpeedItem, kMaxRowsItem,
                           nullptr, kAboutItem, nullptr, kExitItem};
    ASSERT_EQ(sizeof MainMenu / sizeof MainMenu[0], 9u);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(MainMenu[i].id, ids[i]);
        if (texts[i] == nullptr)
            EXPECT_EQ(MainMenu[i].text, nullptr);
        else
            EXPECT_STREQ(MainMenu[i].text, texts[i]);
    }
}

TEST(Menus, TrayMenuIsRestoreSeparatorExit) {
    ASSERT_EQ(sizeof TrayMenu / sizeof TrayMenu[0], 3u);
    EXPECT_EQ(TrayMenu[0].id, 201);
    EXPECT_STREQ(TrayMenu[0].text, kRestoreItem);
    EXPECT_EQ(TrayMenu[1].text, nullptr);
    EXPECT_EQ(TrayMenu[2].id, 202);
    EXPECT_STREQ(TrayMenu[2].text, kExitItem);
}

TEST(Menus, OnlyTheMaximaThatAreReachedAreGreyed) {
    GameState state = {};
    state.speedLevel = 18;
    state.startRows = 15;
    for (const MenuItem& item : MainMenu) EXPECT_FALSE(MenuItemGreyed(item.id, state)) << item.id;
    state.speedLevel = 19;
    EXPECT_TRUE(MenuItemGreyed(CmdMaxSpeed, state));
    EXPECT_FALSE(MenuItemGreyed(CmdMaxRows, state));
    state.startRows = 16;
    EXPECT_TRUE(MenuItemGreyed(CmdMaxRows, state));
    // The running and paused flags play no part.
    state.running = 1;
    state.paused = 1;
    EXPECT_TRUE(MenuItemGreyed(CmdMaxSpeed, state));
    state.speedLevel = 0;
    state.startRows = 0;
    EXPECT_FALSE(MenuItemGreyed(CmdMaxSpeed, state));
    EXPECT_FALSE(MenuItemGreyed(CmdMaxRows, state));
    state.speedLevel = kMaxSpeedLevel;
    state.startRows = kMaxStartRows;
    for (const MenuItem& item : MainMenu) {
        if (item.id != CmdMaxSpeed && item.id != CmdMaxRows) {
            EXPECT_FALSE(MenuItemGreyed(item.id, state));
        }
    }
}

// Presses `key` in `menu` from `highlighted` and returns the answer.
MenuKeyAnswer Press(int which, int highlighted, int key, const GameState& state = {}) {
    return KeyInMenu(kPopupMenus[which], highlighted, key, state);
}

TEST(MenuKeys, DownAndUpGoRoundPastTheSeparatorsFromNoHighlight) {
    // Down from nothing visits every item of the main menu and comes round.
    int lit = -1;
    for (const int want : {0, 1, 2, 3, 4, 6, 8, 0}) {
        const MenuKeyAnswer answer = Press(0, lit, kVkDown);
        ASSERT_EQ(answer.action, MenuAction::Highlight);
        EXPECT_EQ(answer.item, want);
        lit = answer.item;
    }
    EXPECT_EQ(Press(0, -1, kVkUp).item, 8);
    EXPECT_EQ(Press(0, 8, kVkUp).item, 6);
    EXPECT_EQ(Press(0, 0, kVkUp).item, 8);
    EXPECT_EQ(Press(0, 6, kVkHome).item, 0);
    EXPECT_EQ(Press(0, -1, kVkEnd).item, 8);
    EXPECT_EQ(Press(1, -1, kVkDown).item, 0);
    EXPECT_EQ(Press(1, 0, kVkDown).item, 2);
}

TEST(MenuKeys, ReturnAndSpaceChooseAnEnabledItemAndOnlyCloseOnAGreyedOneOrNone) {
    GameState top = {};
    top.speedLevel = kMaxSpeedLevel;
    // Greyed items take the highlight all the same.
    EXPECT_EQ(Press(0, 2, kVkDown, top).item, 3);
    EXPECT_EQ(Press(0, 3, kVkReturn, top).action, MenuAction::Close);
    EXPECT_EQ(Press(0, 3, kVkReturn).action, MenuAction::Choose);
    const MenuKeyAnswer space = Press(0, 1, kVkSpace, top);
    EXPECT_EQ(space.action, MenuAction::Choose);
    EXPECT_EQ(MainMenu[space.item].id, CmdHighScores);
    EXPECT_EQ(Press(0, -1, kVkReturn).action, MenuAction::Close);
    for (const int key : {kVkEscape, kVkAlt, kVkF10}) EXPECT_EQ(Press(1, 0, key).action, MenuAction::Close) << key;
    // Any other key stays with the menu: no game key, no move.
    for (const int key : {0x71, kVkLeft, int('A')}) {
        const MenuKeyAnswer kept = Press(0, 4, key);
        EXPECT_EQ(kept.action, MenuAction::Nothing) << key;
        EXPECT_EQ(kept.item, 4);
    }
}

}  // namespace
