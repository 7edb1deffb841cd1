#pragma once
// Reads back a file that trelmo-assetgen wrote, with bounds-checked
// little-endian fields: a read past the end gives 0 (or an empty tag) and
// marks the file as overrun, so a truncated file fails its test instead of
// reading stray memory.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "draw/surface.h"

struct AssetFile {
    std::vector<uint8_t> bytes;
    mutable bool overrun = false;

    size_t size() const { return bytes.size(); }
    uint32_t U8(size_t at) const;
    uint32_t U16(size_t at) const;
    uint32_t U32(size_t at) const;
    int32_t I32(size_t at) const { return static_cast<int32_t>(U32(at)); }
    std::string Tag(size_t at) const;  // four characters
};

// The file from the build's asset directory; empty if it cannot be read.
AssetFile ReadAsset(const char* fileName);

// A device-independent bitmap inside a file: header at `header`, its palette
// right after it, pixel rows bottom first at `pixels`, each padded to four
// bytes. For icons and cursors `height` is the picture's (half the stored
// height) and the AND mask follows the colour rows.
struct DibView {
    const AssetFile* file;
    size_t header;
    size_t pixels;
    int width;
    int height;
    int bitsPerPixel;

    int Index(int x, int y) const;      // palette index of pixel (x, y), y from the top
    Rgb PaletteColour(int index) const;
    Rgb Colour(int x, int y) const { return PaletteColour(Index(x, y)); }
    int MaskBit(int x, int y) const;    // icons and cursors: 1 where transparent
};

// A BMP file's bitmap: the header follows the 14-byte file header, the
// pixels start at the offset the file header gives.
DibView BmpView(const AssetFile& file);

// Image `image` of an icon or cursor file, at the offset its directory
// gives.
DibView IconImageView(const AssetFile& file, int image = 0);
