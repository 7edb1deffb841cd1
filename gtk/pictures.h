#pragma once
// The icons and the hand cursor as GDK pictures, made from the pixel maps
// in media/artwork.h; the transparent pixels are transparent.
#include <gdk/gdk.h>

// Icon 102, 103 or 104 (resources/ids.h), 32 x 32; null for another id.
// The caller owns the reference.
GdkPixbuf* IconPixbuf(int iconId);
// The icon `factor` times as large, each pixel a factor x factor square.
GdkPixbuf* ScaledIconPixbuf(int iconId, int factor);
// Icon 102 in every size the window offers the desktop (32, 64, 96 and 128
// pixels), for gtk_window_set_icon_list. The caller frees the list with
// g_list_free_full(list, g_object_unref).
GList* ProgramIconSizes();
// Cursor 1: the hand, its hot spot at the top left.
GdkCursor* HandCursor(GdkDisplay* display);
