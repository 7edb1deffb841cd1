// The size of a ten-minute game's link. A greedy player plays one game
// through trelmo-sim's script runner, recorded as the page records it: the
// seed, the options, `new`, then each shape's few turns and moves, a `down`
// and a `release`, with the gravity timer's expiries in between merged into
// one `tick N`. The player's hands take human time per shape, and the game
// ends after ten minutes of gravity intervals. Prints the script's size and
// its link's; with a path, writes the script there too.
//   trelmo-link-size [SCRIPT.sim]
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "game/well.h"
#include "replay/link.h"
#include "tools/sim/script.h"

namespace {

constexpr long kGameMs = 10 * 60 * 1000;

// The page's recording of a game: every line run at once and kept, the
// gravity ticks counted until another line comes.
class Recorder {
public:
    explicit Recorder(FILE* sink) : sim_(sink, false) {}

    void Line(const char* text) {
        FlushTicks();
        Run(text);
        script_ += text;
        script_ += '\n';
    }

    // Human time passing: the gravity timer expires once per interval.
    void Wait(int ms) {
        waited_ += ms;
        for (;;) {
            const int interval = std::max(0, sim_.game.state.interval);
            if (waited_ < interval || interval == 0) return;
            waited_ -= interval;
            played_ += interval;
            Run("tick");
            ++ticks_;
        }
    }

    const Game& game() const { return sim_.game; }
    const std::string& script() const { return script_; }
    long played() const { return played_; }

private:
    void Run(const char* text) {
        char line[kMaxLine + 1];
        std::snprintf(line, sizeof line, "%s", text);
        const char* problem = nullptr;
        if (RunScriptLine(sim_, line, &problem) != LineOutcome::Ok) {
            std::fprintf(stderr, "trelmo-link-size: '%s' refused: %s\n", text, problem ? problem : "the game ended");
            std::exit(1);
        }
    }

    void FlushTicks() {
        if (ticks_ == 0) return;
        char line[32];
        std::snprintf(line, sizeof line, ticks_ == 1 ? "tick" : "tick %d", ticks_);
        script_ += line;
        script_ += '\n';
        ticks_ = 0;
    }

    Sim sim_;
    std::string script_;
    int ticks_ = 0;
    int waited_ = 0;
    long played_ = 0;
};

struct Placement {
    int turns, column;
    long cost;
};

// The well after the shape drops at `column`, full rows removed, scored as
// the greedy player of tests/sim scores it: rows removed first, then a low,
// even, hole-free stack.
long PlacementCost(Well well, const ShapeRecord& shape, int column, int row) {
    while (!Collides(well, shape, column, row + 1)) ++row;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (IsCell(shape, r, c)) well.cells[row + r][column + c + 1] = 1;
    int removed = 0;
    for (int r = kBottomRow; r >= 0; --r)
        if (IsFullRow(well, r)) ++removed;
    int heights[kPlayfieldColumns], holes = 0;
    for (int c = 1; c <= kPlayfieldColumns; ++c) {
        int top = 0;
        while (top <= kBottomRow && well.cells[top][c] == 0) ++top;
        heights[c - 1] = kBottomRow + 1 - top;
        for (int r = top; r <= kBottomRow; ++r) holes += well.cells[r][c] == 0 && !IsFullRow(well, r);
    }
    int sum = 0, bump = 0, highest = 0;
    for (int c = 0; c < kPlayfieldColumns; ++c) {
        sum += heights[c];
        highest = std::max(highest, heights[c]);
        if (c > 0) bump += std::abs(heights[c] - heights[c - 1]);
    }
    return -1000L * removed + sum - removed * kPlayfieldColumns + 8 * holes + bump + 3 * highest;
}

// Every turn and column the shape can reach from where it is, by turning
// first and then moving along its row.
Placement Choose(const Game& game) {
    const GameState& s = game.state;
    Placement best{0, s.column, 1L << 40};
    ShapeRecord shape = s.shape;
    for (int turns = 0; turns < 4; ++turns) {
        if (turns > 0) {
            RotateShape(shape, game.options.rotateDir);
            if (Collides(game.well, shape, s.column, s.row)) break;
        }
        for (int step : {-1, 1})
            for (int column = s.column; !Collides(game.well, shape, column, s.row); column += step) {
                const long cost = PlacementCost(game.well, shape, column, s.row);
                if (cost < best.cost) best = {turns, column, cost};
            }
    }
    return best;
}

// A player's pace, the same every run.
int HumanMs(unsigned& state, int least, int most) {
    state = state * 1103515245u + 12345u;
    return least + static_cast<int>((state >> 16) % static_cast<unsigned>(most - least + 1));
}

}  // namespace

int main(int argc, char** argv) {
    FILE* sink = std::fopen("/dev/null", "w");
    Recorder game(sink);
    for (const char* line : {"seed 1765432100", "set DropStyle 1", "set Style 1", "set Preview 1", "set 3Dtrelmo 1",
                             "set Inverse 1", "set RotateDir 0", "new"})
        game.Line(line);
    unsigned pace = 7;
    int shapes = 0;
    while (game.played() < kGameMs) {
        if (game.game().state.shapeVisible != 1) {
            std::fprintf(stderr, "trelmo-link-size: the game ended after %d shapes\n", shapes);
            return 1;
        }
        game.Wait(HumanMs(pace, 250, 700));  // seeing the shape and deciding
        const Placement move = Choose(game.game());
        for (int i = 0; i < move.turns; ++i) {
            game.Line("rotate");
            game.Wait(HumanMs(pace, 80, 200));
        }
        for (int c = game.game().state.column; c != move.column; c += move.column > c ? 1 : -1) {
            game.Line(move.column > c ? "right" : "left");
            game.Wait(HumanMs(pace, 60, 160));
        }
        game.Line("down");
        game.Wait(HumanMs(pace, 60, 120));
        game.Line("release");
        ++shapes;
    }

    const std::string& script = game.script();
    static char code[1 << 20];
    const int length = EncodeReplayCode(script.data(), static_cast<int>(script.size()), code, sizeof code);
    const GameState& s = game.game().state;
    std::printf("ten minutes: %d shapes, score %d, %d lines, level %d\n", shapes, s.score, s.lines, s.speedLevel);
    std::printf("script: %zu bytes, %ld lines\n", script.size(), std::count(script.begin(), script.end(), '\n'));
    std::printf("link code: %d characters (address marker and page not counted)\n", length);
    if (argc > 1) {
        FILE* out = std::fopen(argv[1], "w");
        if (out == nullptr || std::fwrite(script.data(), 1, script.size(), out) != script.size()) return 1;
        std::fclose(out);
    }
    return length > 0 ? 0 : 1;
}
