#pragma once
// Icon (.ico) and cursor (.cur) files in the layout the resource compiler
// reads: a directory of one entry an image, then each image as a bitmap
// twice the picture's height, colour rows first and the transparency (AND)
// mask rows after them.
#include "media/artwork.h"
#include "media/bytes.h"

// Icon 102, 103 or 104 at each of kIconResourceSizes (media/icon_rgba.h),
// as DrawIconRgba draws it, in 16 colours (4 bits per pixel, the VGA
// palette); transparent pixels have mask bit 1 and colour 0, so the screen
// shows through unchanged. Empty for another id.
Bytes IconFile(int iconId);

// One 32 x 32 image, monochrome (1 bit per pixel, black and white); the
// hand sits at the top left and everything else is transparent.
Bytes HandCursorFile(int hotSpotX, int hotSpotY);
