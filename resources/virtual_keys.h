#pragma once
// The Windows virtual-key codes the program knows, the one set of names
// for every front end's keys: the game's tables, the dialogs' and menus'
// keys, the pad's mapping. Letters and digits are their upper-case ASCII
// codes.
constexpr int kVkTab = 0x09;
constexpr int kVkReturn = 0x0D;
constexpr int kVkAlt = 0x12;
constexpr int kVkEscape = 0x1B;
constexpr int kVkSpace = 0x20;
constexpr int kVkPageUp = 0x21;
constexpr int kVkPageDown = 0x22;
constexpr int kVkEnd = 0x23;
constexpr int kVkHome = 0x24;
constexpr int kVkLeft = 0x25;
constexpr int kVkUp = 0x26;
constexpr int kVkRight = 0x27;
constexpr int kVkDown = 0x28;
constexpr int kVkF1 = 0x70;  // F2 to F12 follow on
constexpr int kVkF2 = kVkF1 + 1;
constexpr int kVkF3 = kVkF1 + 2;
constexpr int kVkF4 = kVkF1 + 3;
constexpr int kVkF5 = kVkF1 + 4;
constexpr int kVkF6 = kVkF1 + 5;
constexpr int kVkF7 = kVkF1 + 6;
constexpr int kVkF8 = kVkF1 + 7;
constexpr int kVkF10 = kVkF1 + 9;
