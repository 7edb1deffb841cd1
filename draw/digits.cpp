// The digit strip (bitmap 103): eleven 13 x 23 seven-segment glyphs on
// black. Unlit segments stay faintly visible as a dotted pattern.
#include <cassert>
#include <cstdint>
#include <initializer_list>

#include "draw/layout.h"
#include "draw/palette.h"
#include "draw/pictures.h"

namespace {

// One row of a segment: pixels u0..u1 of glyph row v.
struct Span {
    int v, u0, u1;
};

enum Segment { kTop, kMiddle, kBottom, kUpperLeft, kUpperRight, kLowerLeft, kLowerRight, kSegmentCount };

constexpr Span kTopSpans[] = {{1, 2, 10}, {2, 3, 9}, {3, 4, 8}};
constexpr Span kMiddleSpans[] = {{10, 3, 9}, {11, 2, 10}, {12, 3, 9}};
constexpr Span kBottomSpans[] = {{19, 4, 8}, {20, 3, 9}, {21, 2, 10}};
constexpr Span kLeftSpans[] = {{2, 1, 1}, {3, 1, 2}, {4, 1, 3}, {5, 1, 3}, {6, 1, 3},
                               {7, 1, 3}, {8, 1, 3}, {9, 1, 2}, {10, 1, 1}};
constexpr int kRightMirror = kGlyphWidth - 1;  // u on the right is 12 - u on the left
constexpr int kLowerShift = 10;                // the lower uprights sit ten rows down

template <int N>
bool InSpans(const Span (&spans)[N], int u, int v) {
    for (const Span& span : spans)
        if (span.v == v && u >= span.u0 && u <= span.u1) return true;
    return false;
}

bool InSegment(int segment, int u, int v) {
    switch (segment) {
        case kTop: return InSpans(kTopSpans, u, v);
        case kMiddle: return InSpans(kMiddleSpans, u, v);
        case kBottom: return InSpans(kBottomSpans, u, v);
        case kUpperLeft: return InSpans(kLeftSpans, u, v);
        case kUpperRight: return InSpans(kLeftSpans, kRightMirror - u, v);
        case kLowerLeft: return InSpans(kLeftSpans, u, v - kLowerShift);
        case kLowerRight: return InSpans(kLeftSpans, kRightMirror - u, v - kLowerShift);
    }
    return false;
}

bool IsHorizontal(int segment) { return segment == kTop || segment == kMiddle || segment == kBottom; }

constexpr uint8_t Lit(std::initializer_list<Segment> segments) {
    uint8_t mask = 0;
    for (Segment s : segments) mask |= static_cast<uint8_t>(1u << s);
    return mask;
}

constexpr uint8_t kLitSegments[kGlyphCount] = {
    Lit({kTop, kUpperLeft, kUpperRight, kLowerLeft, kLowerRight, kBottom}),          // 0
    Lit({kUpperRight, kLowerRight}),                                                 // 1
    Lit({kTop, kUpperRight, kMiddle, kLowerLeft, kBottom}),                          // 2
    Lit({kTop, kUpperRight, kMiddle, kLowerRight, kBottom}),                         // 3
    Lit({kUpperLeft, kUpperRight, kMiddle, kLowerRight}),                            // 4
    Lit({kTop, kUpperLeft, kMiddle, kLowerRight, kBottom}),                          // 5
    Lit({kTop, kUpperLeft, kMiddle, kLowerLeft, kLowerRight, kBottom}),              // 6
    Lit({kTop, kUpperRight, kLowerRight}),                                           // 7
    Lit({kTop, kMiddle, kBottom, kUpperLeft, kUpperRight, kLowerLeft, kLowerRight}), // 8
    Lit({kTop, kUpperLeft, kUpperRight, kMiddle, kLowerRight, kBottom}),             // 9
    0,                                                                               // blank
};

}  // namespace

Rgb DigitStripPixel(int x, int y) {
    assert(x >= 0 && x < kDigitStripWidth && y >= 0 && y < kDigitStripHeight);
    if (x < 0 || x >= kDigitStripWidth || y < 0 || y >= kDigitStripHeight) return kGlyphGround;
    const int glyph = x / kGlyphWidth;
    const int u = x % kGlyphWidth;
    const int v = y;
    for (int segment = 0; segment < kSegmentCount; ++segment) {
        if (!InSegment(segment, u, v)) continue;
        if (kLitSegments[glyph] & (1u << segment)) return kSegmentLit;
        // Horizontal segments are dotted on even u+v, upright ones on odd.
        const bool dotted = ((u + v) % 2 == 0) == IsHorizontal(segment);
        return dotted ? kSegmentDim : kGlyphGround;
    }
    return kGlyphGround;
}
