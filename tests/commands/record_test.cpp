// A game written as its script while it is played: the script, run again
// from a program just started, must bring back the same game, however the
// program came to the moment the game began.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "commands/record.h"
#include "game/difficulty.h"
#include "tools/sim/script.h"

namespace {

FILE* Sink() {
    static FILE* sink = std::tmpfile();
    return sink;
}

// A program as trelmo-sim runs it, recording, fed a line at a time.
struct Recorded {
    Sim sim{Sink(), false};
    GameRecord record;
    Recorded() { sim.dispatcher.record = &record; }
    void Run(const std::string& lines) {
        size_t at = 0;
        while (at < lines.size()) {
            const size_t end = lines.find('\n', at);
            std::string line = lines.substr(at, end == std::string::npos ? std::string::npos : end - at);
            at = end == std::string::npos ? lines.size() : end + 1;
            const char* problem = nullptr;
            ASSERT_NE(RunScriptLine(sim, line.data(), &problem), LineOutcome::Bad) << line << ": " << problem;
        }
    }
    std::string Script() {
        int length = 0;
        const char* text = RecordScript(record, length);
        return text == nullptr ? std::string() : std::string(text, static_cast<size_t>(length));
    }
};

// Everything the rules hold and the window shows of a game.
std::string StateOf(Sim& sim) {
    FILE* out = std::tmpfile();
    FILE* const old = sim.out;
    sim.out = out;
    char dump[] = "dump";
    const char* problem = nullptr;
    RunScriptLine(sim, dump, &problem);
    sim.out = old;
    std::string state;
    std::rewind(out);
    for (int c; (c = std::fgetc(out)) != EOF;) state += static_cast<char>(c);
    std::fclose(out);
    const Options& o = sim.game.options;
    for (int32_t flag : {o.dropStyle, o.style, o.preview, o.look3D, o.inverse, o.rotateDir}) state += std::to_string(flag);
    return state + " random " + std::to_string(sim.game.random.state);
}

// The recorded script in a program just started gives the same game.
void ExpectSameGame(Recorded& played) {
    const std::string script = played.Script();
    ASSERT_FALSE(script.empty());
    const auto again = std::make_unique<Recorded>();
    again->Run(script);
    EXPECT_EQ(StateOf(again->sim), StateOf(played.sim)) << script.substr(0, 400);
    EXPECT_EQ(again->Script(), script) << "recording the replay writes the same script";
}

// Random moves of a player, with the gravity between.
std::string Moves(std::mt19937& random, int count) {
    static const char* const moves[] = {"left\n", "right\n", "rotate\n", "down\n", "tick 3\n", "tick\n", "down ctrl\ntick 5\nrelease\n"};
    std::string lines;
    for (int i = 0; i < count; ++i) lines += moves[random() % 7];
    return lines;
}

TEST(GameRecord, EveryIntervalOfEveryLevelHasARoadFromTheStart) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 300; ++trial) {
        const auto played = std::make_unique<Recorded>();
        std::string ops;
        for (int i = 0, n = static_cast<int>(random() % 60); i < n; ++i) ops += random() % 5 < 3 ? "speedup\n" : "speeddown\n";
        played->Run(ops);
        const GameState& s = played->sim.game.state;
        static bool upwards[4096];
        const int steps = SpeedPath(s.speedLevel, s.interval, upwards, 4096);
        ASSERT_GE(steps, 0) << ops;
        const auto road = std::make_unique<Recorded>();
        for (int i = 0; i < steps; ++i) road->Run(upwards[i] ? "speedup" : "speeddown");
        ASSERT_EQ(road->sim.game.state.speedLevel, s.speedLevel) << ops;
        ASSERT_EQ(road->sim.game.state.interval, s.interval) << ops;
    }
    bool upwards[4];
    EXPECT_EQ(SpeedPath(5, 555, upwards, 4), -1) << "an interval no road gives";
    EXPECT_EQ(SpeedPath(19, 100, upwards, 4), -1);
    EXPECT_EQ(SpeedPath(12, 80, upwards, 4), -1) << "a road longer than the room";
}

TEST(GameRecord, AGameInProgressComesBackFromItsScript) {
    std::mt19937 random(11);
    for (int trial = 0; trial < 40; ++trial) {
        const auto owner = std::make_unique<Recorded>();
        Recorded& played = *owner;
        // Earlier games, the difficulty and the options as a player leaves them.
        played.Run("seed " + std::to_string(random()) + "\nset Style " + std::to_string(random() % 2) + "\nnew\n");
        played.Run(Moves(random, static_cast<int>(random() % 200)));
        played.Run(random() % 2 ? "maxrows\nrowsdown\nrowsdown\n" : "rowsup\nrowsup\nrowsup\n");
        played.Run(random() % 2 ? "maxspeed\nspeeddown\nspeeddown\nspeeddown\nspeeddown\nspeeddown\nspeeddown\nspeeddown\nspeeddown\nspeeddown\nspeedup\nspeeddown\n" : "speedup\nspeeddown\n");
        if (random() % 2) played.Run("down ctrl\nrelease\n");
        played.Run("new\n");
        ASSERT_EQ(played.record.state, RecordState::Playing);
        played.Run(Moves(random, static_cast<int>(random() % 150)));
        played.Run(random() % 2 ? "set Preview 0\nset RotateDir 1\n" : "deactivate\nactivate\npause\npause\n");
        played.Run(Moves(random, static_cast<int>(random() % 100)));
        if (played.record.state != RecordState::Playing) continue;  // lost meanwhile
        ExpectSameGame(played);
        played.Run(Moves(random, 20));
        if (played.record.state == RecordState::Playing) ExpectSameGame(played);
    }
}

TEST(GameRecord, EndsWithTheGameAndStaysWhole) {
    const auto owner = std::make_unique<Recorded>();
    Recorded& played = *owner;
    played.Run("answer no\nseed 5\nnew\n");
    while (played.record.state == RecordState::Playing && !played.sim.host.quitRequested()) played.Run("tick 50");
    EXPECT_EQ(played.record.state, RecordState::Ended);
    const std::string script = played.Script();
    played.Run("tick 100");  // nothing of the game runs after its end
    EXPECT_EQ(played.Script(), script);
    EXPECT_EQ(script.substr(0, 7), "seed 5\n");
    const auto again = std::make_unique<Recorded>();
    again->Run("answer no\n" + script);
    EXPECT_EQ(again->record.state, RecordState::Ended) << "the tick the game ended in closes its script";
    int endedLength = 0;
    const char* ended = EndedScript(played.record, endedLength);
    ASSERT_NE(ended, nullptr);
    EXPECT_EQ(std::string(ended, static_cast<size_t>(endedLength)), script) << "the ended game kept whole";

    // A fast fall once started stays on until a drop, and a pause taken by
    // losing activation under the replay question stays marked as that:
    // both go on into the next game, and its script says so, as it says
    // that RowsUp was greyed at the top.
    const auto nextOwner = std::make_unique<Recorded>();
    Recorded& next = *nextOwner;
    next.Run("maxrows\nseed 9\nnew\ndown ctrl\ntick 30");
    next.sim.game.state.autoPaused = 1;  // what a deactivation under the question leaves
    next.Run("new");
    const std::string opening = next.Script();
    EXPECT_NE(opening.find("rowsup\nrowsup\nnew\ndown ctrl\nrelease\ndeactivate\npause\n"), std::string::npos) << opening;
    ExpectSameGame(next);
}

}  // namespace
