// The four seven-segment counters. Score and lines are right-aligned in
// seven positions after leading blanks and may grow left beyond their box;
// speed and starting rows blank all four positions, then right-align.
#include <cstdio>

#include "draw/layout.h"
#include "draw/paint.h"

namespace {

void CopyGlyph(Surface& surface, int glyph, int x, int y) {
    surface.CopyBlock(x, y, kGlyphWidth, kGlyphHeight, Picture::Digits, kGlyphWidth * glyph, 0);
}

// A character that is not a digit (a minus sign) shows as a blank glyph.
int GlyphFor(char c) { return c >= '0' && c <= '9' ? c - '0' : kBlankGlyph; }

void PaintCounter(Surface& surface, const CounterLayout& counter, int32_t value) {
    char text[12];  // "-2147483648" or "4294967295" and the terminator
    const int n = counter.asUnsigned ? std::snprintf(text, sizeof text, "%u", static_cast<uint32_t>(value))
                                     : std::snprintf(text, sizeof text, "%d", value);
    const int blanks = counter.asUnsigned ? counter.positions - n : counter.positions;
    for (int i = 0; i < blanks; ++i) CopyGlyph(surface, kBlankGlyph, counter.glyphX + kGlyphWidth * i, counter.glyphY);
    // The last character always takes the last position.
    const int end = counter.glyphX + kGlyphWidth * counter.positions;
    for (int i = 0; i < n; ++i) CopyGlyph(surface, GlyphFor(text[i]), end - kGlyphWidth * (n - i), counter.glyphY);
}

}  // namespace

void PaintScore(Surface& surface, const Game& game, const ScreenLayout& layout) {
    PaintCounter(surface, layout.score, game.state.score);
}
void PaintLines(Surface& surface, const Game& game, const ScreenLayout& layout) {
    PaintCounter(surface, layout.lines, game.state.lines);
}
void PaintSpeed(Surface& surface, const Game& game, const ScreenLayout& layout) {
    PaintCounter(surface, layout.speed, game.state.speedLevel);
}
void PaintStartRows(Surface& surface, const Game& game, const ScreenLayout& layout) {
    PaintCounter(surface, layout.startRows, game.state.startRows);
}
