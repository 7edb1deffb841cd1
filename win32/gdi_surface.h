#pragma once
// The Windows realisation of Surface. The game paints into a picture of
// the client area held in memory at the window's whole factor (every game
// pixel a square of screen pixels, the labels in a font of that size); the
// boxes a command painted are then shown on the window, reduced by area at
// a fractional scale. Besides, the two memory surfaces (tile sheet, digit
// strip) and two cursors that live as long as the main window.
#include <windows.h>

#include <cstdint>

#include "draw/changed_boxes.h"
#include "draw/scale.h"
#include "draw/surface.h"
#include "resources/ids.h"
#include "win32/gui_objects.h"

// A memory device context holding one bitmap, with the object it held
// before, which goes back in at release; `bits` where it is a DIB section.
struct MemorySurface {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
    uint32_t* bits;
};

struct WindowPictures {
    HINSTANCE instance;  // where bitmaps 101 to 103 and cursor 1 live
    GuiObjectCount* objects;  // counts what is made and freed with them
    HCURSOR arrow;
    HCURSOR hand;
    MemorySurface tiles;   // bitmap 101
    MemorySurface digits;  // bitmap 103
    // Made again when the window's scale changes:
    int dpi;               // the window's scale; 96 is one screen pixel a game pixel
    MemorySurface painted; // the client area at WholeFactor(dpi), 32 bits a pixel
    MemorySurface shown;   // at a fractional scale, the client area at dpi; else none
    // Where the system's default will not do (another scale, or no GBK), the
    // labels' font at the whole factor, selected into `painted`, and the
    // buttons' at dpi; else null.
    HFONT labelFont;
    HFONT buttonFont;
};

// A top-down 32-bit DIB section of width x height in a memory device
// context, whose pixels the program reads and writes; and its release.
MemorySurface MakePixelSurface(GuiObjectCount& objects, int width, int height);
void FreeMemorySurface(GuiObjectCount& objects, MemorySurface& surface);

// At window creation: the two cursors, the memory surfaces made compatible
// with the window's device context, then the pictures at `dpi`.
void CreateSurfaces(WindowPictures& pictures, HWND window, HINSTANCE instance, GuiObjectCount& objects, int dpi);
// The pictures and font of the window's scale, made anew at `dpi`.
void RescaleSurfaces(WindowPictures& pictures, int dpi);
// At window destruction: each bitmap deselected and deleted, each memory
// surface deleted, the labels' font deleted. The cursors are shared and
// stay. Safe to call twice.
void ReleaseSurfaces(WindowPictures& pictures);

// Paints into the pictures' memory copy of the client area at their whole
// factor, and notes in `area` what it changed, in game pixels.
class GdiSurface final : public Surface {
public:
    GdiSurface(const WindowPictures& pictures, ChangedBoxes& area) : pictures_(pictures), area_(area) {}
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    void CopyBlock(int x, int y, int w, int h, Picture source, int sourceX, int sourceY) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void Lines(const LineSegment* segments, int count, Rgb colour) override;
    // Black on a transparent background, as UTF-16 so that it reads the same
    // under any code page.
    void Text(int x, int y, const char* text, int length) override;

private:
    void Fill(int left, int top, int right, int bottom, HBRUSH brush);

    const WindowPictures& pictures_;
    ChangedBoxes& area_;
};

// Copies what `area` notes to `target`, the window's device context, and
// leaves `area` empty.
void ShowPainted(HDC target, const WindowPictures& pictures, ChangedBoxes& area);
