#include "tools/sim/script.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "commands/dispatch.h"
#include "commands/input.h"
#include "commands/start_up.h"
#include "draw/layout.h"
#include "draw/paint.h"
#include "game/cycle.h"
#include "game/difficulty.h"
#include "game/well.h"
#include "store/gbk.h"
#include "store/option_keys.h"
#include "store/settings.h"
#include "tools/sim/sim_host.h"

namespace {

constexpr int kMaxWords = 4;

// A line split into blank-separated words, comment removed; `rest` is what
// follows the first word, blanks around it dropped.
struct Line {
    char* words[kMaxWords];
    int count;
    char* rest;
    bool tooManyWords;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

void TrimRight(char* text) {
    size_t n = std::strlen(text);
    while (n > 0 && IsBlank(text[n - 1])) text[--n] = '\0';
}

char* SkipBlanks(char* text) {
    while (IsBlank(*text)) ++text;
    return text;
}

Line Split(char* text, char* restCopy) {
    if (char* hash = std::strchr(text, '#')) *hash = '\0';
    TrimRight(text);
    Line line{};
    char* cursor = SkipBlanks(text);
    if (*cursor == '\0') return line;
    char* afterFirst = cursor;
    while (*afterFirst != '\0' && !IsBlank(*afterFirst)) ++afterFirst;
    std::strcpy(restCopy, SkipBlanks(afterFirst));
    line.rest = restCopy;
    while (*cursor != '\0') {
        if (line.count == kMaxWords) {
            line.tooManyWords = true;
            break;
        }
        line.words[line.count++] = cursor;
        while (*cursor != '\0' && !IsBlank(*cursor)) ++cursor;
        if (*cursor != '\0') *cursor++ = '\0';
        cursor = SkipBlanks(cursor);
    }
    return line;
}

bool ParseUnsigned(const char* text, unsigned long long max, unsigned long long& value) {
    if (*text < '0' || *text > '9') return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && *end == '\0' && value <= max;
}

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

// A word that sets a flag one way or the other; false for any other word.
bool ParseSwitch(const char* word, const char* on, const char* off, bool& flag) {
    if (std::strcmp(word, on) == 0) flag = true;
    else if (std::strcmp(word, off) == 0) flag = false;
    else return false;
    return true;
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

// The verbs that are commands of the player, carried out as the window
// carries out the input that means them.
struct CommandVerb {
    const char* word;
    Command command;
};

constexpr CommandVerb kCommandVerbs[] = {
    {"new", Command::StartGame},          {"left", Command::MoveLeft},     {"right", Command::MoveRight},
    {"rotate", Command::Rotate},          {"release", Command::DownReleased}, {"pause", Command::TogglePauseIfRunning},
    {"speedup", Command::SpeedUp},        {"speeddown", Command::SpeedDown}, {"rowsup", Command::RowsUp},
    {"rowsdown", Command::RowsDown},      {"maxspeed", Command::MaxSpeed}, {"maxrows", Command::MaxRows},
};

// The verbs that take no argument and are not commands.
enum class PlainVerb { Dump, Scores, Clear, Deactivate, Activate, Layout };

struct PlainVerbName {
    const char* word;
    PlainVerb verb;
};

constexpr PlainVerbName kPlainVerbs[] = {
    {"dump", PlainVerb::Dump},           {"scores", PlainVerb::Scores},     {"clear", PlainVerb::Clear},
    {"deactivate", PlainVerb::Deactivate}, {"activate", PlainVerb::Activate}, {"layout", PlainVerb::Layout},
};

using Outcome = LineOutcome;

// Commands whose argument is the rest of the line, blanks and all.
bool TakesRestOfLine(const char* verb) {
    for (const char* word : {"name", "render", "load", "save"})
        if (std::strcmp(verb, word) == 0) return true;
    return false;
}

Outcome RunTicks(Sim& sim, unsigned long long count) {
    for (unsigned long long i = 0; i < count; ++i) {
        if (sim.host.timerArmed()) RunGravityTick(sim.dispatcher);
        if (sim.host.quitRequested()) return Outcome::Quit;
    }
    return Outcome::Ok;
}

Outcome Ended(const Sim& sim) { return sim.host.quitRequested() ? Outcome::Quit : Outcome::Ok; }

Outcome RunPlain(Sim& sim, PlainVerb verb) {
    switch (verb) {
    case PlainVerb::Dump: Dump(sim); break;
    case PlainVerb::Scores: PrintScores(sim); break;
    case PlainVerb::Clear:  // the Clear button of the score table
        ClearTable(sim.dispatcher);
        break;
    // The script's Down stays where its down and release lines left it.
    case PlainVerb::Deactivate: RunActivation(sim.dispatcher, kInactive, true, false); break;
    case PlainVerb::Activate: RunActivation(sim.dispatcher, kActive, true, false); break;
    case PlainVerb::Layout: PrintLayout(sim.out); break;
    }
    return Ended(sim);
}

Outcome RunLine(Sim& sim, const Line& line, const char*& problem) {
    const char* verb = line.words[0];
    const int args = line.count - 1;
    problem = "unknown command";
    for (const CommandVerb& command : kCommandVerbs) {
        if (std::strcmp(verb, command.word) != 0) continue;
        problem = "takes no argument";
        if (args != 0) return Outcome::Bad;
        RunCommand(sim.dispatcher, command.command);
        return Ended(sim);
    }
    for (const PlainVerbName& plain : kPlainVerbs) {
        if (std::strcmp(verb, plain.word) != 0) continue;
        problem = "takes no argument";
        return args == 0 ? RunPlain(sim, plain.verb) : Outcome::Bad;
    }
    if (std::strcmp(verb, "tick") == 0) {
        unsigned long long count = 1;
        problem = "tick takes a count from 0 to 1000000000";
        if (args > 1 || (args == 1 && !ParseUnsigned(line.words[1], 1000000000ull, count))) return Outcome::Bad;
        return RunTicks(sim, count);
    }
    if (std::strcmp(verb, "down") == 0) {
        problem = "down takes nothing or ctrl";
        if (args > 1 || (args == 1 && std::strcmp(line.words[1], "ctrl") != 0)) return Outcome::Bad;
        RunCommand(sim.dispatcher, Command::DownPressed, args == 1);
        return Ended(sim);
    }
    if (std::strcmp(verb, "seed") == 0) {
        unsigned long long seed = 0;
        problem = "seed takes a number from 0 to 4294967295";
        if (args != 1 || !ParseUnsigned(line.words[1], 4294967295ull, seed)) return Outcome::Bad;
        SeedRandom(sim.game.random, static_cast<uint32_t>(seed));
        return Outcome::Ok;
    }
    if (std::strcmp(verb, "set") == 0) {
        problem = "set takes an option key and 0 or 1";
        const OptionKey* key = args == 2 ? FindOptionKey(line.words[1]) : nullptr;
        const char* value = args == 2 ? line.words[2] : "";
        if (key == nullptr || (std::strcmp(value, "0") != 0 && std::strcmp(value, "1") != 0)) return Outcome::Bad;
        Options options = sim.game.options;
        options.*key->flag = value[0] - '0';
        UseOptions(sim.game, options);
        sim.host.RepaintScreen();  // as the options dialog asks for on OK
        return Outcome::Ok;
    }
    if (std::strcmp(verb, "answer") == 0) {
        problem = "answer takes yes or no";
        return args == 1 && ParseSwitch(line.words[1], "yes", "no", sim.host.answerYes) ? Outcome::Ok : Outcome::Bad;
    }
    if (std::strcmp(verb, "trace") == 0) {
        problem = "trace takes on or off";
        return args == 1 && ParseSwitch(line.words[1], "on", "off", sim.host.trace) ? Outcome::Ok : Outcome::Bad;
    }
    if (std::strcmp(verb, "render") == 0) {
        problem = "render takes a path";
        if (*line.rest == '\0') return Outcome::Bad;
        Raster picture(kClientWidth, kClientHeight);
        PaintWindow(picture, sim.game, picture.width(), picture.height());
        problem = "cannot write the picture";
        return picture.WriteBmp(line.rest) ? Outcome::Ok : Outcome::Bad;
    }
    if (std::strcmp(verb, "load") == 0) {
        problem = "load takes a path";
        if (*line.rest == '\0') return Outcome::Bad;
        LoadSettings(sim.game.options, sim.scores, sim.game.state.shapeCount, line.rest);
        sim.host.RepaintScreen();
        return Outcome::Ok;
    }
    if (std::strcmp(verb, "save") == 0) {
        problem = "save takes a path";
        if (*line.rest == '\0') return Outcome::Bad;
        SaveSettings(sim.game.options, sim.scores, line.rest);
        return Outcome::Ok;
    }
    if (std::strcmp(verb, "name") == 0) {
        sim.host.hasTypedName = true;
        CopyGbkPrefix(sim.host.typedName, line.rest, kTypedNameBytes);
        return Outcome::Ok;
    }
    return Outcome::Bad;
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
    static char rest[kMaxLine + 2];
    *problem = nullptr;
    const Line line = Split(text, rest);
    if (line.count == 0) return LineOutcome::Ok;
    if (line.tooManyWords && !TakesRestOfLine(line.words[0])) {
        *problem = "too many words";
        return LineOutcome::Bad;
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
