#include <gtest/gtest.h>

#include <string>

#include "game/random.h"
#include "game/shapes.h"

namespace {

std::string Grid(const ShapeRecord& s) { return std::string(s.grid, 16); }

int CellCount(const ShapeRecord& s) {
    int n = 0;
    for (int i = 0; i < 16; ++i) n += s.grid[i] == '*';
    return n;
}

TEST(ShapeCatalogue, SizesAndCellCountsMatchTheShapeSet) {
    const int sizes[] = {4, 3, 3, 3, 3, 3, 2, 3, 3, 3, 3};
    const int cells[] = {4, 4, 4, 4, 4, 4, 4, 5, 5, 5, 7};
    for (int i = 0; i < kCatalogueSize; ++i) {
        EXPECT_EQ(ShapeCatalogue[i].size, sizes[i]) << i;
        EXPECT_EQ(CellCount(ShapeCatalogue[i]), cells[i]) << i;
        EXPECT_EQ(ShapeCatalogue[i].grid[16], '\0') << i;
    }
}

TEST(ShapeCatalogue, CellsOutsideTheSizeSquareAreSpaces) {
    for (const ShapeRecord& s : ShapeCatalogue)
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                if (r >= s.size || c >= s.size) {
                    EXPECT_EQ(s.grid[4 * r + c], ' ');
                }
}

TEST(RotateShape, SquareNeverChanges) {
    for (int dir : {0, 1}) {
        ShapeRecord s = ShapeCatalogue[6];
        RotateShape(s, dir);
        EXPECT_EQ(Grid(s), Grid(ShapeCatalogue[6]));
    }
}

TEST(RotateShape, BarAlternatesBetweenColumnOneAndRowOne) {
    for (int dir : {0, 1}) {
        ShapeRecord s = ShapeCatalogue[0];
        RotateShape(s, dir);
        EXPECT_EQ(Grid(s), "    ****        ");
        RotateShape(s, dir);
        EXPECT_EQ(Grid(s), Grid(ShapeCatalogue[0]));
    }
}

TEST(RotateShape, TeeTurnsClockwiseAndCounterClockwiseOnTheScreen) {
    ShapeRecord cw = ShapeCatalogue[3];
    RotateShape(cw, 0);
    EXPECT_EQ(Grid(cw), " *   **  *      ");  // the lone cell now stands right
    ShapeRecord ccw = ShapeCatalogue[3];
    RotateShape(ccw, 1);
    EXPECT_EQ(Grid(ccw), " *  **   *      ");  // ... or left
    RotateShape(ccw, 7);  // any non-zero direction turns counter-clockwise
    EXPECT_EQ(Grid(ccw), "    ***  *      ");
}

TEST(RotateShape, FourStepsRestoreEveryShapeInBothDirections) {
    for (int dir : {0, 1}) {
        for (const ShapeRecord& original : ShapeCatalogue) {
            ShapeRecord s = original;
            for (int i = 0; i < 4; ++i) RotateShape(s, dir);
            EXPECT_EQ(Grid(s), Grid(original));
            EXPECT_EQ(s.size, original.size);
        }
    }
}

TEST(RotateShape, ClockwiseThenCounterClockwiseRestores) {
    for (int i = 1; i < kCatalogueSize; ++i) {
        ShapeRecord s = ShapeCatalogue[i];
        RotateShape(s, 0);
        RotateShape(s, 1);
        EXPECT_EQ(Grid(s), Grid(ShapeCatalogue[i])) << i;
    }
}

TEST(RotateShape, SizeThreeKeepsRowThreeAndColumnThree) {
    ShapeRecord s = ShapeCatalogue[10];
    s.grid[3] = 'x';
    s.grid[15] = 'y';
    s.grid[12] = 'z';
    RotateShape(s, 0);
    EXPECT_EQ(s.grid[3], 'x');
    EXPECT_EQ(s.grid[15], 'y');
    EXPECT_EQ(s.grid[12], 'z');
}

TEST(RotateShape, EmptyRecordStaysEmpty) {
    ShapeRecord s = kEmptyShape;
    RotateShape(s, 0);
    RotateShape(s, 1);
    EXPECT_EQ(s.size, 0);
    for (char c : s.grid) EXPECT_EQ(c, '\0');
}

TEST(ShapeDraws, SevenNeverYieldsTheLargeShapesAndElevenYieldsAll) {
    Random random;
    SeedRandom(random, 12345);
    int seen7[11] = {}, seen11[11] = {};
    for (int i = 0; i < 5000; ++i) {
        ++seen7[rand_below(random, 7)];
        ++seen11[rand_below(random, 11)];
    }
    for (int i = 0; i < 11; ++i) {
        if (i < 7) EXPECT_GT(seen7[i], 0);
        else EXPECT_EQ(seen7[i], 0);
        EXPECT_GT(seen11[i], 0) << i;
    }
}

}  // namespace
