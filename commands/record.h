#pragma once
// The game in progress as its script (replay/script.h): what the page keeps
// while a game is played and shares as a link once it has ended. The script
// opens with what takes a program just started to the moment the game
// began: the generator's seed, the options, the speed and the starting rows;
// then `new`, then every input the game took, in the order the rules ran
// it. The dispatcher writes it (commands/dispatch.h); nothing is allocated.
#include <cstdint>

#include "commands/commands.h"
#include "game/state.h"

constexpr int kRecordBytes = 256 * 1024;

enum class RecordState : uint8_t {
    Empty,    // no game yet
    Playing,  // the game is going on
    Ended,    // over, quit or replaced: its script is whole
    Lost,     // too long for the record, or begun where no script can start
};

struct GameRecord {
    RecordState state = RecordState::Empty;
    int length = 0;              // of the lines written
    uint32_t ticksRun = 0;       // since the last line: one `tick N` when the next comes
    uint32_t changes = 0;        // grows with every input taken, for a keeper to notice
    bool rowsUpGreyed = false;   // RowsUp was pressed at the top and its button is grey
    char text[kRecordBytes];
    // The last game that ended, whole, kept while the next one is played.
    int endedLength = 0;
    char ended[kRecordBytes];
};

// A new game is about to begin in `game` (before NewGame runs).
void BeginRecord(GameRecord& record, const Game& game);
// An input is about to run: a command (before it runs) or a gravity tick.
void NoteCommand(GameRecord& record, const Game& game, Command command, bool ctrlHeld);
void NoteTick(GameRecord& record, const Game& game);
// The options changed while the game went on, or a script seeded the
// generator anew.
void NoteOptions(GameRecord& record, const Options& before, const Options& after);
void NoteSeed(GameRecord& record, uint32_t seed);
// After each input: a game that is over, or offered to the table before a
// new one or the end, is recorded no further.
void NoteGameState(GameRecord& record, const Game& game);

// The script as it stands, the ticks run since its last line included; its
// length goes to `length`. Playing and Ended have one, the others none.
const char* RecordScript(GameRecord& record, int& length);

// The script of the last game that ended, or null before the first.
const char* EndedScript(const GameRecord& record, int& length);

// Speed verbs that take a program just started (level 0 at kStartInterval)
// to `level` at `interval`. The interval is stepped by the level arrived at,
// so one level has many intervals, each with its own road. Returns the
// number of verbs written to `path`, or -1 when there is no road or it is
// longer than `capacity`.
int SpeedPath(int32_t level, int32_t interval, bool* upwards, int capacity);
