#include "media/icon_rgba.h"

namespace {

using Cost = long long;
constexpr Cost kNoCost = -1;

// What dropping artwork line `dropped` costs when line `kept` shows in its
// place (lines are rows or columns: `at(line, i)` is the ink at position i
// along it): an ink that is lost costs four, a clear pixel that becomes ink
// one, so the margins go first and the frame's lines last.
template <class InkAt>
Cost DropCost(InkAt at, int dropped, int kept) {
    Cost cost = 0;
    for (int i = 0; i < kIconSize; ++i) {
        const char lost = at(dropped, i);
        if (lost != at(kept, i)) cost += lost == kIconClear ? 1 : 4;
    }
    return cost;
}

// Chooses the `size` artwork lines (size < kIconSize) that a smaller picture
// keeps, in order, into `kept`: the choice that loses least, each dropped
// line counted as whichever kept neighbour stands for it, with a penalty
// for a kept line far from its place in an even spread. All costs are in
// units of 1 / size², so that they stay whole numbers.
template <class InkAt>
void KeepLines(InkAt at, int size, int* kept) {
    Cost drop[kIconSize][kIconSize];
    for (int a = 0; a < kIconSize; ++a)
        for (int b = 0; b < kIconSize; ++b) drop[a][b] = DropCost(at, a, b) * size * size;
    // Kept line i at artwork line j: the square of its distance from
    // (i + 0.5) * kIconSize / size - 0.5.
    const auto misplaced = [size](int i, int j) {
        const Cost off = Cost{2 * j + 1} * size - Cost{2 * i + 1} * kIconSize;
        return off * off;
    };
    // best[i][j]: the least cost of lines 0 to j with line j kept as i.
    Cost best[kIconSize][kIconSize];
    int previous[kIconSize][kIconSize];
    for (int j = 0; j < kIconSize; ++j) {
        Cost lost = 0;
        for (int c = 0; c < j; ++c) lost += drop[c][j];
        best[0][j] = lost + misplaced(0, j);
    }
    for (int i = 1; i < size; ++i) {
        for (int j = 0; j < kIconSize; ++j) {
            best[i][j] = kNoCost;
            for (int from = i - 1; from < j; ++from) {
                if (best[i - 1][from] == kNoCost) continue;
                Cost cost = best[i - 1][from];
                for (int c = from + 1; c < j; ++c) cost += drop[c][from] < drop[c][j] ? drop[c][from] : drop[c][j];
                if (best[i][j] == kNoCost || cost < best[i][j]) {
                    best[i][j] = cost;
                    previous[i][j] = from;
                }
            }
            if (best[i][j] != kNoCost) best[i][j] += misplaced(i, j);
        }
    }
    Cost least = kNoCost;
    for (int j = size - 1; j < kIconSize; ++j) {
        if (best[size - 1][j] == kNoCost) continue;
        Cost cost = best[size - 1][j];
        for (int c = j + 1; c < kIconSize; ++c) cost += drop[c][j];
        if (least == kNoCost || cost < least) {
            least = cost;
            kept[size - 1] = j;
        }
    }
    for (int i = size - 1; i > 0; --i) kept[i - 1] = previous[i][kept[i]];
}

// The artwork line that each of the picture's `size` lines shows.
template <class InkAt>
void SourceLines(InkAt at, int size, int* lines) {
    if (size >= kIconSize) {
        for (int i = 0; i < size; ++i) lines[i] = i * kIconSize / size;
    } else {
        KeepLines(at, size, lines);
    }
}

}  // namespace

bool DrawIconRgba(int iconId, int size, uint8_t* rgba, int stride) {
    const IconRows* found = IconRowsOf(iconId);
    if (found == nullptr || size < 1 || size > kLargestIconSize) return false;
    const IconRows& rows = *found;
    int sourceRow[kLargestIconSize], sourceColumn[kLargestIconSize];
    SourceLines([&rows](int row, int i) { return rows[row][i]; }, size, sourceRow);
    SourceLines([&rows](int column, int i) { return rows[i][column]; }, size, sourceColumn);
    for (int y = 0; y < size; ++y) {
        uint8_t* pixel = rgba + y * stride;
        for (int x = 0; x < size; ++x, pixel += 4) {
            const int ink = IconInkIndex(rows[sourceRow[y]][sourceColumn[x]]);
            const Rgb colour = ink >= 0 ? kVgaColours[ink] : Rgb{0, 0, 0};
            pixel[0] = colour.r;
            pixel[1] = colour.g;
            pixel[2] = colour.b;
            pixel[3] = ink >= 0 ? 255 : 0;
        }
    }
    return true;
}
