// The driver's screen is painted only by what the rules ask for, command by
// command. Whenever the falling shape has just been moved, that picture must
// be exactly what a full repaint of the same state shows; a rule that forgets
// to paint something, or a primitive that paints the wrong pixels, breaks
// the equality.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "commands/dispatch.h"
#include "draw/paint.h"
#include "game/cycle.h"
#include "game/difficulty.h"
#include "game/start.h"
#include "game/well.h"
#include "tools/sim/script.h"
#include "tools/sim/sim_host.h"

namespace {

struct Driver {
    Game game{};
    ScoreTable scores{};
    SimHost host{game, stdout};
    Dispatcher dispatcher{game, host};

    Driver(uint32_t seed, Options options) {
        InitGameState(game.state);
        ResetWell(game.well);
        game.options = options;
        game.state.shapeCount = ShapeCountForStyle(options.style);
        ClearScores(scores);
        SeedRandom(game.random, seed);
        game.host = &host;
        host.RepaintScreen();
    }

    // Carries out what the last command asked for, as trelmo-sim does: an
    // input that does nothing hands out what the rules wait for.
    void Settle() { RunCommand(dispatcher, Command::None); }

    bool ScreenIsAFullRepaint() const {
        const ScreenLayout& layout = host.layout();
        Raster full(layout.clientWidth, layout.clientHeight);
        PaintWindow(full, game, full.width(), full.height(), layout);
        return host.screen().SamePixels(full);
    }
};

// A cheap generator for the test's own choices, apart from the game's.
struct Choices {
    uint32_t state;
    int Below(int n) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % static_cast<uint32_t>(n));
    }
};

bool SameWell(const Well& a, const Well& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Plays `steps` random commands; after each one that moved or turned the
// shape without settling it, compares the screen with a full repaint.
// Returns how many comparisons were made.
int PlayAndCompare(Driver& d, uint32_t choiceSeed, int steps) {
    Choices choices{choiceSeed};
    NewGame(d.game);
    int compared = 0;
    for (int step = 0; step < steps && !d.host.quitRequested(); ++step) {
        const GameState before = d.game.state;
        const Well wellBefore = d.game.well;
        switch (choices.Below(12)) {
            case 0: case 1: case 2: MoveLeft(d.game); break;
            case 3: case 4: case 5: MoveRight(d.game); break;
            case 6: case 7: Rotate(d.game); break;
            case 8: DownKeyPressed(d.game, false); break;
            case 9: if (choices.Below(4) == 0) SpeedUp(d.game); else Tick(d.game); break;
            default: Tick(d.game); break;
        }
        d.Settle();
        const GameState& s = d.game.state;
        const bool moved = s.column != before.column || s.row != before.row ||
                           std::memcmp(s.shape.grid, before.shape.grid, sizeof s.shape.grid) != 0;
        if (moved && SameWell(wellBefore, d.game.well) && s.shapeIndex == before.shapeIndex) {
            ++compared;
            if (!d.ScreenIsAFullRepaint()) {
                ADD_FAILURE() << "screen differs from a full repaint after step " << step;
                return compared;
            }
        }
    }
    return compared;
}

TEST(SimScreen, IncrementalPaintingMatchesAFullRepaintWithPreview) {
    Driver d(7, kDefaultOptions);
    EXPECT_GT(PlayAndCompare(d, 1, 3000), 500);
}

// The rules paint the same operations whatever the screen's shape: in the
// tall layout too every move leaves what a full repaint shows.
TEST(SimScreen, IncrementalPaintingMatchesAFullRepaintInTheTallLayout) {
    Driver d(7, kDefaultOptions);
    d.host.UseLayout(kTallLayout);
    EXPECT_GT(PlayAndCompare(d, 2, 3000), 500);
}

// Four nearly full rows and the bar dropped into their gap: the rows go, the
// score and lines change, the well is repainted; with Inverse 0 the stack is
// turned inside out as well.
void RemoveFourRows(Options options, const ScreenLayout& layout = kWindowLayout) {
    Driver d(11, options);
    d.host.UseLayout(layout);
    NewGame(d.game);
    GameState& s = d.game.state;
    for (int r = 13; r <= 20; ++r)
        for (int c = 2; c <= 10; ++c) d.game.well.cells[r][c] = r <= 16 ? (r + c) % 2 + 1 : c % 7 + 1;
    s.shapeIndex = 0;
    s.shape = ShapeCatalogue[0];
    d.host.RepaintScreen();  // the changes above, shown as a paint request would
    for (int i = 0; i < 5; ++i) MoveLeft(d.game);
    ASSERT_EQ(s.column, -1);
    EXPECT_TRUE(d.ScreenIsAFullRepaint());
    DownKeyPressed(d.game, false);
    d.Settle();
    ASSERT_EQ(s.lines, 4);
    Tick(d.game);
    d.Settle();
    EXPECT_TRUE(d.ScreenIsAFullRepaint());
}

TEST(SimScreen, RowRemovalRepaintsMatchAFullRepaint) { RemoveFourRows(kDefaultOptions); }

TEST(SimScreen, RowRemovalWithInversionRepaintsMatchAFullRepaint) {
    Options options = kDefaultOptions;
    options.inverse = 0;
    options.look3D = 0;
    RemoveFourRows(options);
}

TEST(SimScreen, RowRemovalRepaintsMatchAFullRepaintInTheTallLayout) { RemoveFourRows(kDefaultOptions, kTallLayout); }

TEST(SimScreen, IncrementalPaintingMatchesInTheFlatLookWithElevenShapesAndStartRows) {
    Options options = kDefaultOptions;
    options.look3D = 0;
    options.style = 0;
    options.inverse = 0;  // the stack is turned inside out after clearings
    Driver d(99, options);
    for (int i = 0; i < 6; ++i) RowsUp(d.game);
    EXPECT_GT(PlayAndCompare(d, 5, 3000), 500);
}

TEST(SimScreen, ScreenStartsAsTheFirstPaintAndFollowsTheFirstGravityStep) {
    Driver d(3, kDefaultOptions);
    EXPECT_TRUE(d.ScreenIsAFullRepaint());
    NewGame(d.game);
    EXPECT_FALSE(d.ScreenIsAFullRepaint());  // a shape entering the well is not painted yet
    Tick(d.game);
    d.Settle();
    EXPECT_TRUE(d.ScreenIsAFullRepaint());
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

int RunText(const std::string& script, std::string& errors) {
    FILE* in = std::tmpfile();
    FILE* out = std::tmpfile();
    FILE* err = std::tmpfile();
    std::fputs(script.c_str(), in);
    std::rewind(in);
    const int code = RunScript(in, out, err);
    std::rewind(err);
    char buffer[256] = {};
    if (std::fgets(buffer, sizeof buffer, err) != nullptr) errors = buffer;
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    return code;
}

TEST(SimRender, WritesTheFullRepaintAsA479By340Bmp) {
    const std::string path = ::testing::TempDir() + "render test.bmp";  // a blank in the path
    std::string errors;
    ASSERT_EQ(RunText("new\ntick 3\nrender   " + path + "   # the window\n", errors), 0) << errors;
    const std::vector<uint8_t> b = ReadFile(path);
    std::remove(path.c_str());
    const size_t row = 1440;  // 479 * 3 padded to whole words
    ASSERT_EQ(b.size(), 54 + row * 340);
    EXPECT_EQ(b[18] | b[19] << 8, 479);
    EXPECT_EQ(b[22] | b[23] << 8, 340);
    EXPECT_EQ(b[28], 24);
    // the client area's top-left pixel is the background; row 0 is the last in the file
    const size_t top = 54 + row * 339;
    EXPECT_EQ(b[top], 192);
    EXPECT_EQ(b[top + 1], 192);
    EXPECT_EQ(b[top + 2], 192);
    // the well's bottom-left cell is empty: black
    const size_t wellPixel = 54 + row * (339 - 320) + 3 * 140;
    EXPECT_EQ(b[wellPixel] | b[wellPixel + 1] | b[wellPixel + 2], 0);
}

TEST(SimRender, MissingOrUnwritablePathIsABadLine) {
    std::string errors;
    EXPECT_EQ(RunText("new\nrender\n", errors), 2);
    EXPECT_NE(errors.find("line 2"), std::string::npos) << errors;
    EXPECT_EQ(RunText("render " + ::testing::TempDir() + "no-such-dir/x.bmp\n", errors), 2);
    EXPECT_NE(errors.find("line 1"), std::string::npos) << errors;
}

}  // namespace
