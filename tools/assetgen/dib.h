#pragma once
// The device-independent bitmap layout that BMP files, icons and cursors
// share: a 40-byte BITMAPINFOHEADER, a palette of BGR0 quads, and rows of
// palette indices stored bottom row first, each padded to four bytes.
#include "draw/surface.h"
#include "media/bytes.h"

constexpr int kInfoHeaderSize = 40;

// Bytes in one stored row of `width` pixels at `bitsPerPixel`.
constexpr int DibStride(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

// height is the stored height: icons and cursors give twice the picture's,
// counting the mask below it. colourCount 0 means "all that bitsPerPixel allows".
void PutInfoHeader(Bytes& out, int width, int height, int bitsPerPixel, uint32_t imageSize,
                   int colourCount);

void PutPalette(Bytes& out, const Rgb* colours, int count);

// indexAt(x, y) gives the palette index of pixel (x, y), y counted from the
// top; the most significant bits of each byte hold the leftmost pixel.
template <class IndexAt>
void PutDibRows(Bytes& out, int width, int height, int bitsPerPixel, IndexAt indexAt) {
    const int stride = DibStride(width, bitsPerPixel);
    for (int y = height - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        out.resize(rowStart + stride, 0);
        for (int x = 0; x < width; ++x) {
            const int bit = x * bitsPerPixel;
            const int shift = 8 - bitsPerPixel - bit % 8;
            const unsigned index = static_cast<unsigned>(indexAt(x, y)) & ((1u << bitsPerPixel) - 1);
            out[rowStart + bit / 8] |= static_cast<uint8_t>(index << shift);
        }
    }
}
