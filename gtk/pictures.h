#pragma once
// The icons and the hand cursor as GDK pictures, made from the pixel maps
// in media/artwork.h; the transparent pixels are transparent.
#include <gdk/gdk.h>

#include "media/artwork.h"

// Icon 102, 103 or 104 (resources/ids.h), 32 x 32 or `size` x `size` as
// DrawIconRgba draws it (media/icon_rgba.h), never smoothed: at a multiple
// of 32 a whole square of each pixel. Null for another id. The caller owns
// the reference.
GdkPixbuf* IconPixbuf(int iconId, int size = kIconSize);
// Icon 102 in every size the window offers the desktop (32, 64, 96 and 128
// pixels), for gtk_window_set_icon_list. The caller frees the list with
// g_list_free_full(list, g_object_unref).
GList* ProgramIconSizes();
// Cursor 1: the hand, its hot spot at the top left.
GdkCursor* HandCursor(GdkDisplay* display);
