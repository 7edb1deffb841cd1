#include "tools/assetgen/icons.h"

#include "tools/assetgen/dib.h"

namespace {

constexpr int kDirectorySize = 6 + 16;  // ICONDIR with one ICONDIRENTRY
constexpr int kIconType = 1, kCursorType = 2;
constexpr int kMaskBits = 1;

constexpr Rgb kMonochrome[2] = {{0, 0, 0}, {255, 255, 255}};

// A clear pixel is colour 0 under a set mask bit.
int IconColourIndex(char key) {
    const int ink = IconInkIndex(key);
    return ink >= 0 ? ink : 0;
}

// The directory: its one entry's third and fourth words are planes and bit
// count for an icon, the hot spot for a cursor.
void PutDirectory(Bytes& out, int type, int colourCount, int word3, int word4, uint32_t imageBytes) {
    PutU16(out, 0);  // reserved
    PutU16(out, type);
    PutU16(out, 1);  // one image
    PutU8(out, kIconSize);
    PutU8(out, kIconSize);
    PutU8(out, colourCount);
    PutU8(out, 0);   // reserved
    PutU16(out, word3);
    PutU16(out, word4);
    PutU32(out, imageBytes);
    PutU32(out, kDirectorySize);
}

// The image after the directory: header, palette, colour rows, mask rows.
template <class ColourAt, class ClearAt>
void PutImage(Bytes& out, int bitsPerPixel, const Rgb* palette, int paletteSize,
                ColourAt colourAt, ClearAt clearAt) {
    const uint32_t colourBytes = DibStride(kIconSize, bitsPerPixel) * kIconSize;
    const uint32_t maskBytes = DibStride(kIconSize, kMaskBits) * kIconSize;
    PutInfoHeader(out, kIconSize, 2 * kIconSize, bitsPerPixel, colourBytes + maskBytes, 0);
    PutPalette(out, palette, paletteSize);
    PutDibRows(out, kIconSize, kIconSize, bitsPerPixel, colourAt);
    PutDibRows(out, kIconSize, kIconSize, kMaskBits, clearAt);
}

uint32_t ImageBytes(int bitsPerPixel, int paletteSize) {
    return kInfoHeaderSize + 4 * paletteSize + DibStride(kIconSize, bitsPerPixel) * kIconSize +
           DibStride(kIconSize, kMaskBits) * kIconSize;
}

}  // namespace

Bytes IconFile(const IconRows& rows) {
    constexpr int kBits = 4;
    Bytes out;
    PutDirectory(out, kIconType, kVgaColourCount, 1, kBits, ImageBytes(kBits, kVgaColourCount));
    PutImage(
        out, kBits, kVgaColours, kVgaColourCount,
        [&](int x, int y) { return IconColourIndex(rows[y][x]); },
        [&](int x, int y) { return rows[y][x] == kIconClear ? 1 : 0; });
    return out;
}

Bytes HandCursorFile(int hotSpotX, int hotSpotY) {
    constexpr int kBits = 1;
    Bytes out;
    PutDirectory(out, kCursorType, 2, hotSpotX, hotSpotY, ImageBytes(kBits, 2));
    PutImage(
        out, kBits, kMonochrome, 2,
        [&](int x, int y) { return HandCursorInk(x, y) == kCursorWhite ? 1 : 0; },
        [&](int x, int y) { return HandCursorInk(x, y) == kCursorClear ? 1 : 0; });
    return out;
}
