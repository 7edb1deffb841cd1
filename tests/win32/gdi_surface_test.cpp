// The device-context surface paints what the software raster paints: the
// tiles, digits and logo come from the program's bitmaps through BitBlt,
// rectangles and lines through brushes, into the window's picture in
// memory, shown on a device context at the window's scale. Texts are drawn
// only by the device context and are checked apart.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "draw/layout.h"
#include "draw/paint.h"
#include "draw/raster.h"
#include "draw/scale.h"
#include "game/cycle.h"
#include "game/start.h"
#include "game/well.h"
#include "tests/bench/surface_host.h"
#include "tests/support/quiet_host.h"
#include "win32/gdi_surface.h"

namespace {

constexpr int kClientWidth = 479, kClientHeight = 340;

// A 32-bit top-down DIB selected into a memory device context, made as the
// window's own pictures are.
class DibCanvas {
public:
    DibCanvas(int width, int height) : width_(width), surface_(MakePixelSurface(objects_, width, height)) {}
    ~DibCanvas() { FreeMemorySurface(objects_, surface_); }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;
    HDC dc() const { return surface_.dc; }
    bool ok() const { return surface_.bits != nullptr; }
    Rgb Pixel(int x, int y) const {
        GdiFlush();
        const uint32_t v = surface_.bits[y * width_ + x];
        return Rgb{static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
    }

private:
    int width_;
    GuiObjectCount objects_ = {};
    MemorySurface surface_;
};

// Forwards every primitive but text, so both sides paint the same pixels.
class NoText final : public Surface {
public:
    explicit NoText(Surface& inner) : inner_(inner) {}
    void CopyBlock(int x, int y, int w, int h, Picture p, int sx, int sy) override { inner_.CopyBlock(x, y, w, h, p, sx, sy); }
    void FillRect(int l, int t, int r, int b, Rgb c) override { inner_.FillRect(l, t, r, b, c); }
    void Lines(const LineSegment* s, int n, Rgb c) override { inner_.Lines(s, n, c); }
    void Text(int, int, const char*, int) override {}

private:
    Surface& inner_;
};

class GdiSurfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateSurfaces(pictures, nullptr, GetModuleHandleA(nullptr), objects, kBaseDpi);
        game.host = &host;
        game.options = kDefaultOptions;
        InitGameState(game.state);
        SeedRandom(game.random, 20240607);
        ResetWell(game.well);
    }
    void TearDown() override { ReleaseSurfaces(pictures); }

    // A game some way in: starting rows, a score, a level, a moved shape.
    void PlayAWhile() {
        game.state.startRows = 5;
        game.state.speedLevel = 12;
        NewGame(game);
        game.state.score = 1234567;
        game.state.lines = 89;
        for (int i = 0; i < 4; ++i) Tick(game);
        MoveLeft(game);
        Rotate(game);
    }

    void ExpectSamePicture(const DibCanvas& canvas, const Raster& raster) {
        int differences = 0;
        for (int y = 0; y < kClientHeight; ++y)
            for (int x = 0; x < kClientWidth; ++x)
                if (canvas.Pixel(x, y) != raster.Pixel(x, y) && ++differences <= 5)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") differs";
        EXPECT_EQ(differences, 0);
    }

    // What `paint` paints on a GdiSurface, shown on `canvas`.
    template <typename Painting>
    void PaintAndShow(const DibCanvas& canvas, Painting paint) {
        ChangedBoxes area(kClientWidth, kClientHeight);
        GdiSurface gdi(pictures, area);
        paint(gdi);
        ShowPainted(canvas.dc(), pictures, area);
    }

    // The whole client area, its labels left out where `labels` is false.
    void ShowWhole(const DibCanvas& canvas, bool labels = true) {
        PaintAndShow(canvas, [&](Surface& gdi) {
            NoText gdiWithoutText(gdi);
            PaintWindow(labels ? gdi : gdiWithoutText, game, kClientWidth, kClientHeight);
        });
    }

    // The canvas holds the raster's picture at `dpi`: a screen pixel that
    // lies within one game pixel has its colour; one across an edge of game
    // pixels is a blend, each channel between those of the pixels it covers.
    void ExpectScaledPicture(const DibCanvas& canvas, const Raster& raster, int dpi) {
        int differences = 0;
        for (int y = 0; y < ScaledLength(kClientHeight, dpi); ++y)
            for (int x = 0; x < ScaledLength(kClientWidth, dpi); ++x) {
                const int left = x * kBaseDpi / dpi, right = ((x + 1) * kBaseDpi - 1) / dpi;
                const int top = y * kBaseDpi / dpi, bottom = ((y + 1) * kBaseDpi - 1) / dpi;
                Rgb low = {255, 255, 255}, high = {0, 0, 0};
                for (int gy = top; gy <= bottom && gy < kClientHeight; ++gy)
                    for (int gx = left; gx <= right && gx < kClientWidth; ++gx) {
                        const Rgb c = raster.Pixel(gx, gy);
                        low = {std::min(low.r, c.r), std::min(low.g, c.g), std::min(low.b, c.b)};
                        high = {std::max(high.r, c.r), std::max(high.g, c.g), std::max(high.b, c.b)};
                    }
                const Rgb c = canvas.Pixel(x, y);
                const bool within = c.r >= low.r && c.r <= high.r && c.g >= low.g && c.g <= high.g &&
                                    c.b >= low.b && c.b <= high.b;
                if (!within && ++differences <= 5) ADD_FAILURE() << "screen pixel (" << x << ", " << y << ") at " << dpi;
            }
        EXPECT_EQ(differences, 0);
    }

    GuiObjectCount objects = {};
    WindowPictures pictures = {};
    QuietHost host;
    Game game = {};
};

TEST_F(GdiSurfaceTest, MemorySurfacesHoldTheirBitmaps) {
    EXPECT_NE(pictures.tiles.dc, nullptr);
    EXPECT_NE(pictures.tiles.bitmap, nullptr);
    EXPECT_NE(pictures.digits.dc, nullptr);
    EXPECT_NE(pictures.digits.bitmap, nullptr);
    EXPECT_NE(pictures.arrow, nullptr);
    EXPECT_NE(pictures.hand, nullptr);
    BITMAP tiles, digits;
    ASSERT_NE(GetObjectA(pictures.tiles.bitmap, sizeof tiles, &tiles), 0);
    ASSERT_NE(GetObjectA(pictures.digits.bitmap, sizeof digits, &digits), 0);
    EXPECT_EQ(tiles.bmWidth, 220);
    EXPECT_EQ(tiles.bmHeight, 30);
    EXPECT_EQ(digits.bmWidth, 143);
    EXPECT_EQ(digits.bmHeight, 23);
}

TEST_F(GdiSurfaceTest, ReleaseTwiceIsHarmless) {
    ReleaseSurfaces(pictures);
    EXPECT_EQ(pictures.tiles.dc, nullptr);
    EXPECT_EQ(pictures.digits.dc, nullptr);
    ReleaseSurfaces(pictures);
}

TEST_F(GdiSurfaceTest, FullRepaintEqualsTheRasterInBothLooks) {
    PlayAWhile();
    for (int look : {1, 0}) {
        game.options.look3D = look;
        DibCanvas canvas(kClientWidth, kClientHeight);
        ASSERT_TRUE(canvas.ok());
        ShowWhole(canvas, false);
        Raster raster(kClientWidth, kClientHeight);
        PaintWindow(raster, game, kClientWidth, kClientHeight);
        SCOPED_TRACE(look);
        ExpectSamePicture(canvas, raster);
    }
}

TEST_F(GdiSurfaceTest, StartScreenEqualsTheRaster) {
    DibCanvas canvas(kClientWidth, kClientHeight);
    ShowWhole(canvas, false);
    Raster raster(kClientWidth, kClientHeight);
    PaintWindow(raster, game, kClientWidth, kClientHeight);
    ExpectSamePicture(canvas, raster);
}

TEST_F(GdiSurfaceTest, FillRectLeavesOutRightColumnAndBottomRow) {
    DibCanvas canvas(40, 40);
    PaintAndShow(canvas, [](Surface& gdi) {
        gdi.FillRect(0, 0, 40, 40, Rgb{0, 0, 0});
        gdi.FillRect(10, 10, 20, 15, Rgb{255, 0, 255});
    });
    EXPECT_EQ(canvas.Pixel(10, 10), (Rgb{255, 0, 255}));
    EXPECT_EQ(canvas.Pixel(19, 14), (Rgb{255, 0, 255}));
    EXPECT_EQ(canvas.Pixel(20, 14), (Rgb{0, 0, 0}));
    EXPECT_EQ(canvas.Pixel(19, 15), (Rgb{0, 0, 0}));
    EXPECT_EQ(canvas.Pixel(9, 10), (Rgb{0, 0, 0}));
}

TEST_F(GdiSurfaceTest, LineLeavesOutItsEndPoint) {
    DibCanvas canvas(40, 40);
    PaintAndShow(canvas, [](Surface& gdi) {
        gdi.FillRect(0, 0, 40, 40, Rgb{192, 192, 192});
        const LineSegment across[] = {{5, 7, 30, 7}}, down[] = {{3, 2, 3, 20}};
        gdi.Lines(across, 1, Rgb{255, 255, 255});
        gdi.Lines(down, 1, Rgb{128, 128, 128});
        // Drawn the other way along its line, a segment leaves out its end too.
        const LineSegment up[] = {{10, 20, 10, 2}}, back[] = {{30, 25, 5, 25}};
        gdi.Lines(up, 1, Rgb{0, 0, 255});
        gdi.Lines(back, 1, Rgb{0, 0, 255});
    });
    EXPECT_EQ(canvas.Pixel(5, 7), (Rgb{255, 255, 255}));
    EXPECT_EQ(canvas.Pixel(29, 7), (Rgb{255, 255, 255}));
    EXPECT_EQ(canvas.Pixel(30, 7), (Rgb{192, 192, 192}));
    EXPECT_EQ(canvas.Pixel(5, 8), (Rgb{192, 192, 192}));
    EXPECT_EQ(canvas.Pixel(3, 2), (Rgb{128, 128, 128}));
    EXPECT_EQ(canvas.Pixel(3, 19), (Rgb{128, 128, 128}));
    EXPECT_EQ(canvas.Pixel(3, 20), (Rgb{192, 192, 192}));
    EXPECT_EQ(canvas.Pixel(10, 20), (Rgb{0, 0, 255}));
    EXPECT_EQ(canvas.Pixel(10, 3), (Rgb{0, 0, 255}));
    EXPECT_EQ(canvas.Pixel(10, 2), (Rgb{192, 192, 192}));
    EXPECT_EQ(canvas.Pixel(30, 25), (Rgb{0, 0, 255}));
    EXPECT_EQ(canvas.Pixel(6, 25), (Rgb{0, 0, 255}));
    EXPECT_EQ(canvas.Pixel(5, 25), (Rgb{192, 192, 192}));
}

// The labels are the one thing only the device context draws: black GBK
// text in the code page 936 font, on a transparent background.
TEST_F(GdiSurfaceTest, LabelsAreBlackTextBelowTheirTopLeftCorner) {
    DibCanvas canvas(kClientWidth, kClientHeight);
    ShowWhole(canvas);
    Raster raster(kClientWidth, kClientHeight);
    PaintWindow(raster, game, kClientWidth, kClientHeight);
    ASSERT_EQ(raster.texts().size(), 5u);
    for (const Raster::TextCall& call : raster.texts()) {
        SIZE extent = {};
        GetTextExtentPoint32A(canvas.dc(), call.bytes.data(), static_cast<int>(call.bytes.size()), &extent);
        EXPECT_GT(extent.cx, 0);
        int black = 0, white = 0;
        for (int y = call.y; y < call.y + extent.cy; ++y)
            for (int x = call.x; x < call.x + extent.cx; ++x) {
                const Rgb c = canvas.Pixel(x, y);
                if (c == Rgb{0, 0, 0}) ++black;
                else if (c == Rgb{255, 255, 255}) ++white;
            }
        EXPECT_GT(black, 10) << call.x << "," << call.y;
        // Transparent: no white text background box behind the glyphs.
        EXPECT_EQ(white, 0) << call.x << "," << call.y;
        // Nothing above the text's top row.
        for (int x = call.x; x < call.x + extent.cx; ++x)
            EXPECT_EQ(canvas.Pixel(x, call.y - 1), (Rgb{192, 192, 192}));
    }
}

// At every scale the window shows the same picture: whole squares at 200 %
// and 300 %, and at the fractional scales no line doubled, dropped or
// smeared beyond the one screen pixel an edge falls in.
TEST_F(GdiSurfaceTest, EveryScaleShowsTheRastersPicture) {
    PlayAWhile();
    Raster raster(kClientWidth, kClientHeight);
    PaintWindow(raster, game, kClientWidth, kClientHeight);
    for (int dpi : {120, 144, 168, 192, 288}) {
        RescaleSurfaces(pictures, dpi);
        DibCanvas canvas(ScaledLength(kClientWidth, dpi), ScaledLength(kClientHeight, dpi));
        ASSERT_TRUE(canvas.ok());
        ShowWhole(canvas, false);
        ExpectScaledPicture(canvas, raster, dpi);
    }
}

// A move shows only the well's changed cells, and what it leaves on the
// window is what a whole repaint would show.
TEST_F(GdiSurfaceTest, AMoveShowsOnlyItsCellsAtEveryScale) {
    PlayAWhile();
    for (int dpi : {144, 192}) {
        RescaleSurfaces(pictures, dpi);
        DibCanvas canvas(ScaledLength(kClientWidth, dpi), ScaledLength(kClientHeight, dpi));
        ShowWhole(canvas, false);
        ChangedBoxes area(kClientWidth, kClientHeight);
        GdiSurface gdi(pictures, area);
        SurfaceHost painter(game, gdi);
        game.host = &painter;
        MoveRight(game);
        Rotate(game);
        Tick(game);
        game.host = &host;
        ASSERT_FALSE(area.empty());
        for (const PixelBox& box : area) {
            EXPECT_TRUE(box.left >= kWellLeft && box.right <= kWellRight && box.top >= kWellTop &&
                        box.bottom <= kWellBottom)
                << box.left << "," << box.top << " " << box.right << "," << box.bottom;
            EXPECT_LE((box.right - box.left) * (box.bottom - box.top), 4 * kCellWidth * 4 * kCellHeight);
        }
        ShowPainted(canvas.dc(), pictures, area);
        Raster raster(kClientWidth, kClientHeight);
        PaintWindow(raster, game, kClientWidth, kClientHeight);
        SCOPED_TRACE(dpi);
        ExpectScaledPicture(canvas, raster, dpi);
    }
}

// The labels are written at the scale in a font of the scale: at 192 they
// start at their doubled corners and are about twice as tall.
TEST_F(GdiSurfaceTest, LabelsGrowWithTheScale) {
    auto inkRows = [&](int dpi) {
        RescaleSurfaces(pictures, dpi);
        DibCanvas canvas(ScaledLength(kClientWidth, dpi), ScaledLength(kClientHeight, dpi));
        ShowWhole(canvas);
        int first = -1, last = -1;
        const LabelPlace& label = kNextLabel;
        for (int y = ScaledLength(label.y - 1, dpi); y < ScaledLength(label.y + kLabelHeight, dpi); ++y)
            for (int x = ScaledLength(label.x, dpi); x < ScaledLength(label.x + label.width, dpi); ++x)
                if (canvas.Pixel(x, y) == Rgb{0, 0, 0}) {
                    if (first < 0) first = y;
                    last = y;
                }
        EXPECT_GE(first, ScaledLength(label.y, dpi)) << dpi;
        return first < 0 ? 0 : last - first + 1;
    };
    const int at96 = inkRows(kBaseDpi), at192 = inkRows(192);
    EXPECT_GT(at96, 4);
    EXPECT_GE(at192, at96 * 3 / 2);
}

// Painting that touches more boxes than are kept merges them into one that
// may cover a label: shown, the label is still there.
TEST_F(GdiSurfaceTest, ManyBoxesAtOnceKeepTheLabels) {
    PlayAWhile();
    for (int dpi : {kBaseDpi, 144}) {
        RescaleSurfaces(pictures, dpi);
        const int width = ScaledLength(kClientWidth, dpi), height = ScaledLength(kClientHeight, dpi);
        DibCanvas canvas(width, height), whole(width, height);
        ShowWhole(canvas);
        PaintAndShow(canvas, [&](Surface& gdi) {
            for (int i = 0; i < 3; ++i) {
                PaintScore(gdi, game);
                PaintLines(gdi, game);
                PaintSpeed(gdi, game);
                PaintStartRows(gdi, game);
                PaintPreview(gdi, game, ShapeCatalogue[game.state.nextIndex]);
            }
        });
        ShowWhole(whole);
        int differences = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) differences += canvas.Pixel(x, y) != whole.Pixel(x, y);
        EXPECT_EQ(differences, 0) << dpi;
    }
}

}  // namespace
