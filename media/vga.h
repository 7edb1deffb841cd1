#pragma once
// The 16 standard VGA colours in the order of the Windows 16-colour palette,
// shared by the digit strip and the icons.
#include "draw/surface.h"

constexpr int kVgaColourCount = 16;
constexpr Rgb kVgaColours[kVgaColourCount] = {
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};
