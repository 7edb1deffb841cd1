#include "tools/sim/script.h"

#include <cstring>

#include "commands/dispatch.h"
#include "commands/input.h"
#include "commands/play.h"
#include "commands/start_up.h"
#include "draw/layout.h"
#include "draw/paint.h"
#include "game/cycle.h"
#include "game/difficulty.h"
#include "game/well.h"
#include "store/gbk.h"
#include "store/settings.h"
#include "tools/sim/sim_host.h"

namespace {

void Dump(const Sim& sim) {
    const GameState& s = sim.game.state;
    FILE* out = sim.out;
    std::fprintf(out, "score %d lines %d level %d interval %d startRows %d shapeCount %d\n", s.score, s.lines,
                 s.speedLevel, s.interval, s.startRows, s.shapeCount);
    std::fprintf(out, "running %d shapeVisible %d paused %d autoPaused %d fastFall %d\n", s.running,
                 s.shapeVisible, s.paused, s.autoPaused, s.fastFall);
    char grid[17];
    for (int i = 0; i < 16; ++i) {
        const char c = s.shape.grid[i];
        grid[i] = c == ' ' ? '.' : c == '\0' ? '0' : c;
    }
    grid[16] = '\0';
    std::fprintf(out, "shape %d next %d column %d row %d grid %s\n", s.shapeIndex, s.nextIndex, s.column, s.row,
                 grid);
    std::fputs("well\n", out);
    for (int r = 0; r <= kBottomRow; ++r) {
        char text[kPlayfieldColumns + 2];
        for (int c = 0; c < kPlayfieldColumns; ++c) {
            const int32_t v = sim.game.well.cells[r][c + 1];
            text[c] = v == 0 ? '.' : v >= 1 && v <= 9 ? static_cast<char>('0' + v)
                                 : v >= 10 && v <= 11 ? static_cast<char>('a' + v - 10)
                                                       : '?';
        }
        text[kPlayfieldColumns] = '\n';
        text[kPlayfieldColumns + 1] = '\0';
        std::fputs(text, out);
    }
    std::fputs("end\n", out);
}

void PrintScores(const Sim& sim) {
    for (int i = 0; i < kScoreRows; ++i) {
        const HighScoreEntry& row = sim.scores.rows[i];
        std::fprintf(sim.out, "%d %d %d %s\n", i + 1, row.score, row.lines, row.name);
    }
    std::fputs("end\n", sim.out);
}

// The rectangles of the client area that other tools need, one a line as
// KIND NAME LEFT TOP RIGHT BOTTOM, right and bottom excluded.
void PrintLayout(FILE* out) {
    const auto print = [out](const char* kind, const char* name, int left, int top, int right, int bottom) {
        std::fprintf(out, "%s %s %d %d %d %d\n", kind, name, left, top, right, bottom);
    };
    print("client", "main", 0, 0, kClientWidth, kClientHeight);
    const auto label = [&](const char* name, const LabelPlace& place) {
        print("label", name, place.x, place.y, place.x + place.width, place.y + kLabelHeight);
    };
    label("next", kNextLabel);
    const char* const counterNames[] = {"score", "lines", "speed", "startrows"};
    for (int i = 0; i < 4; ++i) label(counterNames[i], kCounterLabels[i]);
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonPlace& b = kButtonPlaces[i];
        print("button", kButtonNames[i], b.x, b.y, b.x + b.width, b.y + b.height);
    }
    print("well", "cells", kWellLeft, kWellTop, kWellRight, kWellBottom);
    const CounterLayout* const counters[] = {&kScoreCounter, &kLinesCounter, &kSpeedCounter, &kStartRowsCounter};
    for (int i = 0; i < 4; ++i) {
        const FrameBlock& box = counters[i]->box;
        print("counter", counterNames[i], box.x, box.y, box.x + box.width, box.y + box.height);
    }
    const auto region = [&](const char* name, const Region& r) { print("region", name, r.left, r.top, r.right, r.bottom); };
    region("hand", kLogoHandRegion);
    region("about", kLogoClickRegion);
    region("right", kWellClickRegion);
    std::fputs("end\n", out);
}

using Outcome = LineOutcome;

Outcome RunTicks(Sim& sim, unsigned long long count) {
    for (unsigned long long i = 0; i < count; ++i) {
        if (sim.host.timerArmed()) RunGravityTick(sim.dispatcher);
        if (sim.host.quitRequested()) return Outcome::Quit;
    }
    return Outcome::Ok;
}

// A line of the driver's own, or a game verb the script shares with every
// replay (commands/play.h).
Outcome RunLine(Sim& sim, const ScriptLine& line, const char*& problem) {
    switch (line.verb) {
    case Verb::Tick: return RunTicks(sim, line.number);
    case Verb::Dump: Dump(sim); break;
    case Verb::Scores: PrintScores(sim); break;
    case Verb::Layout: PrintLayout(sim.out); break;
    case Verb::Clear: ClearTable(sim.dispatcher); break;  // the Clear button of the score table
    case Verb::Answer: sim.host.answerYes = line.number != 0; break;
    case Verb::Trace: sim.host.trace = line.number != 0; break;
    case Verb::Name:
        sim.host.hasTypedName = true;
        CopyGbkPrefix(sim.host.typedName, line.text, kTypedNameBytes);
        break;
    case Verb::Render: {
        Raster picture(kClientWidth, kClientHeight);
        PaintWindow(picture, sim.game, picture.width(), picture.height());
        problem = "cannot write the picture";
        return picture.WriteBmp(line.text) ? Outcome::Ok : Outcome::Bad;
    }
    case Verb::Load:
        LoadSettings(sim.game.options, sim.scores, sim.game.state.shapeCount, line.text);
        sim.host.RepaintScreen();
        break;
    case Verb::Save: SaveSettings(sim.game.options, sim.scores, line.text); break;
    default: PlayScriptLine(sim.dispatcher, line); break;
    }
    return sim.host.quitRequested() ? Outcome::Quit : Outcome::Ok;
}

}  // namespace

Sim::Sim(FILE* output, bool painted)
    : game{}, scores{}, host(game, output, painted), dispatcher{game, host, &scores}, out(output) {
    ResetGame(game, host, 1);
    ClearScores(scores);
    // As with no settings file; there is no sheet to open.
    StartProgram(dispatcher, scores, nullptr);
    host.RepaintScreen();  // the window's first paint
}

LineOutcome RunScriptLine(Sim& sim, char* text, const char** problem) {
    ScriptLine line;
    switch (ReadScriptLine(text, line, problem)) {
    case LineRead::Blank: return LineOutcome::Ok;
    case LineRead::Bad: return LineOutcome::Bad;
    case LineRead::Step: break;
    }
    const LineOutcome outcome = RunLine(sim, line, *problem);
    if (outcome == LineOutcome::Bad && *problem == nullptr) *problem = "bad line";
    return outcome;
}

int RunScript(FILE* in, FILE* out, FILE* err) {
    static char text[kMaxLine + 2];
    Sim sim(out);
    int exitCode = 0;
    for (long lineNumber = 1;; ++lineNumber) {
        if (std::fgets(text, sizeof text, in) == nullptr) break;
        if (std::strchr(text, '\n') == nullptr && !std::feof(in)) {
            std::fprintf(err, "line %ld: line too long\n", lineNumber);
            exitCode = 2;
            break;
        }
        char verb[32] = {};
        std::sscanf(text, " %31s", verb);
        const char* problem = nullptr;
        const LineOutcome outcome = RunScriptLine(sim, text, &problem);
        if (outcome == LineOutcome::Bad) {
            std::fprintf(err, "line %ld: %s: %s\n", lineNumber, problem, verb);
            exitCode = 2;
            break;
        }
        if (outcome == LineOutcome::Quit) break;
    }
    std::fflush(out);
    return exitCode;
}
