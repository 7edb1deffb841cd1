// The two popup menus as data: items, order, texts and greying.
#include <gtest/gtest.h>

#include "commands/menus.h"
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

}  // namespace
