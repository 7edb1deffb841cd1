#pragma once
// The fixed mapping of raw input onto commands, as data: keys, key
// releases, characters, mouse regions, menu items, the buttons and
// activation. Nothing here touches the platform, so any source of input
// events can drive it.
#include "commands/commands.h"
#include "game/host.h"

constexpr int kDownKey = 0x28;  // the one key whose release is an input
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
    {0x1B, Command::Hide},                  // Esc
    {0x20, Command::Rotate},                // Space
    {0x26, Command::Rotate},                // Up
    {0x25, Command::MoveLeft},              // Left
    {0x27, Command::MoveRight},             // Right
    {kDownKey, Command::DownPressed},       // Down
    {0x70, Command::ShowAbout},             // F1
    {0x71, Command::StartGame},             // F2
    {0x72, Command::TogglePauseIfRunning},  // F3
    {0x73, Command::ShowOptions},           // F4
    {0x74, Command::MaxSpeed},              // F5
    {0x75, Command::MaxRows},               // F6
    {0x76, Command::ShowKeyHelp},           // F7
    {0x77, Command::ShowHighScores},        // F8
};

constexpr KeyBinding kKeyUpTable[] = {
    {kDownKey, Command::DownReleased},  // Down
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
