#pragma once
// A host that paints what the rules ask onto any Surface and does nothing
// else: the game's painting cost, measured at the surface.
#include "draw/paint.h"
#include "game/state.h"
#include "tests/support/quiet_host.h"

class SurfaceHost final : public QuietHost {
public:
    SurfaceHost(Game& game, Surface& surface) : game_(game), surface_(surface) {}

    void Paint(PaintOp op, const ShapeRecord& shape) override { ::Paint(surface_, game_, op, shape); }

private:
    Game& game_;
    Surface& surface_;
};

// Counts what painting asks of the surface, by kind, and paints nothing.
class CountingSurface final : public Surface {
public:
    long copies = 0, fills = 0, pens = 0, lines = 0, texts = 0;

    void CopyBlock(int, int, int, int, Picture, int, int) override { ++copies; }
    void FillRect(int, int, int, int, Rgb) override { ++fills; }
    void Lines(const LineSegment*, int count, Rgb) override {
        ++pens;
        lines += count;
    }
    void Text(int, int, const char*, int) override { ++texts; }

    long total() const { return copies + fills + lines + texts; }
    void Reset() { copies = fills = pens = lines = texts = 0; }
};
