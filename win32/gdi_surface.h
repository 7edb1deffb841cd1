#pragma once
// The Windows realisation of Surface over a device context, and the two
// memory surfaces (tile sheet, digit strip) and two cursors that live as
// long as the main window.
#include <windows.h>

#include "draw/surface.h"
#include "resources/ids.h"
#include "win32/gui_objects.h"

// A memory device context holding one bitmap, with the object it held
// before, which goes back in at release.
struct MemorySurface {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

struct WindowPictures {
    HINSTANCE instance;  // where bitmaps 101 to 103 and cursor 1 live
    GuiObjectCount* objects;  // counts what is made and freed with them
    HCURSOR arrow;
    HCURSOR hand;
    MemorySurface tiles;   // bitmap 101
    MemorySurface digits;  // bitmap 103
    HFONT labelFont;       // where the system's default font cannot show GBK; else null
};

// At window creation: the two cursors, then the memory surfaces made
// compatible with the window's device context, and the labels' font where
// the system's default one cannot show GBK text.
void CreateSurfaces(WindowPictures& pictures, HWND window, HINSTANCE instance, GuiObjectCount& objects);
// At window destruction: each bitmap deselected and deleted, each memory
// surface deleted, the labels' font deleted. The cursors are shared and
// stay. Safe to call twice.
void ReleaseSurfaces(WindowPictures& pictures);

class GdiSurface final : public Surface {
public:
    GdiSurface(HDC dc, const WindowPictures& pictures) : dc_(dc), pictures_(pictures) {}
    ~GdiSurface();
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    void CopyBlock(int x, int y, int w, int h, Picture source, int sourceX, int sourceY) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void Lines(const LineSegment* segments, int count, Rgb colour) override;
    // The first text of this surface sets the transparent background, black
    // text and the labels' font, if any; the rest keep them. Written as
    // UTF-16, so that it reads the same under any code page.
    void Text(int x, int y, const char* text, int length) override;

private:
    HDC dc_;
    const WindowPictures& pictures_;
    bool textModeSet_ = false;
    HGDIOBJ previousFont_ = nullptr;  // put back when the surface goes
};
