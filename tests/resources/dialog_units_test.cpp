// Dialog units to pixels, rounded as Windows rounds them.
#include <gtest/gtest.h>

#include "resources/dialog_script.h"

namespace {

TEST(DialogUnits, MulDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDiv(1, 6, 4), 2);    // 1.5
    EXPECT_EQ(MulDiv(-1, 6, 4), -2);  // -1.5
    EXPECT_EQ(MulDiv(1, 6, -4), -2);
    EXPECT_EQ(MulDiv(-1, -6, 4), 2);
    EXPECT_EQ(MulDiv(5, 7, 8), 4);    // 4.375
    EXPECT_EQ(MulDiv(3, 7, 8), 3);    // 2.625
    EXPECT_EQ(MulDiv(7, 5, 8), 4);    // 4.375
    EXPECT_EQ(MulDiv(1, 1, 3), 0);    // 0.33
    EXPECT_EQ(MulDiv(3, 5, 6), 3);    // 2.5
    EXPECT_EQ(MulDiv(0x40000000, 4, 2), -1);  // beyond 32 bits
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

TEST(DialogUnits, BaseWidthIsTheAlphabetsAverageRoundedAndHalved) {
    // 52 letters: the width over 26 is twice the average, rounded up by the + 1.
    EXPECT_EQ(BaseUnitsForFont(312, 12).x, 6);  // 12 per pair
    EXPECT_EQ(BaseUnitsForFont(337, 12).x, 6);  // 12.96 cut to 12
    EXPECT_EQ(BaseUnitsForFont(338, 12).x, 7);  // 13 rounds up
    EXPECT_EQ(BaseUnitsForFont(338, 15).y, 15);
}

TEST(DialogUnits, RectanglesConvertEachFieldOnItsOwn) {
    const DialogBaseUnits base = {6, 12};  // the 9-point "宋体" at 96 dots an inch
    const PixelRect ok = DialogRectToPixels(115, 82, 57, 14, base);
    EXPECT_EQ(ok.x, 173);      // 172.5
    EXPECT_EQ(ok.y, 123);
    EXPECT_EQ(ok.width, 86);   // 85.5
    EXPECT_EQ(ok.height, 21);
    // The width is not right minus left: 11 + 78 units make 16.5 + 117 pixels.
    const PixelRect radio = DialogRectToPixels(11, 15, 78, 9, base);
    EXPECT_EQ(radio.x, 17);
    EXPECT_EQ(radio.width, 117);
    EXPECT_EQ(radio.height, 14);  // 13.5
    EXPECT_EQ(DialogUnitsToPixelsX(179, {7, 15}), 313);  // 313.25
    EXPECT_EQ(DialogUnitsToPixelsY(119, {7, 15}), 223);  // 223.125
}

}  // namespace
