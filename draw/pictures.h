#pragma once
// The pictures the game carries, computed from their rules (tile sheet,
// digit strip) or drawn as pixel maps in source (logo). The asset generator
// writes them into the program's bitmaps; the software raster reads them
// directly.
#include "draw/surface.h"

constexpr int kTileSheetWidth = 220, kTileSheetHeight = 30;
constexpr int kDigitStripWidth = 143, kDigitStripHeight = 23;
constexpr int kLogoWidth = 78, kLogoHeight = 92;

Rgb TileSheetPixel(int x, int y);   // bitmap 101
Rgb DigitStripPixel(int x, int y);  // bitmap 103
Rgb LogoPixel(int x, int y);        // bitmap 102
