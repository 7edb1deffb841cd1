// The options dialog's marks against the stored flags, the texts of the
// top-ten table's rows, and the two popup menus as data.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "game/difficulty.h"
#include "game/state.h"
#include "shell/dialogs_fields.h"
#include "shell/menus.h"

namespace {

TEST(OptionMarks, InversionAndClockwiseShowTheOppositeOfTheirFlags) {
    Options stored = kDefaultOptions;  // Inverse 1, RotateDir 0
    OptionMarks marks = MarksForOptions(stored);
    EXPECT_FALSE(marks.inversion);
    EXPECT_TRUE(marks.clockwise);
    stored.inverse = 0;
    stored.rotateDir = 1;
    marks = MarksForOptions(stored);
    EXPECT_TRUE(marks.inversion);
    EXPECT_FALSE(marks.clockwise);
    // Checking the boxes stores 0.
    marks.inversion = false;
    marks.clockwise = true;
    const Options back = OptionsForMarks(marks);
    EXPECT_EQ(back.inverse, 1);
    EXPECT_EQ(back.rotateDir, 0);
}

TEST(OptionMarks, EveryCombinationOfFlagsSurvivesTheDialog) {
    for (int bits = 0; bits < 128; ++bits) {
        SCOPED_TRACE(bits);
        const Options stored = {bits & 1, (bits >> 1) & 1, (bits >> 2) & 1, (bits >> 3) & 1,
                                (bits >> 4) & 1, (bits >> 5) & 1, (bits >> 6) & 1};
        const OptionMarks marks = MarksForOptions(stored);
        EXPECT_EQ(marks.dropToBottom, stored.dropStyle == 1);
        EXPECT_EQ(marks.sevenShapes, stored.style == 1);
        EXPECT_EQ(marks.sound, stored.sound == 1);
        EXPECT_EQ(marks.preview, stored.preview == 1);
        EXPECT_EQ(marks.look3D, stored.look3D == 1);
        const Options back = OptionsForMarks(marks);
        EXPECT_EQ(std::memcmp(&back, &stored, sizeof back), 0);
    }
}

TEST(OptionMarks, AnyNonZeroFlagShowsAsSetAndIsStoredAsOne) {
    const Options odd = {5, -1, 2, 7, 9, 3, 4};
    const Options back = OptionsForMarks(MarksForOptions(odd));
    EXPECT_EQ(back.dropStyle, 1);
    EXPECT_EQ(back.style, 1);
    EXPECT_EQ(back.sound, 1);
    EXPECT_EQ(back.preview, 1);
    EXPECT_EQ(back.look3D, 1);
    EXPECT_EQ(back.inverse, 1);
    EXPECT_EQ(back.rotateDir, 1);
}

TEST(ScoreRowTexts, PlaceScoreLinesAndName) {
    HighScoreEntry entry = {12345, 67, "Anonymous"};
    ScoreRowTexts texts = TextsForScoreRow(entry, 0);
    EXPECT_STREQ(texts.place, "1.");
    EXPECT_STREQ(texts.score, "12345");
    EXPECT_STREQ(texts.lines, "67");
    EXPECT_STREQ(texts.name, "Anonymous");
    EXPECT_STREQ(TextsForScoreRow(entry, 9).place, "10.");
}

TEST(ScoreRowTexts, ExtremeNumbersFitAndAnEmptyNameStaysEmpty) {
    HighScoreEntry entry = {INT32_MIN, INT32_MAX, ""};
    const ScoreRowTexts texts = TextsForScoreRow(entry, 4);
    EXPECT_STREQ(texts.score, "-2147483648");
    EXPECT_STREQ(texts.lines, "2147483647");
    EXPECT_STREQ(texts.name, "");
}

TEST(ScoreRowTexts, AnUnterminatedNameEndsWithinItsField) {
    HighScoreEntry entry = {1, 1, {}};
    std::memset(entry.name, 'x', sizeof entry.name);
    const ScoreRowTexts texts = TextsForScoreRow(entry, 0);
    EXPECT_EQ(std::string(texts.name), std::string(kNameBytes - 1, 'x'));
}

TEST(ScoreRows, TenRowsEighteenPixelsApartFrom45) {
    EXPECT_EQ(ScoreRowY(0), 45);
    EXPECT_EQ(ScoreRowY(9), 207);
    EXPECT_EQ(kPlaceColumn.x, 35);
    EXPECT_EQ(kScoreColumn.x, 220);
    EXPECT_EQ(kLinesColumn.x, 285);
    EXPECT_EQ(kNameColumn.x, 110);
    EXPECT_EQ(kNameColumn.align, ColumnAlign::Centre);
    EXPECT_EQ(kLinesColumn.align, ColumnAlign::Right);
}

TEST(Menus, MainMenuItemsInOrderWithTwoSeparators) {
    const int ids[] = {203, 204, 205, 206, 207, 0, 208, 0, 202};
    const char* texts[] = {"隐藏界面", "显示前十名...", "功能键定义...", "最大速度", "最大起始行数",
                           nullptr, "关于...", nullptr, "退出"};
    ASSERT_EQ(sizeof kMainMenuItems / sizeof kMainMenuItems[0], 9u);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(kMainMenuItems[i].id, ids[i]);
        if (texts[i] == nullptr)
            EXPECT_EQ(kMainMenuItems[i].text, nullptr);
        else
            EXPECT_STREQ(kMainMenuItems[i].text, texts[i]);
    }
}

TEST(Menus, TrayMenuIsRestoreSeparatorExit) {
    ASSERT_EQ(sizeof kTrayMenuItems / sizeof kTrayMenuItems[0], 3u);
    EXPECT_EQ(kTrayMenuItems[0].id, 201);
    EXPECT_STREQ(kTrayMenuItems[0].text, "恢复");
    EXPECT_EQ(kTrayMenuItems[1].text, nullptr);
    EXPECT_EQ(kTrayMenuItems[2].id, 202);
    EXPECT_STREQ(kTrayMenuItems[2].text, "退出");
}

TEST(Menus, OnlyTheMaximaThatAreReachedAreGreyed) {
    GameState state = {};
    state.speedLevel = 18;
    state.startRows = 15;
    for (const MenuItem& item : kMainMenuItems) EXPECT_FALSE(MenuItemGreyed(item.id, state)) << item.id;
    state.speedLevel = 19;
    EXPECT_TRUE(MenuItemGreyed(kCmdMaxSpeed, state));
    EXPECT_FALSE(MenuItemGreyed(kCmdMaxRows, state));
    state.startRows = 16;
    EXPECT_TRUE(MenuItemGreyed(kCmdMaxRows, state));
    // The running and paused flags play no part.
    state.running = 1;
    state.paused = 1;
    EXPECT_TRUE(MenuItemGreyed(kCmdMaxSpeed, state));
    state.speedLevel = 0;
    state.startRows = 0;
    EXPECT_FALSE(MenuItemGreyed(kCmdMaxSpeed, state));
    EXPECT_FALSE(MenuItemGreyed(kCmdMaxRows, state));
    state.speedLevel = kMaxSpeedLevel;
    state.startRows = kMaxStartRows;
    for (const MenuItem& item : kMainMenuItems) {
        if (item.id != kCmdMaxSpeed && item.id != kCmdMaxRows) {
            EXPECT_FALSE(MenuItemGreyed(item.id, state));
        }
    }
}

}  // namespace
