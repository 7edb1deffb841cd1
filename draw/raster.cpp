#include "draw/raster.h"

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <cstring>

#include "draw/pictures.h"

namespace {

// A picture computed once from its pixel rule, in the raster's own byte
// order, so that a block copy is a copy of rows.
struct Image {
    int width, height;
    std::vector<uint8_t> rgb;
};

Image Compute(int width, int height, Rgb (*pixel)(int, int)) {
    Image image{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 3)};
    uint8_t* out = image.rgb.data();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = pixel(x, y);
            *out++ = c.r;
            *out++ = c.g;
            *out++ = c.b;
        }
    }
    return image;
}

const Image& ImageOf(Picture picture) {
    static const Image tiles = Compute(kTileSheetWidth, kTileSheetHeight, TileSheetPixel);
    static const Image digits = Compute(kDigitStripWidth, kDigitStripHeight, DigitStripPixel);
    static const Image logo = Compute(kLogoWidth, kLogoHeight, LogoPixel);
    switch (picture) {
        case Picture::Tiles: return tiles;
        case Picture::Digits: return digits;
        case Picture::Logo: return logo;
    }
    return tiles;
}

void PutLe16(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void PutLe32(uint8_t* p, uint32_t v) {
    PutLe16(p, v & 0xffff);
    PutLe16(p + 2, v >> 16);
}

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr uint32_t kPixelsPerMetre = 3780;  // 96 dots per inch

// Rows of a 24-bit DIB are padded to whole 32-bit words.
int PaddedRowBytes(int width) { return (3 * width + 3) & ~3; }

}  // namespace

Raster::Raster(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pitch_(PaddedRowBytes(width_)),
      bytes_(static_cast<size_t>(pitch_) * height_, 0) {}

Rgb Raster::Pixel(int x, int y) const {
    if (x < 0 || x >= width_ || y < 0 || y >= height_) return Rgb{0, 0, 0};
    const uint8_t* p = At(x, y);
    return Rgb{p[0], p[1], p[2]};
}

void Raster::CopyBlock(int x, int y, int w, int h, Picture source, int sourceX, int sourceY) {
    const Image& image = ImageOf(source);
    // Columns i of the block that land inside both the raster and the picture.
    const int first = std::max({0, -x, -sourceX});
    const int last = std::min({w, width_ - x, image.width - sourceX});
    if (first >= last) return;
    for (int j = 0; j < h; ++j) {
        const int targetRow = y + j;
        const int sourceRow = sourceY + j;
        if (targetRow < 0 || targetRow >= height_ || sourceRow < 0 || sourceRow >= image.height) continue;
        const uint8_t* from = image.rgb.data() + (static_cast<size_t>(sourceRow) * image.width + sourceX + first) * 3;
        std::memcpy(At(x + first, targetRow), from, static_cast<size_t>(last - first) * 3);
    }
}

void Raster::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    if (left >= right || top >= bottom) return;
    for (int y = top; y < bottom; ++y) {
        uint8_t* p = At(left, y);
        for (int x = left; x < right; ++x) {
            *p++ = colour.r;
            *p++ = colour.g;
            *p++ = colour.b;
        }
    }
}

void Raster::Lines(const LineSegment* segments, int count, Rgb colour) {
    for (int i = 0; i < count; ++i) {
        assert(segments[i].x0 == segments[i].x1 || segments[i].y0 == segments[i].y1);
        // The end point itself is left out, whichever way the line runs.
        const PixelBox box = CoveredBy(segments[i]);
        FillRect(box.left, box.top, box.right, box.bottom, colour);
    }
}

void Raster::Text(int x, int y, const char* text, int length) {
    texts_.push_back(TextCall{x, y, std::string(text, length > 0 ? static_cast<size_t>(length) : 0)});
}

bool Raster::WriteBmp(const char* path) const {
    const int rowBytes = PaddedRowBytes(width_);
    const uint32_t imageBytes = static_cast<uint32_t>(rowBytes) * height_;
    uint8_t header[kFileHeaderBytes + kInfoHeaderBytes] = {};
    header[0] = 'B';
    header[1] = 'M';
    PutLe32(header + 2, kFileHeaderBytes + kInfoHeaderBytes + imageBytes);
    PutLe32(header + 10, kFileHeaderBytes + kInfoHeaderBytes);
    uint8_t* info = header + kFileHeaderBytes;
    PutLe32(info, kInfoHeaderBytes);
    PutLe32(info + 4, static_cast<uint32_t>(width_));
    PutLe32(info + 8, static_cast<uint32_t>(height_));  // positive: bottom row first
    PutLe16(info + 12, 1);                               // planes
    PutLe16(info + 14, 24);                              // bits per pixel
    PutLe32(info + 16, 0);                               // BI_RGB, uncompressed
    PutLe32(info + 20, imageBytes);
    PutLe32(info + 24, kPixelsPerMetre);
    PutLe32(info + 28, kPixelsPerMetre);

    FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    bool ok = std::fwrite(header, sizeof header, 1, file) == 1;
    std::vector<uint8_t> row(static_cast<size_t>(rowBytes), 0);
    for (int y = height_ - 1; ok && y >= 0; --y) {
        const uint8_t* p = At(0, y);
        for (int x = 0; x < width_; ++x, p += 3) {  // the file holds blue, green, red
            row[3 * x] = p[2];
            row[3 * x + 1] = p[1];
            row[3 * x + 2] = p[0];
        }
        ok = row.empty() || std::fwrite(row.data(), row.size(), 1, file) == 1;
    }
    return std::fclose(file) == 0 && ok;
}

bool Raster::SamePixels(const Raster& other) const {
    return width_ == other.width_ && height_ == other.height_ && bytes_ == other.bytes_;
}
