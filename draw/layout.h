#pragma once
// The fixed layout of the main window's client area, in pixels, origin at
// the top left. Rectangles are left, top, right, bottom with right and
// bottom excluded; blocks are x, y, width, height.
#include "resources/texts.h"

// The client area of the 485 x 365 window: a 3-pixel frame all round and a
// 19-pixel caption.
constexpr int kClientWidth = 479;
constexpr int kClientHeight = 340;

// The well: 10 x 21 cells of 20 x 15 pixels, cell (k, r) at
// (135 + 20k, 10 + 15r).
constexpr int kCellWidth = 20;
constexpr int kCellHeight = 15;
constexpr int kWellLeft = 135;
constexpr int kWellTop = 10;
constexpr int kWellRight = 335;
constexpr int kWellBottom = 325;

constexpr int CellX(int playfieldColumn) { return kWellLeft + kCellWidth * playfieldColumn; }
constexpr int CellY(int row) { return kWellTop + kCellHeight * row; }

// The tile sheet: tile column t at x 20t, the raised look in the top row of
// tiles and the flat look below it.
constexpr int kTileColumns = 11;
constexpr int kRaisedLookY = 0;
constexpr int kFlatLookY = 15;

// The digit strip: glyph g at x 13g; glyph 10 shows no digit.
constexpr int kGlyphWidth = 13;
constexpr int kGlyphHeight = 23;
constexpr int kGlyphCount = 11;
constexpr int kBlankGlyph = 10;

// The preview box is background-coloured; the next shape's grid always
// starts at its fixed origin, whatever the shape's size.
constexpr int kPreviewLeft = 30;
constexpr int kPreviewTop = 33;
constexpr int kPreviewRight = 125;
constexpr int kPreviewBottom = 126;
constexpr int kPreviewGridX = 35;
constexpr int kPreviewGridY = 50;

constexpr int kLogoX = 26;
constexpr int kLogoY = 186;

struct FrameBlock {
    int x, y, width, height;
};

constexpr FrameBlock kWellFrame = {130, 5, 210, 325};

// A counter: its sunken box, where its glyphs start, how many positions it
// has, and whether the value is shown as an unsigned number with leading
// blanks (score, lines) or as a signed one over a row of blanks (speed,
// starting rows).
struct CounterLayout {
    FrameBlock box;
    int glyphX;
    int glyphY;
    int positions;
    bool asUnsigned;
};

constexpr CounterLayout kScoreCounter = {{365, 28, 94, 28}, 366, 30, 7, true};
constexpr CounterLayout kLinesCounter = {{365, 83, 94, 28}, 366, 85, 7, true};
constexpr CounterLayout kSpeedCounter = {{365, 138, 56, 28}, 366, 140, 4, false};
constexpr CounterLayout kStartRowsCounter = {{365, 193, 56, 28}, 366, 195, 4, false};

// Labels: GBK text, top-left corner at (x, y), written with every byte.
// The text is the system's, so its extent depends on the font; it stays
// within `width` x kLabelHeight pixels from its corner.
struct LabelPlace {
    int x, y;
    const char* text;
    int length;
    int width;
};

constexpr int kLabelHeight = 21;
// Windows draws the labels in its 9-point stock font, 12 pixels at 96 dots
// an inch; a front end with a font of its own takes that size, made smaller
// should a label not keep within its box.
constexpr int kLabelPixels = 12;
constexpr int kSmallestLabelPixels = 6;

constexpr LabelPlace kNextLabel = {10, 10, kNextText, sizeof kNextText - 1, 91};
constexpr LabelPlace kCounterLabels[] = {
    {360, 5, kScoreText, sizeof kScoreText - 1, 111},
    {360, 60, kLinesText, sizeof kLinesText - 1, 111},
    {360, 115, kSpeedText, sizeof kSpeedText - 1, 111},
    {360, 170, kStartRowsText, sizeof kStartRowsText - 1, 111},
};

// Mouse regions, as rectangles.
struct Region {
    int left, top, right, bottom;
    constexpr bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

constexpr Region kLogoHandRegion = {20, 180, 110, 286};   // the hand cursor shows here
constexpr Region kLogoClickRegion = {21, 181, 110, 286};  // a left click opens the information sheet
constexpr Region kWellClickRegion = {130, 5, 341, 331};   // a right click moves right

// The child buttons, in the order of the Button enumeration (game/host.h).
struct ButtonPlace {
    const char* text;
    int x, y, width, height;
};

constexpr ButtonPlace kButtonPlaces[] = {
    {"+", 422, 138, 20, 26},           // SpeedUp
    {"-", 442, 138, 20, 26},           // SpeedDown
    {"+", 422, 193, 20, 26},           // RowsUp
    {"-", 442, 193, 20, 26},           // RowsDown
    {kStartText, 360, 270, 110, 25},   // Start
    {kPauseText, 360, 300, 110, 25},   // Pause; reads kContinueText while paused
    {kOptionsText, 10, 300, 110, 25},  // Options
};

// A screen's layout: where painting puts each part of the picture. The
// window's is kWindowLayout, made of the constants above; a screen taller
// than wide takes kTallLayout. Cells, tiles and glyphs keep their sizes in
// both, so the pictures are the same.
struct ScreenLayout {
    int clientWidth, clientHeight;
    int wellLeft, wellTop;  // cell (0, 0)'s top-left corner
    FrameBlock wellFrame;
    Region preview;  // the background-coloured box of the next shape
    int previewGridX, previewGridY;
    LabelPlace nextLabel;
    CounterLayout score, lines, speed, startRows;
    LabelPlace counterLabels[4];  // score, lines, speed, starting rows
    int labelHeight;
    bool showsLogo;
};

constexpr ScreenLayout kWindowLayout = {
    kClientWidth,  kClientHeight, kWellLeft,     kWellTop,      kWellFrame,
    {kPreviewLeft, kPreviewTop, kPreviewRight, kPreviewBottom}, kPreviewGridX, kPreviewGridY,
    kNextLabel,    kScoreCounter, kLinesCounter, kSpeedCounter, kStartRowsCounter,
    {kCounterLabels[0], kCounterLabels[1], kCounterLabels[2], kCounterLabels[3]},
    kLabelHeight,  true,
};

// A phone held upright: the next shape and the counters in two rows above
// the well, each label one line above its box, the first row 2 pixels
// below the top, as a font's glyphs may reach above a label's corner; no
// logo. 250 pixels wide and 406 high: the frame's last row is left alone,
// as in the window.
constexpr ScreenLayout kTallLayout = {
    250, 406, 25, 87, {20, 82, 210, 325},
    {6, 14, 70, 78}, 8, 16,
    {6, 2, kNextText, sizeof kNextText - 1, 64},
    {{80, 14, 94, 28}, 81, 16, 7, true},
    {{80, 54, 94, 28}, 81, 56, 7, true},
    {{184, 14, 56, 28}, 185, 16, 4, false},
    {{184, 54, 56, 28}, 185, 56, 4, false},
    {{80, 2, kScoreText, sizeof kScoreText - 1, 94},
     {80, 42, kLinesText, sizeof kLinesText - 1, 94},
     {184, 2, kSpeedText, sizeof kSpeedText - 1, 56},
     {184, 42, kStartRowsText, sizeof kStartRowsText - 1, 56}},
    12, false,
};

constexpr int CellX(const ScreenLayout& layout, int playfieldColumn) { return layout.wellLeft + kCellWidth * playfieldColumn; }
constexpr int CellY(const ScreenLayout& layout, int row) { return layout.wellTop + kCellHeight * row; }
