#include "tools/assetgen/icons.h"

#include "media/icon_rgba.h"
#include "tools/assetgen/dib.h"

namespace {

constexpr int kDirectoryHeaderSize = 6, kDirectoryEntrySize = 16;
constexpr int kIconType = 1, kCursorType = 2;
constexpr int kMaskBits = 1;
constexpr int kIconBits = 4;  // the VGA palette
constexpr int kIconSizeCount = sizeof kIconResourceSizes / sizeof *kIconResourceSizes;

constexpr Rgb kMonochrome[2] = {{0, 0, 0}, {255, 255, 255}};

void PutDirectoryHeader(Bytes& out, int type, int imageCount) {
    PutU16(out, 0);  // reserved
    PutU16(out, type);
    PutU16(out, imageCount);
}

// One entry of the directory: its third and fourth words are planes and bit
// count for an icon, the hot spot for a cursor.
void PutDirectoryEntry(Bytes& out, int size, int colourCount, int word3, int word4, uint32_t imageBytes,
                       uint32_t offset) {
    PutU8(out, size);
    PutU8(out, size);
    PutU8(out, colourCount);
    PutU8(out, 0);  // reserved
    PutU16(out, word3);
    PutU16(out, word4);
    PutU32(out, imageBytes);
    PutU32(out, offset);
}

uint32_t ImageBytes(int size, int bitsPerPixel, int paletteSize) {
    return kInfoHeaderSize + 4 * paletteSize + DibStride(size, bitsPerPixel) * size + DibStride(size, kMaskBits) * size;
}

// One image: header, palette, colour rows, mask rows.
template <class ColourAt, class ClearAt>
void PutImage(Bytes& out, int size, int bitsPerPixel, const Rgb* palette, int paletteSize, ColourAt colourAt,
              ClearAt clearAt) {
    const uint32_t colourBytes = DibStride(size, bitsPerPixel) * size;
    const uint32_t maskBytes = DibStride(size, kMaskBits) * size;
    PutInfoHeader(out, size, 2 * size, bitsPerPixel, colourBytes + maskBytes, 0);
    PutPalette(out, palette, paletteSize);
    PutDibRows(out, size, size, bitsPerPixel, colourAt);
    PutDibRows(out, size, size, kMaskBits, clearAt);
}

// The VGA colour of an opaque pixel; a clear one is colour 0.
int VgaIndex(const uint8_t* pixel) {
    if (pixel[3] == 0) return 0;
    for (int i = 0; i < kVgaColourCount; ++i)
        if (kVgaColours[i] == Rgb{pixel[0], pixel[1], pixel[2]}) return i;
    return 0;
}

}  // namespace

Bytes IconFile(int iconId) {
    Bytes out;
    PutDirectoryHeader(out, kIconType, kIconSizeCount);
    uint32_t offset = kDirectoryHeaderSize + kIconSizeCount * kDirectoryEntrySize;
    for (const int size : kIconResourceSizes) {
        const uint32_t bytes = ImageBytes(size, kIconBits, kVgaColourCount);
        PutDirectoryEntry(out, size, kVgaColourCount, 1, kIconBits, bytes, offset);
        offset += bytes;
    }
    static uint8_t rgba[kLargestIconSize * kLargestIconSize * 4];
    for (const int size : kIconResourceSizes) {
        const int stride = 4 * size;
        if (!DrawIconRgba(iconId, size, rgba, stride)) return {};
        PutImage(
            out, size, kIconBits, kVgaColours, kVgaColourCount,
            [&](int x, int y) { return VgaIndex(rgba + y * stride + 4 * x); },
            [&](int x, int y) { return rgba[y * stride + 4 * x + 3] == 0 ? 1 : 0; });
    }
    return out;
}

Bytes HandCursorFile(int hotSpotX, int hotSpotY) {
    constexpr int kBits = 1;
    Bytes out;
    PutDirectoryHeader(out, kCursorType, 1);
    PutDirectoryEntry(out, kIconSize, 2, hotSpotX, hotSpotY, ImageBytes(kIconSize, kBits, 2),
                      kDirectoryHeaderSize + kDirectoryEntrySize);
    PutImage(
        out, kIconSize, kBits, kMonochrome, 2,
        [&](int x, int y) { return HandCursorInk(x, y) == kCursorWhite ? 1 : 0; },
        [&](int x, int y) { return HandCursorInk(x, y) == kCursorClear ? 1 : 0; });
    return out;
}
