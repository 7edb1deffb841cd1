#pragma once
// The two things the program asks of the X server directly. Xlib's names
// (Screen, Region, None...) clash with ours, so its headers stay in x11.cpp.
#include <gdk/gdk.h>

// Whether any of the keys that carry the keysyms is down now, whatever
// window had the keyboard.
bool AnyKeyDown(GdkDisplay* display, const unsigned* keysyms, int count);
// Whether a notification area runs: the XEmbed tray manager owns its
// selection.
bool NotificationAreaRuns(GdkDisplay* display);
