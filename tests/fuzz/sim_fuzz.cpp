// Any bytes as a trelmo-sim script: after every line the game must hold its
// invariants (walls and floor, cell values, no overlap while a game runs,
// score and lines in step with the rows removed, level and interval within
// their paths, the pause flags' rules); at the end, the game going on,
// written as its script while it was played, must come back whole from that
// script in a program just started. All in memory: no file is read or
// written, the sounds and waits are only recorded, and nothing is painted,
// since only the state is checked.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "game/well.h"
#include "tools/sim/script.h"

namespace {

void Check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "sim_fuzz: %s\n", what);
    std::abort();
}

bool IsFlag(int32_t v) { return v == 0 || v == 1; }

void CheckWell(const Well& well) {
    for (int r = 0; r < kWellRows; ++r) {
        Check(well.cells[r][0] == kSolid && well.cells[r][kWellColumns - 1] == kSolid, "a wall cell changed");
        for (int c = 1; c <= kPlayfieldColumns; ++c) {
            const int32_t v = well.cells[r][c];
            if (r == kFloorRow) Check(v == kSolid, "a floor cell changed");
            else Check(v >= 0 && v <= 11, "a playfield cell is out of range");
        }
    }
}

// Lines and score of the running game, followed from one line to the next.
struct Tally {
    int32_t lines = 0;
    int32_t score = 0;
};

void CheckState(const Sim& sim, Tally& tally) {
    const GameState& s = sim.game.state;
    CheckWell(sim.game.well);
    for (int32_t flag : {s.running, s.shapeVisible, s.paused, s.autoPaused, s.fastFall})
        Check(IsFlag(flag), "a flag is neither 0 nor 1");
    if (s.autoPaused == 1) Check(s.running == 1, "an automatic pause without a game");
    if (s.running == 0) Check(s.paused == 0 && s.autoPaused == 0, "paused before the first game");
    Check(s.speedLevel >= 0 && s.speedLevel <= 19, "speed level out of range");
    Check(s.startRows >= 0 && s.startRows <= 16, "starting rows out of range");
    Check(s.interval % 10 == 0 && s.interval >= -80 && s.interval <= 1100, "interval off its paths");
    if (s.speedLevel == 19) Check(s.interval == 0, "level 19 is not the fastest");
    if (s.speedLevel == 0) Check(s.interval == 1100 || s.interval == 1000, "level 0 interval");
    Check(s.shapeCount == 7 || s.shapeCount == 11, "shape count");
    Check(s.nextIndex >= 0 && s.nextIndex < kCatalogueSize, "next index");
    if (s.running == 1 && s.shapeVisible == 1)
        Check(!Collides(sim.game.well, s.shape, s.column, s.row), "the falling shape overlaps the stack");
    // Points come in steps of 100, 300, 700 or 1500 for one to four rows
    // removed by one shape, nothing for more: never more than 375 a row. A
    // new game starts both at 0 again.
    Check(s.score >= 0 && s.lines >= 0 && s.score % 100 == 0, "score or lines impossible");
    if (s.score < tally.score || s.lines < tally.lines) tally = Tally{};
    const int32_t gained = s.score - tally.score, removed = s.lines - tally.lines;
    Check(gained <= 375 * removed, "more points than the rows removed give");
    tally.score = s.score;
    tally.lines = s.lines;
}

// Lines that touch files or would run for minutes are left out.
bool Allowed(const char* line) {
    char verb[16] = {};
    unsigned long long count = 0;
    if (std::sscanf(line, " %15s %llu", verb, &count) >= 1) {
        for (const char* word : {"load", "save", "render"})
            if (std::strcmp(verb, word) == 0) return false;
        if (std::strcmp(verb, "tick") == 0 && count > 2000) return false;
    }
    return true;
}

// Everything of a game its script must bring back.
bool SameGame(const Game& a, const Game& b) {
    const GameState &s = a.state, &t = b.state;
    const int32_t left[] = {s.column, s.row, s.shapeIndex, s.nextIndex, s.score, s.lines, s.speedLevel, s.interval,
                            s.startRows, s.shapeCount, s.running, s.shapeVisible, s.paused, s.autoPaused, s.fastFall};
    const int32_t right[] = {t.column, t.row, t.shapeIndex, t.nextIndex, t.score, t.lines, t.speedLevel, t.interval,
                             t.startRows, t.shapeCount, t.running, t.shapeVisible, t.paused, t.autoPaused, t.fastFall};
    return std::memcmp(left, right, sizeof left) == 0 && std::memcmp(&s.shape, &t.shape, sizeof s.shape) == 0 &&
           std::memcmp(&a.well, &b.well, sizeof a.well) == 0 && std::memcmp(&a.options, &b.options, sizeof a.options) == 0 &&
           a.random.state == b.random.state;
}

// The recorded script of the game going on, replayed from the start.
void CheckRecord(Sim& sim, GameRecord& record, FILE* sink) {
    int length = 0;
    const char* script = RecordScript(record, length);
    if (record.state != RecordState::Playing || script == nullptr) return;
    static Sim* again = nullptr;
    delete again;
    again = new Sim(sink, false);
    static char line[kMaxLine + 2];
    int at = 0;
    for (bool tooLong = false; NextScriptLine(script, length, at, line, tooLong);) {
        Check(!tooLong, "a recorded line is too long");
        const char* problem = nullptr;
        Check(RunScriptLine(*again, line, &problem) == LineOutcome::Ok, "a recorded line does not run");
    }
    Check(SameGame(again->game, sim.game), "the recorded script brings back another game");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FILE* sink = std::fopen("/dev/null", "w");
    static char line[kMaxLine + 2];
    Sim sim(sink, false);
    static GameRecord record;
    record.state = RecordState::Empty;  // the texts are written over as needed
    record.endedLength = 0;
    record.rowsUpGreyed = false;
    sim.dispatcher.record = &record;
    Tally tally;
    size_t at = 0;
    while (at < size) {
        size_t n = 0;
        while (at < size && data[at] != '\n' && n < kMaxLine) line[n++] = static_cast<char>(data[at++]);
        if (at < size && data[at] == '\n') ++at;
        line[n] = '\0';
        if (std::strlen(line) != n || !Allowed(line)) continue;  // NUL bytes end a line early in the driver too
        const char* problem = nullptr;
        const LineOutcome outcome = RunScriptLine(sim, line, &problem);
        if (outcome != LineOutcome::Ok) break;
        CheckState(sim, tally);
    }
    CheckRecord(sim, record, sink);
    return 0;
}
