#include "draw/scale.h"

namespace {

// Along one axis, target pixel t covers the source from t * span to
// (t + 1) * span, counted in 1/dpi of a source pixel, where span is
// WholeFactor(dpi) * 96: source pixel i covers i * dpi to (i + 1) * dpi.
struct Reach {
    int first, last;  // the source pixels it touches
};

Reach ReachOf(int t, int span, int dpi, int sourceSize) {
    Reach reach = {t * span / dpi, ((t + 1) * span - 1) / dpi};
    if (reach.last >= sourceSize) reach.last = sourceSize - 1;
    if (reach.first > reach.last) reach.first = reach.last;
    return reach;
}

// How much of target pixel t source pixel i covers, in the same units.
int Weight(int i, int t, int span, int dpi) {
    const int from = i * dpi > t * span ? i * dpi : t * span;
    const int to = (i + 1) * dpi < (t + 1) * span ? (i + 1) * dpi : (t + 1) * span;
    return to > from ? to - from : 0;
}

}  // namespace

void ReduceArea(const PixelPlane& source, const PixelPlane& target, int dpi, PixelBox box) {
    if (box.left < 0) box.left = 0;
    if (box.top < 0) box.top = 0;
    if (box.right > target.width) box.right = target.width;
    if (box.bottom > target.height) box.bottom = target.height;
    const int span = WholeFactor(dpi) * kBaseDpi;
    for (int ty = box.top; ty < box.bottom; ++ty) {
        const Reach rows = ReachOf(ty, span, dpi, source.height);
        for (int tx = box.left; tx < box.right; ++tx) {
            const Reach columns = ReachOf(tx, span, dpi, source.width);
            // At most (5 * 96)^2 * 255 for a channel: 32 bits hold it.
            uint32_t sums[3] = {};
            uint32_t total = 0;
            for (int sy = rows.first; sy <= rows.last; ++sy) {
                const int wy = Weight(sy, ty, span, dpi);
                const uint32_t* row = source.pixels + static_cast<long>(sy) * source.pitch;
                for (int sx = columns.first; sx <= columns.last; ++sx) {
                    const uint32_t w = static_cast<uint32_t>(wy * Weight(sx, tx, span, dpi));
                    const uint32_t pixel = row[sx];
                    for (int c = 0; c < 3; ++c) sums[c] += w * ((pixel >> (8 * c)) & 0xFF);
                    total += w;
                }
            }
            uint32_t mean = 0;
            // The edge's pixel, at the clipped end, may cover less than a whole span.
            if (total != 0)
                for (int c = 0; c < 3; ++c) mean |= ((sums[c] + total / 2) / total) << (8 * c);
            target.pixels[static_cast<long>(ty) * target.pitch + tx] = mean;
        }
    }
}
