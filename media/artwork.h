#pragma once
// Our own pixel maps for the three icons and the hand cursor.
#include "media/vga.h"

constexpr int kIconSize = 32;
using IconRows = char[kIconSize][kIconSize + 1];

// Icon inks: the letter at position i stands for VGA colour i (black,
// maroon, green, olive, navy, purple, teal, silver, grey, red, lime,
// yellow, blue, magenta, cyan, white); a space is transparent.
constexpr char kIconInks[kVgaColourCount + 1] = "kmgvnptsaRGYBMCW";
constexpr char kIconClear = ' ';

extern const IconRows kWellIcon;   // icon 102
extern const IconRows kExitIcon;   // icon 103
extern const IconRows kLaughIcon;  // icon 104

// The hand fills the top-left 16 x 18 pixels of the 32 x 32 cursor; the
// rest of the cursor is transparent.
constexpr int kHandWidth = 16, kHandHeight = 18;
using CursorRows = char[kHandHeight][kHandWidth + 1];
constexpr char kCursorBlack = 'X', kCursorWhite = 'o', kCursorClear = '.';

extern const CursorRows kHandCursor;  // cursor 1
