#pragma once
// The driver's script runner. A Sim is the state of the program started with
// no settings file; script lines drive it one at a time.
#include <cstdio>

#include "commands/dispatch.h"
#include "game/state.h"
#include "replay/script.h"
#include "store/scores.h"
#include "tools/sim/sim_host.h"

struct Sim {
    Game game;
    ScoreTable scores;
    SimHost host;
    Dispatcher dispatcher;
    FILE* out;

    // Unpainted: the host keeps no screen (SimHost); `render` paints anew.
    explicit Sim(FILE* output, bool painted = true);
    Sim(const Sim&) = delete;
    Sim& operator=(const Sim&) = delete;
};

enum class LineOutcome { Ok, Bad, Quit };

// Runs one line of at most kMaxLine bytes (changed in place). Bad: the line
// cannot be parsed and *problem says why; Quit: the program has ended.
LineOutcome RunScriptLine(Sim& sim, char* text, const char** problem);

// Runs a whole script, output to `out`. Returns the exit code: 0 when the
// script ran to its end or to a quit, 2 after writing a one-line message
// naming the line to `err` for a line it cannot parse.
int RunScript(FILE* in, FILE* out, FILE* err);
