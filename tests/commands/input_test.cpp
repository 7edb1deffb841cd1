// The input tables: which key, character, click, menu item, button and
// activation change issues which command.
#include <gtest/gtest.h>

#include "commands/input.h"

namespace {

TEST(KeyTable, EachKeyIssuesItsCommand) {
    EXPECT_EQ(CommandForKeyDown(0x1B), Command::Hide);
    EXPECT_EQ(CommandForKeyDown(0x20), Command::Rotate);
    EXPECT_EQ(CommandForKeyDown(0x26), Command::Rotate);
    EXPECT_EQ(CommandForKeyDown(0x25), Command::MoveLeft);
    EXPECT_EQ(CommandForKeyDown(0x27), Command::MoveRight);
    EXPECT_EQ(CommandForKeyDown(0x28), Command::DownPressed);
    EXPECT_EQ(CommandForKeyDown(0x70), Command::ShowAbout);
    EXPECT_EQ(CommandForKeyDown(0x71), Command::StartGame);
    EXPECT_EQ(CommandForKeyDown(0x72), Command::TogglePauseIfRunning);
    EXPECT_EQ(CommandForKeyDown(0x73), Command::ShowOptions);
    EXPECT_EQ(CommandForKeyDown(0x74), Command::MaxSpeed);
    EXPECT_EQ(CommandForKeyDown(0x75), Command::MaxRows);
    EXPECT_EQ(CommandForKeyDown(0x76), Command::ShowKeyHelp);
    EXPECT_EQ(CommandForKeyDown(0x77), Command::ShowHighScores);
}

TEST(KeyTable, OtherKeysDoNothing) {
    // Down's neighbours, F9, Enter, the letters and Ctrl itself.
    for (int key : {0x00, 0x0D, 0x11, 0x21, 0x24, 0x29, 0x41, 0x5A, 0x6B, 0x6D, 0x78, 0x7B, 0xBB, 0xFF, 0x10000})
        EXPECT_EQ(CommandForKeyDown(key), Command::None) << key;
}

TEST(KeyTable, OnlyTheDownReleaseActs) {
    EXPECT_EQ(CommandForKeyUp(0x28), Command::DownReleased);
    for (int key : {0x1B, 0x20, 0x25, 0x26, 0x27, 0x71, 0x72, 0x11})
        EXPECT_EQ(CommandForKeyUp(key), Command::None) << key;
}

TEST(CharTable, LessThanRaisesAndGreaterThanLowersTheStartingRows) {
    EXPECT_EQ(CommandForChar('+'), Command::SpeedUp);
    EXPECT_EQ(CommandForChar('-'), Command::SpeedDown);
    EXPECT_EQ(CommandForChar('<'), Command::RowsUp);
    EXPECT_EQ(CommandForChar('>'), Command::RowsDown);
}

TEST(CharTable, SpaceEscAndOtherCharactersDoNothing) {
    // Space and Esc act through their key-down rows only; '=' and ',' share
    // keys with '+' and '<'; a GBK byte or a wide character must not alias.
    for (int character : std::initializer_list<int>{' ', 0x1B, '=', ',', '.', '_', 'a', '0', 0x2B + 0x100, 0xAB, 0xBC, -1, 0x1002B})
        EXPECT_EQ(CommandForChar(character), Command::None) << character;
}

TEST(MouseRegions, HandShowsOverTheLogoWithItsEdgesAt20And180) {
    EXPECT_EQ(PointerAt(20, 180), Pointer::Hand);
    EXPECT_EQ(PointerAt(109, 285), Pointer::Hand);
    EXPECT_EQ(PointerAt(60, 230), Pointer::Hand);
    EXPECT_EQ(PointerAt(19, 230), Pointer::Arrow);
    EXPECT_EQ(PointerAt(110, 230), Pointer::Arrow);
    EXPECT_EQ(PointerAt(60, 179), Pointer::Arrow);
    EXPECT_EQ(PointerAt(60, 286), Pointer::Arrow);
    EXPECT_EQ(PointerAt(200, 100), Pointer::Arrow);
}

TEST(MouseRegions, LeftClickOnTheLogoOpensAboutOneColumnAndRowInside) {
    EXPECT_EQ(CommandForLeftClick(21, 181), Command::ShowAbout);
    EXPECT_EQ(CommandForLeftClick(109, 285), Command::ShowAbout);
    // The hand shows here, but the click moves the shape left.
    EXPECT_EQ(CommandForLeftClick(20, 200), Command::MoveLeft);
    EXPECT_EQ(CommandForLeftClick(50, 180), Command::MoveLeft);
    EXPECT_EQ(CommandForLeftClick(110, 200), Command::MoveLeft);
    EXPECT_EQ(CommandForLeftClick(50, 286), Command::MoveLeft);
    // Far from the well too.
    EXPECT_EQ(CommandForLeftClick(450, 20), Command::MoveLeft);
    EXPECT_EQ(CommandForLeftClick(-5, -5), Command::MoveLeft);
}

TEST(MouseRegions, RightClickInTheFramedWellMovesRightWithAllEdgesIncluded) {
    EXPECT_EQ(CommandForRightClick(130, 5), Command::MoveRight);
    EXPECT_EQ(CommandForRightClick(340, 330), Command::MoveRight);
    EXPECT_EQ(CommandForRightClick(130, 330), Command::MoveRight);
    EXPECT_EQ(CommandForRightClick(340, 5), Command::MoveRight);
    EXPECT_EQ(CommandForRightClick(129, 100), Command::OpenMainMenu);
    EXPECT_EQ(CommandForRightClick(341, 100), Command::OpenMainMenu);
    EXPECT_EQ(CommandForRightClick(200, 4), Command::OpenMainMenu);
    EXPECT_EQ(CommandForRightClick(200, 331), Command::OpenMainMenu);
}

TEST(MouseRegions, MiddleClickRotatesDirectly) { EXPECT_EQ(CommandForMiddleClick(), Command::RotateNow); }

TEST(MenuTable, Ids201To208AreTheMenuCommands) {
    EXPECT_EQ(CommandForMenuId(201), Command::Restore);
    EXPECT_EQ(CommandForMenuId(202), Command::Exit);
    EXPECT_EQ(CommandForMenuId(203), Command::Hide);
    EXPECT_EQ(CommandForMenuId(204), Command::ShowHighScores);
    EXPECT_EQ(CommandForMenuId(205), Command::ShowKeyHelp);
    EXPECT_EQ(CommandForMenuId(206), Command::MaxSpeed);
    EXPECT_EQ(CommandForMenuId(207), Command::MaxRows);
    EXPECT_EQ(CommandForMenuId(208), Command::ShowAbout);
    // The buttons' id 0 and the neighbours are not menu commands.
    for (int id : {0, 1, 200, 209, 101, 0x7001})
        EXPECT_EQ(CommandForMenuId(id), Command::None) << id;
}

TEST(ButtonTable, EachButtonIssuesItsCommand) {
    EXPECT_EQ(CommandForButton(StartButton), Command::StartGame);
    EXPECT_EQ(CommandForButton(PauseButton), Command::TogglePause);
    EXPECT_EQ(CommandForButton(OptionsButton), Command::ShowOptions);
    EXPECT_EQ(CommandForButton(SpeedUpButton), Command::SpeedUp);
    EXPECT_EQ(CommandForButton(SpeedDownButton), Command::SpeedDown);
    EXPECT_EQ(CommandForButton(RowsUpButton), Command::RowsUp);
    EXPECT_EQ(CommandForButton(RowsDownButton), Command::RowsDown);
}

TEST(Activation, LosingPausesGainingResumesOthersDoNothing) {
    EXPECT_EQ(CommandForActivation(0), Command::AutoPause);
    EXPECT_EQ(CommandForActivation(1), Command::AutoResume);
    EXPECT_EQ(CommandForActivation(2), Command::AutoResume);
    EXPECT_EQ(CommandForActivation(3), Command::None);
    EXPECT_EQ(CommandForActivation(-1), Command::None);
}

}  // namespace
