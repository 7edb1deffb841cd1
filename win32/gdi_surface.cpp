#include "win32/gdi_surface.h"

#include "win32/text.h"

namespace {

COLORREF ToColorRef(Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

MemorySurface MakeMemorySurface(GuiObjectCount& objects, HINSTANCE instance, HDC windowDc, int bitmapId) {
    MemorySurface surface;
    surface.bitmap = CountMade(objects, LoadBitmapA(instance, MAKEINTRESOURCEA(bitmapId)));
    surface.dc = CountMade(objects, CreateCompatibleDC(windowDc));
    surface.previous = SelectObject(surface.dc, surface.bitmap);
    return surface;
}

void FreeMemorySurface(GuiObjectCount& objects, MemorySurface& surface) {
    if (surface.dc == nullptr) return;
    SelectObject(surface.dc, surface.previous);
    CountFreed(objects, DeleteObject(surface.bitmap));
    CountFreed(objects, DeleteDC(surface.dc));
    surface = MemorySurface{};
}

// The logo is loaded for each copy and freed at once; only the tiles and
// the digits are kept.
void CopyLogo(HDC target, const WindowPictures& pictures, int x, int y, int w, int h, int sourceX, int sourceY) {
    GuiObjectCount& objects = *pictures.objects;
    HBITMAP logo = CountMade(objects, LoadBitmapA(pictures.instance, MAKEINTRESOURCEA(IDB_LOGO)));
    HDC memory = CountMade(objects, CreateCompatibleDC(target));
    HGDIOBJ previous = SelectObject(memory, logo);
    BitBlt(target, x, y, w, h, memory, sourceX, sourceY, SRCCOPY);
    SelectObject(memory, previous);
    CountFreed(objects, DeleteObject(logo));
    CountFreed(objects, DeleteDC(memory));
}

}  // namespace

void CreateSurfaces(WindowPictures& pictures, HWND window, HINSTANCE instance, GuiObjectCount& objects) {
    pictures.instance = instance;
    pictures.objects = &objects;
    pictures.arrow = LoadCursorA(nullptr, IDC_ARROW);
    pictures.hand = LoadCursorA(instance, MAKEINTRESOURCEA(IDR_HAND_CURSOR));
    HDC windowDc = CountMade(objects, GetDC(window));
    pictures.tiles = MakeMemorySurface(objects, instance, windowDc, IDB_TILE_SHEET);
    pictures.digits = MakeMemorySurface(objects, instance, windowDc, IDB_DIGIT_STRIP);
    CountFreed(objects, ReleaseDC(window, windowDc));
    pictures.labelFont = CountMade(objects, CreateGbkFontLike(SYSTEM_FONT));
}

void ReleaseSurfaces(WindowPictures& pictures) {
    if (pictures.objects == nullptr) return;
    FreeMemorySurface(*pictures.objects, pictures.tiles);
    FreeMemorySurface(*pictures.objects, pictures.digits);
    if (pictures.labelFont != nullptr) CountFreed(*pictures.objects, DeleteObject(pictures.labelFont));
    pictures.labelFont = nullptr;
}

void GdiSurface::CopyBlock(int x, int y, int w, int h, Picture source, int sourceX, int sourceY) {
    switch (source) {
    case Picture::Tiles: BitBlt(dc_, x, y, w, h, pictures_.tiles.dc, sourceX, sourceY, SRCCOPY); break;
    case Picture::Digits: BitBlt(dc_, x, y, w, h, pictures_.digits.dc, sourceX, sourceY, SRCCOPY); break;
    case Picture::Logo: CopyLogo(dc_, pictures_, x, y, w, h, sourceX, sourceY); break;
    }
}

void GdiSurface::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    const RECT rect = {left, top, right, bottom};
    HBRUSH brush = CountMade(*pictures_.objects, CreateSolidBrush(ToColorRef(colour)));
    ::FillRect(dc_, &rect, brush);
    CountFreed(*pictures_.objects, DeleteObject(brush));
}

void GdiSurface::Lines(const LineSegment* segments, int count, Rgb colour) {
    HPEN pen = CountMade(*pictures_.objects, CreatePen(PS_SOLID, 1, ToColorRef(colour)));
    HGDIOBJ previous = SelectObject(dc_, pen);
    for (int i = 0; i < count; ++i) {
        MoveToEx(dc_, segments[i].x0, segments[i].y0, nullptr);
        LineTo(dc_, segments[i].x1, segments[i].y1);
    }
    SelectObject(dc_, previous);
    CountFreed(*pictures_.objects, DeleteObject(pen));
}

GdiSurface::~GdiSurface() {
    if (previousFont_ != nullptr) SelectObject(dc_, previousFont_);
}

void GdiSurface::Text(int x, int y, const char* text, int length) {
    if (!textModeSet_) {
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(0, 0, 0));
        if (pictures_.labelFont != nullptr) previousFont_ = SelectObject(dc_, pictures_.labelFont);
        textModeSet_ = true;
    }
    const WideText wide = Widen(text, length);
    TextOutW(dc_, x, y, wide, wide.length);
}
