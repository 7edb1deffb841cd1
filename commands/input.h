#pragma once
// The fixed mapping of raw input onto commands, as data: keys, key
// releases, characters, mouse regions, menu items, the buttons and
// activation. Nothing here touches the platform, so any source of input
// events can drive it.
#include "commands/commands.h"
#include "game/host.h"
#include "resources/virtual_keys.h"

constexpr int kDownKey = kVkDown;  // the one key whose release is an input
// A key held down repeats as the system's keyboard does by default: first
// after half a second, then about thirty times a second. The page's touch
// controls and a game pad repeat Left and Right alike.
constexpr int kHeldKeyDelayMs = 500;
constexpr int kHeldKeyPeriodMs = 33;

struct KeyBinding {
    int key;  // virtual-key code
    Command command;
};

constexpr KeyBinding kKeyDownTable[] = {
    {kVkEscape, Command::Hide},
    {kVkSpace, Command::Rotate},
    {kVkUp, Command::Rotate},
    {kVkLeft, Command::MoveLeft},
    {kVkRight, Command::MoveRight},
    {kDownKey, Command::DownPressed},
    {kVkF1, Command::ShowAbout},
    {kVkF2, Command::StartGame},
    {kVkF3, Command::TogglePauseIfRunning},
    {kVkF4, Command::ShowOptions},
    {kVkF5, Command::MaxSpeed},
    {kVkF6, Command::MaxRows},
    {kVkF7, Command::ShowKeyHelp},
    {kVkF8, Command::ShowHighScores},
};

constexpr KeyBinding kKeyUpTable[] = {
    {kDownKey, Command::DownReleased},
};

struct CharBinding {
    char character;
    Command command;
};

// "<" raises the starting rows and ">" lowers them.
constexpr CharBinding kCharTable[] = {
    {'+', Command::SpeedUp},
    {'-', Command::SpeedDown},
    {'<', Command::RowsUp},
    {'>', Command::RowsDown},
};

struct MenuBinding {
    int id;
    Command command;
};

constexpr MenuBinding kMenuTable[] = {
    {CmdRestore, Command::Restore},       {CmdExit, Command::Exit},
    {CmdHide, Command::Hide},             {CmdHighScores, Command::ShowHighScores},
    {CmdKeyHelp, Command::ShowKeyHelp},   {CmdMaxSpeed, Command::MaxSpeed},
    {CmdMaxRows, Command::MaxRows},       {CmdAbout, Command::ShowAbout},
};

struct ButtonBinding {
    Button button;
    Command command;
};

constexpr ButtonBinding kButtonTable[] = {
    {StartButton, Command::StartGame},     {PauseButton, Command::TogglePause},
    {OptionsButton, Command::ShowOptions}, {SpeedUpButton, Command::SpeedUp},
    {SpeedDownButton, Command::SpeedDown}, {RowsUpButton, Command::RowsUp},
    {RowsDownButton, Command::RowsDown},
};

enum class Pointer { Arrow, Hand };

Command CommandForKeyDown(int key);
Command CommandForKeyUp(int key);
Command CommandForChar(int character);
// Menu ids first; anything else is not a menu command.
Command CommandForMenuId(int id);
Command CommandForButton(Button button);

// Mouse positions are client-area pixels.
Pointer PointerAt(int x, int y);
Command CommandForLeftClick(int x, int y);
Command CommandForRightClick(int x, int y);
Command CommandForMiddleClick();

// The low word of the activation message: inactive, active, click-active.
constexpr int kInactive = 0, kActive = 1, kClickActive = 2;
Command CommandForActivation(int state);
