#pragma once
// A software surface: an RGB buffer of width x height pixels, `pitch` bytes
// a row, three bytes (red, green, blue) a pixel, row 0 at the top. Every
// operation is clipped to the buffer and to the source picture. Text is not
// rasterised; each call is logged instead.
#include <cstdint>
#include <string>
#include <vector>

#include "draw/surface.h"

class Raster final : public Surface {
public:
    struct TextCall {
        int x, y;
        std::string bytes;
    };

    // Starts black.
    Raster(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    int pitch() const { return pitch_; }
    const uint8_t* bytes() const { return bytes_.data(); }
    // Black outside the buffer.
    Rgb Pixel(int x, int y) const;
    const std::vector<TextCall>& texts() const { return texts_; }
    void ForgetTexts() { texts_.clear(); }

    void CopyBlock(int x, int y, int w, int h, Picture source, int sourceX, int sourceY) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void Lines(const LineSegment* segments, int count, Rgb colour) override;
    void Text(int x, int y, const char* text, int length) override;

    // An uncompressed 24-bit BMP of the whole buffer; false when the file
    // cannot be written.
    bool WriteBmp(const char* path) const;

    bool SamePixels(const Raster& other) const;

private:
    uint8_t* At(int x, int y) { return bytes_.data() + y * pitch_ + 3 * x; }
    const uint8_t* At(int x, int y) const { return bytes_.data() + y * pitch_ + 3 * x; }

    int width_, height_, pitch_;
    std::vector<uint8_t> bytes_;
    std::vector<TextCall> texts_;
};
