// The full repaint of the main window, in any layout. The buttons paint
// themselves.
#include <initializer_list>

#include "draw/layout.h"
#include "draw/palette.h"
#include "draw/paint.h"
#include "draw/pictures.h"

namespace {

void Write(Surface& surface, const LabelPlace& label) { surface.Text(label.x, label.y, label.text, label.length); }

void DrawFrame(Surface& surface, const FrameBlock& frame) {
    DrawFrame(surface, frame.x, frame.y, frame.width, frame.height);
}

}  // namespace

void PaintWindow(Surface& surface, const Game& game, int clientWidth, int clientHeight, const ScreenLayout& layout) {
    const GameState& s = game.state;
    surface.FillRect(0, 0, clientWidth, clientHeight, kBackground);
    if (layout.showsLogo) surface.CopyBlock(kLogoX, kLogoY, kLogoWidth, kLogoHeight, Picture::Logo, 0, 0);
    ClearWell(surface, layout);
    Write(surface, layout.nextLabel);
    DrawFrame(surface, layout.wellFrame);
    for (const LabelPlace& label : layout.counterLabels) Write(surface, label);
    for (const CounterLayout* counter : {&layout.score, &layout.lines, &layout.speed, &layout.startRows})
        DrawFrame(surface, counter->box);
    PaintScore(surface, game, layout);
    PaintLines(surface, game, layout);
    PaintSpeed(surface, game, layout);
    PaintStartRows(surface, game, layout);
    PaintWell(surface, game, layout);
    // running stays set once a game has started, so the last next shape
    // remains on view after the game ends.
    const bool nextKnown = s.nextIndex >= 0 && s.nextIndex < kCatalogueSize;
    if (s.running != 0 && game.options.preview != 0 && nextKnown)
        PaintPreview(surface, game, ShapeCatalogue[s.nextIndex], layout);
    if (s.shapeVisible != 0) PaintPiece(surface, game, s.shape, 0, layout);
}
