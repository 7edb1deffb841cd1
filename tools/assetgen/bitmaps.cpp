#include "tools/assetgen/bitmaps.h"

#include "draw/pictures.h"
#include "tools/assetgen/dib.h"
#include "media/vga.h"

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kMaxPaletteSize = 256;

using PixelAt = Rgb (*)(int x, int y);

struct Palette {
    Rgb colours[kMaxPaletteSize];
    int count;
};

int IndexOf(const Rgb* colours, int count, Rgb colour) {
    for (int i = 0; i < count; ++i) {
        if (colours[i] == colour) return i;
    }
    return -1;
}

// The distinct colours of the picture in the order they first appear,
// reading from the top left. False if there are more than 256.
bool CollectPalette(PixelAt pixelAt, int width, int height, Palette& palette) {
    palette.count = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb colour = pixelAt(x, y);
            if (IndexOf(palette.colours, palette.count, colour) >= 0) continue;
            if (palette.count == kMaxPaletteSize) return false;
            palette.colours[palette.count++] = colour;
        }
    }
    return true;
}

bool AllInPalette(PixelAt pixelAt, int width, int height, const Rgb* colours, int count) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (IndexOf(colours, count, pixelAt(x, y)) < 0) return false;
        }
    }
    return true;
}

// A whole BMP file; every pixel's colour must be in the palette.
Bytes EncodeBmp(PixelAt pixelAt, int width, int height, int bitsPerPixel, const Rgb* colours,
                int count) {
    const uint32_t paletteSize = 4u * count;
    const uint32_t imageSize = static_cast<uint32_t>(DibStride(width, bitsPerPixel)) * height;
    const uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + paletteSize;
    Bytes out;
    PutU8(out, 'B');
    PutU8(out, 'M');
    PutU32(out, pixelOffset + imageSize);
    PutU32(out, 0);  // two reserved words
    PutU32(out, pixelOffset);
    PutInfoHeader(out, width, height, bitsPerPixel, imageSize, count);
    PutPalette(out, colours, count);
    PutDibRows(out, width, height, bitsPerPixel,
               [&](int x, int y) { return IndexOf(colours, count, pixelAt(x, y)); });
    return out;
}

Bytes EncodeWithOwnPalette(PixelAt pixelAt, int width, int height) {
    Palette palette;
    if (!CollectPalette(pixelAt, width, height, palette)) return {};
    return EncodeBmp(pixelAt, width, height, 8, palette.colours, palette.count);
}

}  // namespace

Bytes TileSheetBmp() { return EncodeWithOwnPalette(TileSheetPixel, kTileSheetWidth, kTileSheetHeight); }

Bytes LogoBmp() { return EncodeWithOwnPalette(LogoPixel, kLogoWidth, kLogoHeight); }

Bytes DigitStripBmp() {
    if (!AllInPalette(DigitStripPixel, kDigitStripWidth, kDigitStripHeight, kVgaColours,
                      kVgaColourCount)) {
        return {};
    }
    return EncodeBmp(DigitStripPixel, kDigitStripWidth, kDigitStripHeight, 4, kVgaColours,
                     kVgaColourCount);
}
