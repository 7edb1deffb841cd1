#pragma once
// The icons and the hand cursor as GDK pictures, made from the pixel maps
// in media/artwork.h; the transparent pixels are transparent.
#include <gdk/gdk.h>

// Icon 102, 103 or 104 (resources/ids.h), 32 x 32; null for another id.
// The caller owns the reference.
GdkPixbuf* IconPixbuf(int iconId);
// Cursor 1: the hand, its hot spot at the top left.
GdkCursor* HandCursor(GdkDisplay* display);
