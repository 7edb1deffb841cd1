#include "tests/assets/asset_reader.h"

#include <cstdio>
#include <string>

namespace {

int Stride(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

// Bit `bitsPerPixel`-wide field of pixel (x, y) in rows starting at `rows`.
int PackedField(const AssetFile& file, size_t rows, int width, int height, int bitsPerPixel,
                int x, int y) {
    if (x < 0 || x >= width || y < 0 || y >= height) {
        file.overrun = true;
        return -1;
    }
    const size_t row = rows + static_cast<size_t>(height - 1 - y) * Stride(width, bitsPerPixel);
    const int bit = x * bitsPerPixel;
    const uint32_t byte = file.U8(row + bit / 8);
    return static_cast<int>((byte >> (8 - bitsPerPixel - bit % 8)) & ((1u << bitsPerPixel) - 1));
}

}  // namespace

uint32_t AssetFile::U8(size_t at) const {
    if (at >= bytes.size()) {
        overrun = true;
        return 0;
    }
    return bytes[at];
}

uint32_t AssetFile::U16(size_t at) const { return U8(at) | U8(at + 1) << 8; }

uint32_t AssetFile::U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }

std::string AssetFile::Tag(size_t at) const {
    if (at + 4 > bytes.size()) {
        overrun = true;
        return {};
    }
    return std::string(bytes.begin() + at, bytes.begin() + at + 4);
}

AssetFile ReadAsset(const char* fileName) {
    AssetFile file;
    const std::string path = std::string(TRELMO_ASSET_DIR) + "/" + fileName;
    FILE* in = std::fopen(path.c_str(), "rb");
    if (in == nullptr) return file;
    uint8_t buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        file.bytes.insert(file.bytes.end(), buffer, buffer + got);
    }
    std::fclose(in);
    return file;
}

int DibView::Index(int x, int y) const {
    return PackedField(*file, pixels, width, height, bitsPerPixel, x, y);
}

Rgb DibView::PaletteColour(int index) const {
    const size_t at = header + file->U32(header) + 4 * static_cast<size_t>(index);
    return Rgb{static_cast<uint8_t>(file->U8(at + 2)), static_cast<uint8_t>(file->U8(at + 1)),
               static_cast<uint8_t>(file->U8(at))};
}

int DibView::MaskBit(int x, int y) const {
    const size_t mask = pixels + static_cast<size_t>(Stride(width, bitsPerPixel)) * height;
    return PackedField(*file, mask, width, height, 1, x, y);
}

DibView BmpView(const AssetFile& file) {
    const size_t header = 14;
    return DibView{&file,
                   header,
                   file.U32(10),
                   file.I32(header + 4),
                   file.I32(header + 8),
                   static_cast<int>(file.U16(header + 14))};
}

DibView IconImageView(const AssetFile& file, int image) {
    const size_t header = file.U32(6 + 16 * image + 12);
    const int bitsPerPixel = static_cast<int>(file.U16(header + 14));
    const int colours = bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0;
    return DibView{&file,
                   header,
                   header + file.U32(header) + 4 * colours,
                   file.I32(header + 4),
                   file.I32(header + 8) / 2,
                   bitsPerPixel};
}
