// The falling shape, the preview and the well, checked on the raster
// against the window geometry and hand-written tile pictures.
#include <gtest/gtest.h>

#include "tests/draw/expected_pictures.h"
#include "tests/draw/paint_fixture.h"
#include "tests/draw/recording_surface.h"

namespace {

using CellsTest = PaintTest;

constexpr int kT = 3;       // " *  ***  ": one cell on top, three below
constexpr int kSquare = 6;  // the one size-2 shape

TEST_F(CellsTest, PieceDrawsItsCellsAtTheGridPosition) {
    game.state.shapeIndex = kT;
    game.state.column = 2;
    game.state.row = 5;
    PaintPiece(raster, game, ShapeCatalogue[kT], 0);
    // grid (1,0), (0,1), (1,1), (2,1) -> playfield columns 3, 2, 3, 4 in rows 5, 6
    EXPECT_TRUE(ShowsTile(raster, 135 + 20 * 3, 10 + 15 * 5, kT, true));
    EXPECT_TRUE(ShowsTile(raster, 135 + 20 * 2, 10 + 15 * 6, kT, true));
    EXPECT_TRUE(ShowsTile(raster, 135 + 20 * 3, 10 + 15 * 6, kT, true));
    EXPECT_TRUE(ShowsTile(raster, 135 + 20 * 4, 10 + 15 * 6, kT, true));
    EXPECT_TRUE(AllOf(raster, 175, 85, 195, 100, kUntouched));  // grid (0,0) is a space
    EXPECT_TRUE(AllOf(raster, 215, 85, 235, 100, kUntouched));  // grid (2,0)
}

TEST_F(CellsTest, PieceUsesTheCurrentIndexNotTheRecordForItsTile) {
    game.state.shapeIndex = 9;  // the eleven-shape set's yellow copy
    game.state.column = 0;
    game.state.row = 0;
    PaintPiece(raster, game, ShapeCatalogue[kSquare], 0);
    EXPECT_TRUE(ShowsTile(raster, 135, 10, 9, true));
    EXPECT_TRUE(SameColour(raster.Pixel(137, 14), Rgb{191, 191, 0}));
}

TEST_F(CellsTest, EraseBlackensOnlyTheShapeCellsAndKeepsSettledCellsInItsSquare) {
    game.state.shapeIndex = kT;
    game.state.column = 2;
    game.state.row = 5;
    game.well.cells[5][3] = 2;  // grid (0,0): playfield column 2, row 5
    game.well.cells[5][5] = 5;  // grid (2,0): playfield column 4, row 5
    PaintWell(raster, game);
    PaintPiece(raster, game, ShapeCatalogue[kT], 0);
    PaintPiece(raster, game, ShapeCatalogue[kT], 1);
    EXPECT_TRUE(ShowsTile(raster, 175, 85, 1, true));
    EXPECT_TRUE(ShowsTile(raster, 215, 85, 4, true));
    EXPECT_TRUE(AllOf(raster, 195, 85, 215, 100, expected::kBlack));
    EXPECT_TRUE(AllOf(raster, 175, 100, 235, 115, expected::kBlack));
}

TEST_F(CellsTest, EraseIsOneBlackBlockPerCell) {
    RecordingSurface surface;
    game.state.column = -1;
    game.state.row = 3;
    PaintPiece(surface, game, ShapeCatalogue[0], 1);  // the bar, in grid column 1
    const std::vector<std::string> want = {
        "fill 135,55-155,70 0/0/0", "fill 135,70-155,85 0/0/0", "fill 135,85-155,100 0/0/0",
        "fill 135,100-155,115 0/0/0"};
    EXPECT_EQ(surface.calls, want);
}

TEST_F(CellsTest, EmptyShapePaintsNothing) {
    RecordingSurface surface;
    PaintPiece(surface, game, kEmptyShape, 0);
    PaintPiece(surface, game, kEmptyShape, 1);
    EXPECT_TRUE(surface.calls.empty());
}

TEST_F(CellsTest, FlatLookShowsFaceBlocksWithTheSeam) {
    game.options.look3D = 0;
    game.state.shapeIndex = 4;
    game.state.column = 8;
    game.state.row = 19;
    PaintPiece(raster, game, ShapeCatalogue[kSquare], 0);
    for (int x : {295, 315})
        for (int y : {295, 310}) {
            EXPECT_TRUE(ShowsTile(raster, x, y, 4, false));
            EXPECT_TRUE(AllOf(raster, x, y, x + 19, y + 14, Rgb{111, 111, 111}));
        }
}

TEST_F(CellsTest, PreviewSquareSitsAtTheFixedOriginInAnEmptiedBox) {
    game.state.nextIndex = kSquare;
    raster.FillRect(30, 33, 125, 126, Rgb{9, 9, 9});  // an older preview
    PaintPreview(raster, game, ShapeCatalogue[kSquare]);
    for (int x : {35, 55})
        for (int y : {50, 65}) EXPECT_TRUE(ShowsTile(raster, x, y, kSquare, true)) << x << "," << y;
    EXPECT_TRUE(AllOf(raster, 30, 33, 125, 50, expected::kBackground));
    EXPECT_TRUE(AllOf(raster, 30, 33, 35, 126, expected::kBackground));
    EXPECT_TRUE(AllOf(raster, 75, 33, 125, 126, expected::kBackground));
    EXPECT_TRUE(AllOf(raster, 30, 80, 125, 126, expected::kBackground));
    // nothing outside the box
    EXPECT_TRUE(AllOf(raster, 29, 33, 30, 126, kUntouched));
    EXPECT_TRUE(AllOf(raster, 125, 33, 126, 126, kUntouched));
    EXPECT_TRUE(AllOf(raster, 30, 32, 125, 33, kUntouched));
    EXPECT_TRUE(AllOf(raster, 30, 126, 125, 127, kUntouched));
}

TEST_F(CellsTest, PreviewOfTheBarIsNotCentredAndReachesX114) {
    game.state.nextIndex = 0;
    game.options.look3D = 0;
    PaintPreview(raster, game, ShapeCatalogue[0]);  // grid column 1, rows 0..3
    for (int j = 0; j < 4; ++j) EXPECT_TRUE(ShowsTile(raster, 55, 50 + 15 * j, 0, false));
    EXPECT_TRUE(AllOf(raster, 35, 50, 55, 110, expected::kBackground));
}

TEST_F(CellsTest, PreviewTileFollowsTheNextIndex) {
    game.state.nextIndex = 10;  // green copy of tile 3
    PaintPreview(raster, game, ShapeCatalogue[10]);
    EXPECT_TRUE(ShowsTile(raster, 35, 50, 10, true));  // grid (0,0) is a cell
    EXPECT_TRUE(SameColour(raster.Pixel(40, 55), Rgb{0, 191, 0}));
}

TEST_F(CellsTest, EmptyWellIsBlackAndNothingAroundIsTouched) {
    PaintWell(raster, game);
    EXPECT_TRUE(AllOf(raster, 135, 10, 335, 325, expected::kBlack));
    EXPECT_TRUE(AllOf(raster, 134, 0, 135, 340, kUntouched));
    EXPECT_TRUE(AllOf(raster, 335, 0, 336, 340, kUntouched));
    EXPECT_TRUE(AllOf(raster, 135, 9, 335, 10, kUntouched));
    EXPECT_TRUE(AllOf(raster, 135, 325, 335, 326, kUntouched));
}

TEST_F(CellsTest, WellPaintsSettledCellsByColourIndexButNotWallsOrFloor) {
    game.well.cells[0][1] = 1;    // top left: red
    game.well.cells[20][10] = 11; // bottom right: green copy
    game.well.cells[10][5] = 7;   // cyan
    PaintWell(raster, game);
    EXPECT_TRUE(ShowsTile(raster, 135, 10, 0, true));
    EXPECT_TRUE(ShowsTile(raster, 315, 310, 10, true));
    EXPECT_TRUE(ShowsTile(raster, 215, 160, 6, true));
    EXPECT_TRUE(AllOf(raster, 155, 10, 335, 25, expected::kBlack));
    EXPECT_TRUE(AllOf(raster, 115, 0, 135, 340, kUntouched));  // where a wall cell would go
    EXPECT_TRUE(AllOf(raster, 135, 325, 335, 340, kUntouched));  // where the floor would go
}

TEST_F(CellsTest, WellRepaintBlackensWhatWasThereFirst) {
    raster.FillRect(135, 10, 335, 325, Rgb{255, 255, 255});
    game.well.cells[3][3] = 2;
    PaintWell(raster, game);
    EXPECT_TRUE(ShowsTile(raster, 175, 55, 1, true));
    EXPECT_TRUE(AllOf(raster, 135, 10, 175, 325, expected::kBlack));
}

TEST_F(CellsTest, ClearWellFillsExactlyThePictureArea) {
    RecordingSurface surface;
    ClearWell(surface);
    EXPECT_EQ(surface.calls, std::vector<std::string>{"fill 135,10-335,325 0/0/0"});
}

}  // namespace
