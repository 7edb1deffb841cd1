#pragma once
// The program's three bitmaps as BMP files, computed pixel by pixel from the
// pictures of draw/. An empty result means the picture does not fit the
// file's pixel format (more than 256 colours, or a colour outside the VGA
// set), which the generator reports as a failure.
#include "media/bytes.h"

Bytes TileSheetBmp();   // bitmap 101: 220 x 30, 8 bits, a palette of the colours used
Bytes LogoBmp();        // bitmap 102: 78 x 92, 8 bits, a palette of the colours used
Bytes DigitStripBmp();  // bitmap 103: 143 x 23, 4 bits, the 16 VGA colours
