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

// Read by every front end and the asset generator alike:
// the rows of icon 102, 103 or 104, null for another id;
const IconRows* IconRowsOf(int iconId);
// the VGA colour an icon's letter stands for, -1 where it is clear
// (icon_rgba.h draws the icons at any size);
int IconInkIndex(char key);
// the hand cursor's letter at (x, y) of its 32 x 32 picture, clear beyond
// the hand.
char HandCursorInk(int x, int y);
