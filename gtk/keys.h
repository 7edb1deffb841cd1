#pragma once
// Keys as GDK reports them, onto the virtual-key codes of the input tables
// (commands/input.h): the keys act by their keysyms, the four characters
// "+", "-", "<" and ">" as typed, whatever key produced them.
#include "commands/commands.h"

// The virtual-key code of a keysym (letters and digits their upper-case
// ASCII codes), or 0 for a key neither the game nor a dialog has a use for.
// The keypad's arrows with Num Lock off are the arrows, as on Windows.
int VirtualKeyForKeysym(unsigned keysym);

// The commands of one key press: the key's own, then its character's.
// A key typed with Ctrl held types no character the game knows, as on
// Windows, where Ctrl turns such characters into control codes.
struct KeyPressCommands {
    Command key;
    Command character;
};
KeyPressCommands CommandsForKeyPress(unsigned keysym, bool ctrlHeld);
Command CommandForKeyRelease(unsigned keysym);
