#include "gtk/x11.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>

#include <cstdio>

bool AnyKeyDown(GdkDisplay* display, const unsigned* keysyms, int count) {
    if (display == nullptr || !GDK_IS_X11_DISPLAY(display)) return false;
    Display* x = gdk_x11_display_get_xdisplay(display);
    char keys[32] = {};
    XQueryKeymap(x, keys);
    for (int i = 0; i < count; ++i) {
        const KeyCode code = XKeysymToKeycode(x, keysyms[i]);
        if (code != 0 && (keys[code / 8] & (1 << (code % 8))) != 0) return true;
    }
    return false;
}

bool NotificationAreaRuns(GdkDisplay* display) {
    if (display == nullptr || !GDK_IS_X11_DISPLAY(display)) return false;
    Display* x = gdk_x11_display_get_xdisplay(display);
    char name[40];
    std::snprintf(name, sizeof name, "_NET_SYSTEM_TRAY_S%d", DefaultScreen(x));
    return XGetSelectionOwner(x, XInternAtom(x, name, False)) != None;
}
