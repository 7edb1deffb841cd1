// The options dialog's marks against the stored flags, and the texts of
// the top-ten table's rows.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "game/state.h"
#include "store/dialogs_fields.h"

namespace {

TEST(OptionMarks, InversionAndClockwiseShowTheOppositeOfTheirFlags) {
    Options stored = kDefaultOptions;  // Inverse 1, RotateDir 0
    OptionMarks marks = MarksForOptions(stored);
    EXPECT_FALSE(marks.inversion);
    EXPECT_TRUE(marks.clockwise);
    stored.inverse = 0;
    stored.rotateDir = 1;
    marks = MarksForOptions(stored);
    EXPECT_TRUE(marks.inversion);
    EXPECT_FALSE(marks.clockwise);
    // Checking the boxes stores 0.
    marks.inversion = false;
    marks.clockwise = true;
    const Options back = OptionsForMarks(marks);
    EXPECT_EQ(back.inverse, 1);
    EXPECT_EQ(back.rotateDir, 0);
}

TEST(OptionMarks, EveryCombinationOfFlagsSurvivesTheDialog) {
    for (int bits = 0; bits < 128; ++bits) {
        SCOPED_TRACE(bits);
        const Options stored = {bits & 1, (bits >> 1) & 1, (bits >> 2) & 1, (bits >> 3) & 1,
                                (bits >> 4) & 1, (bits >> 5) & 1, (bits >> 6) & 1};
        const OptionMarks marks = MarksForOptions(stored);
        EXPECT_EQ(marks.dropToBottom, stored.dropStyle == 1);
        EXPECT_EQ(marks.sevenShapes, stored.style == 1);
        EXPECT_EQ(marks.sound, stored.sound == 1);
        EXPECT_EQ(marks.preview, stored.preview == 1);
        EXPECT_EQ(marks.look3D, stored.look3D == 1);
        const Options back = OptionsForMarks(marks);
        EXPECT_EQ(std::memcmp(&back, &stored, sizeof back), 0);
    }
}

TEST(OptionMarks, AnyNonZeroFlagShowsAsSetAndIsStoredAsOne) {
    const Options odd = {5, -1, 2, 7, 9, 3, 4};
    const Options back = OptionsForMarks(MarksForOptions(odd));
    EXPECT_EQ(back.dropStyle, 1);
    EXPECT_EQ(back.style, 1);
    EXPECT_EQ(back.sound, 1);
    EXPECT_EQ(back.preview, 1);
    EXPECT_EQ(back.look3D, 1);
    EXPECT_EQ(back.inverse, 1);
    EXPECT_EQ(back.rotateDir, 1);
}

TEST(ScoreRowTexts, PlaceScoreLinesAndName) {
    HighScoreEntry entry = {12345, 67, "Anonymous"};
    ScoreRowTexts texts = TextsForScoreRow(entry, 0);
    EXPECT_STREQ(texts.place, "1.");
    EXPECT_STREQ(texts.score, "12345");
    EXPECT_STREQ(texts.lines, "67");
    EXPECT_STREQ(texts.name, "Anonymous");
    EXPECT_STREQ(TextsForScoreRow(entry, 9).place, "10.");
}

TEST(ScoreRowTexts, ExtremeNumbersFitAndAnEmptyNameStaysEmpty) {
    HighScoreEntry entry = {INT32_MIN, INT32_MAX, ""};
    const ScoreRowTexts texts = TextsForScoreRow(entry, 4);
    EXPECT_STREQ(texts.score, "-2147483648");
    EXPECT_STREQ(texts.lines, "2147483647");
    EXPECT_STREQ(texts.name, "");
}

TEST(ScoreRowTexts, AnUnterminatedNameEndsWithinItsField) {
    HighScoreEntry entry = {1, 1, {}};
    std::memset(entry.name, 'x', sizeof entry.name);
    const ScoreRowTexts texts = TextsForScoreRow(entry, 0);
    EXPECT_EQ(std::string(texts.name), std::string(kNameBytes - 1, 'x'));
}

TEST(ScoreRows, TenRowsEighteenPixelsApartFrom45) {
    EXPECT_EQ(ScoreRowY(0), 45);
    EXPECT_EQ(ScoreRowY(9), 207);
    EXPECT_EQ(kPlaceColumn.x, 35);
    EXPECT_EQ(kScoreColumn.x, 220);
    EXPECT_EQ(kLinesColumn.x, 285);
    EXPECT_EQ(kNameColumn.x, 110);
    EXPECT_EQ(kNameColumn.align, ColumnAlign::Centre);
    EXPECT_EQ(kLinesColumn.align, ColumnAlign::Right);
}

}  // namespace
