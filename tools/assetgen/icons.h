#pragma once
// Icon (.ico) and cursor (.cur) files holding one 32 x 32 image each, in the
// layout the resource compiler reads: a directory of one entry, then the
// image as a bitmap twice the picture's height, colour rows first and the
// transparency (AND) mask rows after them.
#include "media/artwork.h"
#include "media/bytes.h"

// 16 colours (4 bits per pixel, the VGA palette); transparent pixels have
// mask bit 1 and colour 0, so the screen shows through unchanged.
Bytes IconFile(const IconRows& rows);

// Monochrome (1 bit per pixel, black and white); the hand sits at the top
// left and everything else is transparent.
Bytes HandCursorFile(int hotSpotX, int hotSpotY);
