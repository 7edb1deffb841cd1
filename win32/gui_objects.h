#pragma once
// The program's own count of the GDI and USER objects it holds, and of its
// notification-area icons. The system's count (GetGuiResources) is missing
// on some platforms, and a count that comes back to where it was shows that
// nothing leaked.
//
// Counted: what one paint or one command makes and frees (device contexts,
// brushes, pens, the logo bitmap, popup menus, the icon handle handed to the
// shell) and the two memory surfaces, which live from window creation to
// window destruction. Not counted, as they live as long as the process: the
// class brush and icon, the cursors, the buttons and the mutex; nor stock
// objects, which are never freed.
//
// The count is part of the program's state (Program::guiObjects); one
// thread uses the window, so plain counters do.
#include <windows.h>

struct GuiObjectCount {
    long objects;    // made and not yet freed
    long trayIcons;  // accepted by the shell and not yet removed
};

// Wraps a call that makes an object: a handle that is not null counts.
template <typename Handle>
Handle CountMade(GuiObjectCount& count, Handle handle) {
    if (handle != nullptr) ++count.objects;
    return handle;
}

// Wraps a call that frees one: only a release that succeeded counts, so a
// failed one shows as a leak.
template <typename Result>
Result CountFreed(GuiObjectCount& count, Result result) {
    if (result) --count.objects;
    return result;
}
