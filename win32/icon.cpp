#include "win32/icon.h"

#include <cstdint>

#include "media/icon_rgba.h"

HICON MakeIcon(int iconId, int size) {
    if (size < 1 || size > kLargestIconSize) return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;  // rows top first, as the routine writes them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (colour == nullptr) return nullptr;
    auto* pixels = static_cast<uint8_t*>(bits);
    if (!DrawIconRgba(iconId, size, pixels, 4 * size)) {
        DeleteObject(colour);
        return nullptr;
    }
    // The routine's pixels are opaque or clear and black, so they are
    // already premultiplied; the system keeps blue first. The mask's rows
    // are whole 16-bit words.
    const int maskStride = (size + 15) / 16 * 2;
    uint8_t mask[kLargestIconSize * ((kLargestIconSize + 15) / 16 * 2)] = {};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            uint8_t* pixel = pixels + 4 * (y * size + x);
            const uint8_t red = pixel[0];
            pixel[0] = pixel[2];
            pixel[2] = red;
            if (pixel[3] == 0) mask[y * maskStride + x / 8] |= 0x80 >> (x % 8);
        }
    }
    HBITMAP clear = CreateBitmap(size, size, 1, 1, mask);
    ICONINFO parts = {TRUE, 0, 0, clear, colour};
    HICON icon = clear != nullptr ? CreateIconIndirect(&parts) : nullptr;
    if (clear != nullptr) DeleteObject(clear);
    DeleteObject(colour);
    return icon;
}
