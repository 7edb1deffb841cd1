#include "store/scores.h"

#include <cstring>

#include "store/gbk.h"

namespace {

void SetRow(HighScoreEntry& row, int32_t score, int32_t lines, const char* name) {
    row.score = score;
    row.lines = lines;
    std::memset(row.name, 0, sizeof row.name);
    CopyGbkPrefix(row.name, name, kNameBytes - 1);
}

}  // namespace

void ClearScores(ScoreTable& table) {
    for (HighScoreEntry& row : table.rows) SetRow(row, 0, 0, kAnonymous);
}

int QualifyingPlace(const ScoreTable& table, int32_t score) {
    if (score <= table.rows[kScoreRows - 1].score) return -1;
    int place = kScoreRows - 1;
    while (place > 0 && table.rows[place - 1].score < score) --place;
    return place;
}

void MakeRoom(ScoreTable& table, int place, char (&offeredName)[kNameBytes]) {
    // The row at `place` is the one overtaken; for the tenth place that is
    // the row about to be dropped.
    std::memcpy(offeredName, table.rows[place].name, kNameBytes);
    offeredName[kNameBytes - 1] = '\0';
    for (int row = kScoreRows - 1; row > place; --row) table.rows[row] = table.rows[row - 1];
}

void FillScoreRow(ScoreTable& table, int place, int32_t score, int32_t lines, const char* typedName) {
    HighScoreEntry& row = table.rows[place];
    row.score = score;
    row.lines = lines;
    std::memset(row.name, 0, sizeof row.name);
    CopyGbkPrefix(row.name, typedName, kStoredNameBytes);
}
