#include "win32/gdi_surface.h"

#include "draw/layout.h"
#include "win32/text.h"

namespace {

COLORREF ToColorRef(Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

MemorySurface MakeMemorySurface(GuiObjectCount& objects, HINSTANCE instance, HDC windowDc, int bitmapId) {
    MemorySurface surface = {};
    surface.bitmap = CountMade(objects, LoadBitmapA(instance, MAKEINTRESOURCEA(bitmapId)));
    surface.dc = CountMade(objects, CreateCompatibleDC(windowDc));
    surface.previous = SelectObject(surface.dc, surface.bitmap);
    return surface;
}

void FreeFont(GuiObjectCount& objects, HFONT& font) {
    if (font != nullptr) CountFreed(objects, DeleteObject(font));
    font = nullptr;
}

void FreeScaled(WindowPictures& pictures) {
    FreeMemorySurface(*pictures.objects, pictures.painted);  // before the font selected into it
    FreeMemorySurface(*pictures.objects, pictures.shown);
    FreeFont(*pictures.objects, pictures.labelFont);
    FreeFont(*pictures.objects, pictures.buttonFont);
}

PixelPlane PlaneOf(const MemorySurface& surface, int width, int height) {
    return {surface.bits, width, height, width};
}

// A block of `source` at the whole factor k.
void CopyScaled(HDC target, int k, int x, int y, int w, int h, HDC source, int sourceX, int sourceY) {
    if (k == 1)
        BitBlt(target, x, y, w, h, source, sourceX, sourceY, SRCCOPY);
    else
        StretchBlt(target, k * x, k * y, k * w, k * h, source, sourceX, sourceY, w, h, SRCCOPY);
}

// The logo is loaded for each copy and freed at once; only the tiles and
// the digits are kept.
void CopyLogo(const WindowPictures& pictures, int k, int x, int y, int w, int h, int sourceX, int sourceY) {
    GuiObjectCount& objects = *pictures.objects;
    HBITMAP logo = CountMade(objects, LoadBitmapA(pictures.instance, MAKEINTRESOURCEA(IDB_LOGO)));
    HDC memory = CountMade(objects, CreateCompatibleDC(pictures.painted.dc));
    HGDIOBJ previous = SelectObject(memory, logo);
    CopyScaled(pictures.painted.dc, k, x, y, w, h, memory, sourceX, sourceY);
    SelectObject(memory, previous);
    CountFreed(objects, DeleteObject(logo));
    CountFreed(objects, DeleteDC(memory));
}

}  // namespace

MemorySurface MakePixelSurface(GuiObjectCount& objects, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    MemorySurface surface = {};
    surface.dc = CountMade(objects, CreateCompatibleDC(nullptr));
    void* bits = nullptr;
    surface.bitmap = CountMade(objects, CreateDIBSection(surface.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    surface.bits = static_cast<uint32_t*>(bits);
    surface.previous = SelectObject(surface.dc, surface.bitmap);
    // Whole factors only: each source pixel becomes a square, never a blend.
    SetStretchBltMode(surface.dc, COLORONCOLOR);
    return surface;
}

void FreeMemorySurface(GuiObjectCount& objects, MemorySurface& surface) {
    if (surface.dc == nullptr) return;
    SelectObject(surface.dc, surface.previous);
    CountFreed(objects, DeleteObject(surface.bitmap));
    CountFreed(objects, DeleteDC(surface.dc));
    surface = MemorySurface{};
}

void CreateSurfaces(WindowPictures& pictures, HWND window, HINSTANCE instance, GuiObjectCount& objects, int dpi) {
    pictures.instance = instance;
    pictures.objects = &objects;
    pictures.arrow = LoadCursorA(nullptr, IDC_ARROW);
    pictures.hand = LoadCursorA(instance, MAKEINTRESOURCEA(IDR_HAND_CURSOR));
    HDC windowDc = CountMade(objects, GetDC(window));
    pictures.tiles = MakeMemorySurface(objects, instance, windowDc, IDB_TILE_SHEET);
    pictures.digits = MakeMemorySurface(objects, instance, windowDc, IDB_DIGIT_STRIP);
    CountFreed(objects, ReleaseDC(window, windowDc));
    RescaleSurfaces(pictures, dpi);
}

void RescaleSurfaces(WindowPictures& pictures, int dpi) {
    FreeScaled(pictures);
    GuiObjectCount& objects = *pictures.objects;
    pictures.dpi = dpi;
    const int k = WholeFactor(dpi);
    pictures.painted = MakePixelSurface(objects, k * kClientWidth, k * kClientHeight);
    if (!IsWholeScale(dpi))
        pictures.shown = MakePixelSurface(objects, ScaledLength(kClientWidth, dpi), ScaledLength(kClientHeight, dpi));
    // The labels are part of the picture: at a fractional scale they are
    // reduced with it, and no other painting ever covers them unwritten.
    pictures.labelFont = CountMade(objects, CreateFontLike(SYSTEM_FONT, k * kBaseDpi));
    pictures.buttonFont = CountMade(objects, CreateFontLike(SYSTEM_FONT, dpi));
    SetBkMode(pictures.painted.dc, TRANSPARENT);
    SetTextColor(pictures.painted.dc, RGB(0, 0, 0));
    // Stays selected: the DC is deleted before the font.
    if (pictures.labelFont != nullptr) SelectObject(pictures.painted.dc, pictures.labelFont);
}

void ReleaseSurfaces(WindowPictures& pictures) {
    if (pictures.objects == nullptr) return;
    FreeMemorySurface(*pictures.objects, pictures.tiles);
    FreeMemorySurface(*pictures.objects, pictures.digits);
    FreeScaled(pictures);
}

void GdiSurface::CopyBlock(int x, int y, int w, int h, Picture source, int sourceX, int sourceY) {
    const int k = WholeFactor(pictures_.dpi);
    switch (source) {
    case Picture::Tiles: CopyScaled(pictures_.painted.dc, k, x, y, w, h, pictures_.tiles.dc, sourceX, sourceY); break;
    case Picture::Digits: CopyScaled(pictures_.painted.dc, k, x, y, w, h, pictures_.digits.dc, sourceX, sourceY); break;
    case Picture::Logo: CopyLogo(pictures_, k, x, y, w, h, sourceX, sourceY); break;
    }
    area_.Add({x, y, x + w, y + h});
}

void GdiSurface::Fill(int left, int top, int right, int bottom, HBRUSH brush) {
    const int k = WholeFactor(pictures_.dpi);
    const RECT rect = {k * left, k * top, k * right, k * bottom};
    ::FillRect(pictures_.painted.dc, &rect, brush);
    area_.Add({left, top, right, bottom});
}

void GdiSurface::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    HBRUSH brush = CountMade(*pictures_.objects, CreateSolidBrush(ToColorRef(colour)));
    Fill(left, top, right, bottom, brush);
    CountFreed(*pictures_.objects, DeleteObject(brush));
}

// Every line is across or down, so a one-pixel pen's line is a filled box:
// at a whole factor it is as thick as a game pixel.
void GdiSurface::Lines(const LineSegment* segments, int count, Rgb colour) {
    HBRUSH brush = CountMade(*pictures_.objects, CreateSolidBrush(ToColorRef(colour)));
    for (int i = 0; i < count; ++i) {
        const PixelBox box = CoveredBy(segments[i]);
        Fill(box.left, box.top, box.right, box.bottom, brush);
    }
    CountFreed(*pictures_.objects, DeleteObject(brush));
}

void GdiSurface::Text(int x, int y, const char* text, int length) {
    const int k = WholeFactor(pictures_.dpi);
    const WideText wide = Widen(text, length);
    TextOutW(pictures_.painted.dc, k * x, k * y, wide, wide.length);
    SIZE extent = {};
    GetTextExtentPoint32W(pictures_.painted.dc, wide, wide.length, &extent);
    area_.Add({x, y, x + (extent.cx + k - 1) / k, y + (extent.cy + k - 1) / k});
}

void ShowPainted(HDC target, const WindowPictures& pictures, ChangedBoxes& area) {
    const int dpi = pictures.dpi, k = WholeFactor(dpi);
    // Without its pictures (the system had no memory for them) the window
    // shows its background only.
    const bool reduced = !IsWholeScale(dpi);
    if (pictures.painted.bits == nullptr || (reduced && pictures.shown.bits == nullptr)) area.Clear();
    GdiFlush();  // the painted pixels are read directly below
    for (const PixelBox& box : area) {
        if (!reduced) {
            BitBlt(target, k * box.left, k * box.top, k * (box.right - box.left), k * (box.bottom - box.top),
                   pictures.painted.dc, k * box.left, k * box.top, SRCCOPY);
            continue;
        }
        const PixelBox screen = ScreenBoxOf(box, dpi);
        const int width = ScaledLength(kClientWidth, dpi), height = ScaledLength(kClientHeight, dpi);
        ReduceArea(PlaneOf(pictures.painted, k * kClientWidth, k * kClientHeight),
                   PlaneOf(pictures.shown, width, height), dpi, screen);
        BitBlt(target, screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top,
               pictures.shown.dc, screen.left, screen.top, SRCCOPY);
    }
    area.Clear();
}
