// The full repaint of the main window. The buttons paint themselves.
#include "draw/layout.h"
#include "draw/palette.h"
#include "draw/paint.h"
#include "draw/pictures.h"

namespace {

constexpr const CounterLayout* kCounters[] = {&kScoreCounter, &kLinesCounter, &kSpeedCounter, &kStartRowsCounter};

void Write(Surface& surface, const LabelPlace& label) { surface.Text(label.x, label.y, label.text, label.length); }

void DrawFrame(Surface& surface, const FrameBlock& frame) {
    DrawFrame(surface, frame.x, frame.y, frame.width, frame.height);
}

}  // namespace

void PaintWindow(Surface& surface, const Game& game, int clientWidth, int clientHeight) {
    const GameState& s = game.state;
    surface.FillRect(0, 0, clientWidth, clientHeight, kBackground);
    surface.CopyBlock(kLogoX, kLogoY, kLogoWidth, kLogoHeight, Picture::Logo, 0, 0);
    ClearWell(surface);
    Write(surface, kNextLabel);
    DrawFrame(surface, kWellFrame);
    for (const LabelPlace& label : kCounterLabels) Write(surface, label);
    for (const CounterLayout* counter : kCounters) DrawFrame(surface, counter->box);
    PaintScore(surface, game);
    PaintLines(surface, game);
    PaintSpeed(surface, game);
    PaintStartRows(surface, game);
    PaintWell(surface, game);
    // running stays set once a game has started, so the last next shape
    // remains on view after the game ends.
    const bool nextKnown = s.nextIndex >= 0 && s.nextIndex < kCatalogueSize;
    if (s.running != 0 && game.options.preview != 0 && nextKnown)
        PaintPreview(surface, game, ShapeCatalogue[s.nextIndex]);
    if (s.shapeVisible != 0) PaintPiece(surface, game, s.shape, 0);
}
