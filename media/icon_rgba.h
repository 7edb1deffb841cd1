#pragma once
// The icons drawn at any size a screen asks for, as RGBA pixels: the one
// picture of icons 102 to 104 that every front end and the asset generator
// show or store.
#include <cstdint>

#include "media/artwork.h"

// The sizes Windows asks of the program's icon from 100 % to 300 % display
// scale (the notification area's and the task bar's); the icon resources
// hold each of them.
constexpr int kIconResourceSizes[] = {16, 20, 24, 32, 40, 48, 64};
// The largest icon a desktop's menus take (256 x 256).
constexpr int kLargestIconSize = 8 * kIconSize;

// Draws icon 102, 103 or 104 at `size` x `size` pixels (1 to
// kLargestIconSize) into `rgba`: four bytes a pixel (red, green, blue,
// alpha), rows top first, `stride` bytes apart. A pixel is opaque in the
// icon's VGA colour or clear and black, nothing between: the picture and its
// mask are the same pixels. Larger sizes repeat rows and columns of the
// artwork, smaller ones leave out those whose loss shows least, so lines
// such as the well's frame stay whole. False, writing nothing, for another
// id or size.
bool DrawIconRgba(int iconId, int size, uint8_t* rgba, int stride);
