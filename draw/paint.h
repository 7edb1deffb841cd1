#pragma once
// The painting primitives. Each paints from the game as it stands at the
// call onto the surface it is given, where `layout` places it (the
// window's unless said), and keeps nothing. The game commands
// call them (through the host) to paint exactly what they changed;
// PaintWindow calls them all to redraw the whole client area.
#include "draw/layout.h"
#include "draw/surface.h"
#include "game/state.h"

// The shape's '*' cells at the current position, in the current shape's
// tile; erase != 0 blackens those cells instead. Other grid positions are
// not touched, so settled cells inside the shape's square survive an erase.
void PaintPiece(Surface& surface, const Game& game, ShapeRecord shape, int erase,
                const ScreenLayout& layout = kWindowLayout);
// Empties the preview box, then draws the shape (the catalogue record of the
// next shape) with its grid at the box's fixed origin, in the next shape's
// tile.
void PaintPreview(Surface& surface, const Game& game, ShapeRecord shape, const ScreenLayout& layout = kWindowLayout);
// Blackens the well's picture area.
void ClearWell(Surface& surface, const ScreenLayout& layout = kWindowLayout);
// ClearWell, then every settled cell; the falling shape is not part of it.
void PaintWell(Surface& surface, const Game& game, const ScreenLayout& layout = kWindowLayout);

void PaintScore(Surface& surface, const Game& game, const ScreenLayout& layout = kWindowLayout);
void PaintLines(Surface& surface, const Game& game, const ScreenLayout& layout = kWindowLayout);
void PaintSpeed(Surface& surface, const Game& game, const ScreenLayout& layout = kWindowLayout);
void PaintStartRows(Surface& surface, const Game& game, const ScreenLayout& layout = kWindowLayout);

// A two-pixel sunken frame over columns x..x+width-1 and rows
// y..y+height-2; row y+height-1 is left alone.
void DrawFrame(Surface& surface, int x, int y, int width, int height);

// The painting operation the rules ask of their host, on `surface`: every
// host realises its painting with this one call.
void Paint(Surface& surface, const Game& game, PaintOp op, const ShapeRecord& shape,
           const ScreenLayout& layout = kWindowLayout);

// Answers the window's paint request: the whole client area of the given
// size, from the state alone.
void PaintWindow(Surface& surface, const Game& game, int clientWidth, int clientHeight,
                 const ScreenLayout& layout = kWindowLayout);
