#include "tools/assetgen/dib.h"

void PutInfoHeader(Bytes& out, int width, int height, int bitsPerPixel, uint32_t imageSize,
                   int colourCount) {
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<uint32_t>(width));
    PutU32(out, static_cast<uint32_t>(height));  // positive: bottom row first
    PutU16(out, 1);                              // planes
    PutU16(out, bitsPerPixel);
    PutU32(out, 0);      // BI_RGB, uncompressed
    PutU32(out, imageSize);
    PutU32(out, 2835);   // 72 dots per inch, in dots per metre
    PutU32(out, 2835);
    PutU32(out, static_cast<uint32_t>(colourCount));
    PutU32(out, 0);      // every colour is important
}

void PutPalette(Bytes& out, const Rgb* colours, int count) {
    for (int i = 0; i < count; ++i) {
        PutU8(out, colours[i].b);
        PutU8(out, colours[i].g);
        PutU8(out, colours[i].r);
        PutU8(out, 0);
    }
}
