#pragma once
// The program's icons made at run time by the one icon routine, at exactly
// the size a place shows them.
#include <windows.h>

// Icon `iconId` (102 to 104) at `size` x `size` pixels: 32-bit colour with
// an alpha channel, its mask clear where the alpha is. Null for another id
// or size, or when the system refuses it.
HICON MakeIcon(int iconId, int size);
