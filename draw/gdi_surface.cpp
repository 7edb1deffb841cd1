#include "draw/gdi_surface.h"

#include "draw/gui_objects.h"

namespace {

COLORREF ToColorRef(Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

MemorySurface MakeMemorySurface(HINSTANCE instance, HDC windowDc, int bitmapId) {
    MemorySurface surface;
    surface.bitmap = CountMade(LoadBitmapA(instance, MAKEINTRESOURCEA(bitmapId)));
    surface.dc = CountMade(CreateCompatibleDC(windowDc));
    surface.previous = SelectObject(surface.dc, surface.bitmap);
    return surface;
}

void FreeMemorySurface(MemorySurface& surface) {
    if (surface.dc == nullptr) return;
    SelectObject(surface.dc, surface.previous);
    CountFreed(DeleteObject(surface.bitmap));
    CountFreed(DeleteDC(surface.dc));
    surface = MemorySurface{};
}

// The logo is loaded for each copy and freed at once; only the tiles and
// the digits are kept.
void CopyLogo(HDC target, HINSTANCE instance, int x, int y, int w, int h, int sourceX, int sourceY) {
    HBITMAP logo = CountMade(LoadBitmapA(instance, MAKEINTRESOURCEA(LogoBitmap)));
    HDC memory = CountMade(CreateCompatibleDC(target));
    HGDIOBJ previous = SelectObject(memory, logo);
    BitBlt(target, x, y, w, h, memory, sourceX, sourceY, SRCCOPY);
    SelectObject(memory, previous);
    CountFreed(DeleteObject(logo));
    CountFreed(DeleteDC(memory));
}

}  // namespace

void CreateSurfaces(WindowPictures& pictures, HWND window, HINSTANCE instance) {
    pictures.instance = instance;
    pictures.arrow = LoadCursorA(nullptr, IDC_ARROW);
    pictures.hand = LoadCursorA(instance, MAKEINTRESOURCEA(kHandCursor));
    HDC windowDc = CountMade(GetDC(window));
    pictures.tiles = MakeMemorySurface(instance, windowDc, TileSheet);
    pictures.digits = MakeMemorySurface(instance, windowDc, DigitStrip);
    CountFreed(ReleaseDC(window, windowDc));
}

void ReleaseSurfaces(WindowPictures& pictures) {
    FreeMemorySurface(pictures.tiles);
    FreeMemorySurface(pictures.digits);
}

void GdiSurface::CopyBlock(int x, int y, int w, int h, Picture source, int sourceX, int sourceY) {
    switch (source) {
    case Picture::Tiles: BitBlt(dc_, x, y, w, h, pictures_.tiles.dc, sourceX, sourceY, SRCCOPY); break;
    case Picture::Digits: BitBlt(dc_, x, y, w, h, pictures_.digits.dc, sourceX, sourceY, SRCCOPY); break;
    case Picture::Logo: CopyLogo(dc_, pictures_.instance, x, y, w, h, sourceX, sourceY); break;
    }
}

void GdiSurface::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    const RECT rect = {left, top, right, bottom};
    HBRUSH brush = CountMade(CreateSolidBrush(ToColorRef(colour)));
    ::FillRect(dc_, &rect, brush);
    CountFreed(DeleteObject(brush));
}

void GdiSurface::Lines(const LineSegment* segments, int count, Rgb colour) {
    HPEN pen = CountMade(CreatePen(PS_SOLID, 1, ToColorRef(colour)));
    HGDIOBJ previous = SelectObject(dc_, pen);
    for (int i = 0; i < count; ++i) {
        MoveToEx(dc_, segments[i].x0, segments[i].y0, nullptr);
        LineTo(dc_, segments[i].x1, segments[i].y1);
    }
    SelectObject(dc_, previous);
    CountFreed(DeleteObject(pen));
}

void GdiSurface::Text(int x, int y, const char* text, int length) {
    if (!textModeSet_) {
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(0, 0, 0));
        textModeSet_ = true;
    }
    TextOutA(dc_, x, y, text, length);
}
