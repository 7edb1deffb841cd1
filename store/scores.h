#pragma once
// The top-ten table: ten rows, best first, equal scores in order of entry.
#include <cstdint>

constexpr int kScoreRows = 10;
constexpr int kNameBytes = 20;        // with the terminator
constexpr int kTypedNameBytes = 18;   // read from the name box
constexpr int kStoredNameBytes = 17;  // kept in the table
constexpr char kAnonymous[] = "Anonymous";

struct HighScoreEntry {
    int32_t score;
    int32_t lines;
    char name[kNameBytes];
};

struct ScoreTable {
    HighScoreEntry rows[kScoreRows];
};

// Every row 0, 0, "Anonymous": a fresh or cleared table.
void ClearScores(ScoreTable& table);

// The place a score takes (below every equal score), or -1 when it does not
// beat the tenth row.
int QualifyingPlace(const ScoreTable& table, int32_t score);

// Moves rows place..8 down one, dropping row 9, and writes into offeredName
// the name of the row the new entry overtakes (for place 9: the dropped
// row's). Row `place` keeps its old content until FillScoreRow.
void MakeRoom(ScoreTable& table, int place, char (&offeredName)[kNameBytes]);

// Row `place` becomes the result with the typed name cut to 17 bytes.
void FillScoreRow(ScoreTable& table, int place, int32_t score, int32_t lines, const char* typedName);
