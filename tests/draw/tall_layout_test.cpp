// The layout of a screen taller than wide: its boxes lie within its picture
// apart from each other, and the same painting shows the same state there
// as in the window, part for part, only moved.
#include <gtest/gtest.h>

#include <vector>

#include "draw/paint.h"
#include "draw/raster.h"
#include "game/well.h"

namespace {

struct Box {
    const char* name;
    int left, top, right, bottom;
};

Box BoxOf(const char* name, const FrameBlock& block) {
    return {name, block.x, block.y, block.x + block.width, block.y + block.height - 1};  // the last row is left alone
}
Box BoxOf(const char* name, const LabelPlace& label, int height) {
    return {name, label.x, label.y, label.x + label.width, label.y + height};
}

std::vector<Box> BoxesOf(const ScreenLayout& layout) {
    const Region& p = layout.preview;
    std::vector<Box> boxes = {BoxOf("well", layout.wellFrame), {"preview", p.left, p.top, p.right, p.bottom},
                              BoxOf("next label", layout.nextLabel, layout.labelHeight),
                              BoxOf("score", layout.score.box), BoxOf("lines", layout.lines.box),
                              BoxOf("speed", layout.speed.box), BoxOf("starting rows", layout.startRows.box)};
    for (const LabelPlace& label : layout.counterLabels) boxes.push_back(BoxOf(label.text, label, layout.labelHeight));
    return boxes;
}

TEST(TallLayout, EveryBoxLiesInThePictureApartFromTheOthers) {
    const std::vector<Box> boxes = BoxesOf(kTallLayout);
    for (const Box& box : boxes) {
        EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= kTallLayout.clientWidth &&
                    box.bottom <= kTallLayout.clientHeight)
            << box.name;
        for (const Box& other : boxes) {
            if (&other == &box) continue;
            const bool apart = box.right <= other.left || other.right <= box.left || box.bottom <= other.top ||
                               other.bottom <= box.top;
            EXPECT_TRUE(apart) << box.name << " overlaps " << other.name;
        }
    }
    // The labels' glyphs may reach above their corners: room for them
    // under the picture's top.
    EXPECT_GE(kTallLayout.nextLabel.y, 2);
    for (const LabelPlace& label : kTallLayout.counterLabels) EXPECT_GE(label.y, 2) << label.text;
    // Taller than wide, the well in its middle and as large as the window's.
    EXPECT_GT(kTallLayout.clientHeight, kTallLayout.clientWidth);
    EXPECT_EQ(kTallLayout.wellFrame.width, kWellFrame.width);
    EXPECT_EQ(kTallLayout.wellFrame.height, kWellFrame.height);
    EXPECT_EQ(2 * kTallLayout.wellFrame.x + kTallLayout.wellFrame.width, kTallLayout.clientWidth);
    EXPECT_EQ(kTallLayout.wellLeft - kTallLayout.wellFrame.x, kWellLeft - kWellFrame.x);
    EXPECT_EQ(kTallLayout.wellTop - kTallLayout.wellFrame.y, kWellTop - kWellFrame.y);
}

TEST(TallLayout, TheWindowsLayoutIsItsConstants) {
    const std::vector<Box> boxes = BoxesOf(kWindowLayout);
    EXPECT_EQ(kWindowLayout.clientWidth, kClientWidth);
    EXPECT_EQ(CellX(kWindowLayout, 10), kWellRight);
    EXPECT_EQ(CellY(kWindowLayout, 21), kWellBottom);
    EXPECT_EQ(boxes[1].left, kPreviewLeft);
    EXPECT_EQ(kWindowLayout.counterLabels[3].text, kCounterLabels[3].text);
}

// A game in progress, with a score, a stack, a falling shape and the next.
Game MidGame() {
    Game game{};
    InitGameState(game.state);
    ResetWell(game.well);
    game.options = kDefaultOptions;
    GameState& s = game.state;
    s.running = 1;
    s.shapeVisible = 1;
    s.shapeIndex = 1;
    s.shape = ShapeCatalogue[1];
    s.column = 5;
    s.row = 7;
    s.nextIndex = 0;  // the bar: the preview's tallest shape
    s.score = 1234567;
    s.lines = 89;
    s.speedLevel = 7;
    s.startRows = 3;
    for (int c = 1; c <= 9; ++c) game.well.cells[20][c] = c % 7 + 1;
    return game;
}

// Whether block (x, y, width, height) of `a` is block (x2, y2) of `b`.
bool SameBlock(const Raster& a, int x, int y, const Raster& b, int x2, int y2, int width, int height) {
    for (int v = 0; v < height; ++v)
        for (int u = 0; u < width; ++u)
            if (a.Pixel(x + u, y + v) != b.Pixel(x2 + u, y2 + v)) return false;
    return true;
}

TEST(TallLayout, ShowsTheWellTheNextShapeAndTheCountersAsTheWindowDoes) {
    const Game game = MidGame();
    Raster window(kClientWidth, kClientHeight), tall(kTallLayout.clientWidth, kTallLayout.clientHeight);
    PaintWindow(window, game, window.width(), window.height());
    PaintWindow(tall, game, tall.width(), tall.height(), kTallLayout);
    const FrameBlock& frame = kTallLayout.wellFrame;
    EXPECT_TRUE(SameBlock(tall, frame.x, frame.y, window, kWellFrame.x, kWellFrame.y, frame.width, frame.height - 1));
    // The bar's four cells: no shape reaches past the grid's third column.
    EXPECT_TRUE(SameBlock(tall, kTallLayout.previewGridX, kTallLayout.previewGridY, window, kPreviewGridX,
                          kPreviewGridY, 3 * kCellWidth, 4 * kCellHeight));
    const CounterLayout* tallCounters[] = {&kTallLayout.score, &kTallLayout.lines, &kTallLayout.speed,
                                           &kTallLayout.startRows};
    const CounterLayout* windowCounters[] = {&kScoreCounter, &kLinesCounter, &kSpeedCounter, &kStartRowsCounter};
    for (int i = 0; i < 4; ++i) {
        const FrameBlock& a = tallCounters[i]->box;
        const FrameBlock& b = windowCounters[i]->box;
        EXPECT_TRUE(SameBlock(tall, a.x, a.y, window, b.x, b.y, a.width, a.height - 1)) << "counter " << i;
    }
    // The labels, at the tall layout's places, and no logo.
    ASSERT_EQ(tall.texts().size(), 5u);
    EXPECT_EQ(tall.texts()[0].x, kTallLayout.nextLabel.x);
    EXPECT_EQ(tall.texts()[4].y, kTallLayout.counterLabels[3].y);
    EXPECT_EQ(tall.texts()[4].bytes, kStartRowsText);
    const Rgb background = tall.Pixel(0, tall.height() - 1);
    for (int y = 0; y < tall.height(); ++y)
        for (int x = 0; x < frame.x; ++x) ASSERT_EQ(tall.Pixel(x, y), background) << x << "," << y;
}

}  // namespace
