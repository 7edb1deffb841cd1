#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "store/scores.h"

namespace {

ScoreTable Table(const int (&scores)[kScoreRows]) {
    ScoreTable table;
    ClearScores(table);
    for (int i = 0; i < kScoreRows; ++i) {
        table.rows[i].score = scores[i];
        std::snprintf(table.rows[i].name, sizeof table.rows[i].name, "P%d", i);
    }
    return table;
}

TEST(ScoreTable, ClearedRowsAreZeroZeroAnonymous) {
    ScoreTable table;
    std::memset(&table, 0x5A, sizeof table);
    ClearScores(table);
    for (const HighScoreEntry& row : table.rows) {
        EXPECT_EQ(row.score, 0);
        EXPECT_EQ(row.lines, 0);
        EXPECT_STREQ(row.name, "Anonymous");
    }
}

TEST(ScoreTable, ZeroDoesNotQualifyOnAFreshTableAndOneTakesTheTop) {
    ScoreTable table;
    ClearScores(table);
    EXPECT_EQ(QualifyingPlace(table, 0), -1);
    EXPECT_EQ(QualifyingPlace(table, 1), 0);
}

TEST(ScoreTable, ScoreEqualToTheTenthDoesNotQualify) {
    const ScoreTable table = Table({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    EXPECT_EQ(QualifyingPlace(table, 50), -1);
    EXPECT_EQ(QualifyingPlace(table, 51), 9);
}

TEST(ScoreTable, EqualScoresPlaceTheNewEntryBelowThem) {
    const ScoreTable table = Table({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    EXPECT_EQ(QualifyingPlace(table, 600), 4);
    EXPECT_EQ(QualifyingPlace(table, 601), 3);
    EXPECT_EQ(QualifyingPlace(table, 5000), 0);
    const ScoreTable ties = Table({700, 700, 700, 700, 700, 700, 700, 700, 700, 10});
    EXPECT_EQ(QualifyingPlace(ties, 700), 9);
}

TEST(ScoreTable, NewBestShiftsEveryRowAndOffersTheOldBestName) {
    ScoreTable table = Table({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    char offered[kNameBytes];
    MakeRoom(table, 0, offered);
    EXPECT_STREQ(offered, "P0");
    FillScoreRow(table, 0, 1000, 12, "Me");
    EXPECT_EQ(table.rows[0].score, 1000);
    EXPECT_EQ(table.rows[0].lines, 12);
    EXPECT_STREQ(table.rows[0].name, "Me");
    for (int i = 1; i < kScoreRows; ++i) {
        EXPECT_EQ(table.rows[i].score, 1000 - 100 * i) << i;
        EXPECT_EQ(std::string(table.rows[i].name), "P" + std::to_string(i - 1));
    }
}

TEST(ScoreTable, PlaceFourOffersTheNameOfTheOldRowFour) {
    ScoreTable table = Table({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    const int place = QualifyingPlace(table, 600);
    char offered[kNameBytes];
    MakeRoom(table, place, offered);
    EXPECT_STREQ(offered, "P4");
    EXPECT_EQ(table.rows[5].score, 500);
    EXPECT_STREQ(table.rows[5].name, "P4");
    EXPECT_EQ(table.rows[9].score, 100);  // the old tenth row is gone
}

TEST(ScoreTable, TenthPlaceOffersTheNameOfTheRowItReplaces) {
    ScoreTable table = Table({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    char offered[kNameBytes];
    MakeRoom(table, 9, offered);
    EXPECT_STREQ(offered, "P9");
    EXPECT_EQ(table.rows[8].score, 100);
}

TEST(ScoreTable, StoredNameIsCutToSeventeenBytes) {
    ScoreTable table;
    ClearScores(table);
    FillScoreRow(table, 0, 10, 1, "ABCDEFGHIJKLMNOPQR");  // 18 bytes from the box
    EXPECT_STREQ(table.rows[0].name, "ABCDEFGHIJKLMNOPQ");
    FillScoreRow(table, 1, 10, 1, "");
    EXPECT_STREQ(table.rows[1].name, "");
}

TEST(ScoreTable, StoredNameNeverEndsInHalfACharacter) {
    ScoreTable table;
    ClearScores(table);
    // Sixteen ASCII bytes, then a two-byte character that would straddle the cut.
    FillScoreRow(table, 0, 10, 1, "ABCDEFGHIJKLMNOP\xC0\xEE");
    EXPECT_STREQ(table.rows[0].name, "ABCDEFGHIJKLMNOP");
    FillScoreRow(table, 0, 10, 1, "\xC0\xEE\xC3\xF7");
    EXPECT_STREQ(table.rows[0].name, "\xC0\xEE\xC3\xF7");
}

}  // namespace
