// The device-context surface paints what the software raster paints: the
// tiles, digits and logo come from the program's bitmaps through BitBlt,
// rectangles through brushes and lines through pens. Texts are drawn only
// by the device context and are checked apart.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "draw/layout.h"
#include "draw/paint.h"
#include "draw/raster.h"
#include "game/cycle.h"
#include "game/start.h"
#include "game/well.h"
#include "tests/support/quiet_host.h"
#include "win32/gdi_surface.h"

namespace {

constexpr int kClientWidth = 479, kClientHeight = 340;

// A 32-bit top-down DIB selected into a memory device context.
class DibCanvas {
public:
    DibCanvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~DibCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    bool ok() const { return bits_ != nullptr; }
    Rgb Pixel(int x, int y) const {
        GdiFlush();
        const uint32_t v = bits_[y * width_ + x];
        return Rgb{static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
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
        CreateSurfaces(pictures, nullptr, GetModuleHandleA(nullptr), objects);
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
        GdiSurface gdi(canvas.dc(), pictures);
        NoText gdiWithoutText(gdi);
        PaintWindow(gdiWithoutText, game, kClientWidth, kClientHeight);
        Raster raster(kClientWidth, kClientHeight);
        PaintWindow(raster, game, kClientWidth, kClientHeight);
        SCOPED_TRACE(look);
        ExpectSamePicture(canvas, raster);
    }
}

TEST_F(GdiSurfaceTest, StartScreenEqualsTheRaster) {
    DibCanvas canvas(kClientWidth, kClientHeight);
    GdiSurface gdi(canvas.dc(), pictures);
    NoText gdiWithoutText(gdi);
    PaintWindow(gdiWithoutText, game, kClientWidth, kClientHeight);
    Raster raster(kClientWidth, kClientHeight);
    PaintWindow(raster, game, kClientWidth, kClientHeight);
    ExpectSamePicture(canvas, raster);
}

TEST_F(GdiSurfaceTest, FillRectLeavesOutRightColumnAndBottomRow) {
    DibCanvas canvas(40, 40);
    GdiSurface gdi(canvas.dc(), pictures);
    gdi.FillRect(0, 0, 40, 40, Rgb{0, 0, 0});
    gdi.FillRect(10, 10, 20, 15, Rgb{255, 0, 255});
    EXPECT_EQ(canvas.Pixel(10, 10), (Rgb{255, 0, 255}));
    EXPECT_EQ(canvas.Pixel(19, 14), (Rgb{255, 0, 255}));
    EXPECT_EQ(canvas.Pixel(20, 14), (Rgb{0, 0, 0}));
    EXPECT_EQ(canvas.Pixel(19, 15), (Rgb{0, 0, 0}));
    EXPECT_EQ(canvas.Pixel(9, 10), (Rgb{0, 0, 0}));
}

TEST_F(GdiSurfaceTest, LineLeavesOutItsEndPoint) {
    DibCanvas canvas(40, 40);
    GdiSurface gdi(canvas.dc(), pictures);
    gdi.FillRect(0, 0, 40, 40, Rgb{192, 192, 192});
    const LineSegment across[] = {{5, 7, 30, 7}}, down[] = {{3, 2, 3, 20}};
    gdi.Lines(across, 1, Rgb{255, 255, 255});
    gdi.Lines(down, 1, Rgb{128, 128, 128});
    EXPECT_EQ(canvas.Pixel(5, 7), (Rgb{255, 255, 255}));
    EXPECT_EQ(canvas.Pixel(29, 7), (Rgb{255, 255, 255}));
    EXPECT_EQ(canvas.Pixel(30, 7), (Rgb{192, 192, 192}));
    EXPECT_EQ(canvas.Pixel(5, 8), (Rgb{192, 192, 192}));
    EXPECT_EQ(canvas.Pixel(3, 2), (Rgb{128, 128, 128}));
    EXPECT_EQ(canvas.Pixel(3, 19), (Rgb{128, 128, 128}));
    EXPECT_EQ(canvas.Pixel(3, 20), (Rgb{192, 192, 192}));
}

// The labels are the one thing only the device context draws: black GBK
// text in the code page 936 font, on a transparent background.
TEST_F(GdiSurfaceTest, LabelsAreBlackTextBelowTheirTopLeftCorner) {
    DibCanvas canvas(kClientWidth, kClientHeight);
    GdiSurface gdi(canvas.dc(), pictures);
    PaintWindow(gdi, game, kClientWidth, kClientHeight);
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

}  // namespace
