#include <gtest/gtest.h>

#include <algorithm>

#include "game/difficulty.h"
#include "tests/game/recording_host.h"

namespace {

using Calls = std::vector<std::string>;

class DifficultyTest : public ::testing::Test {
protected:
    void SetUp() override { StartFresh(game, host); }

    bool Saw(const std::string& call) {
        return std::find(host.calls.begin(), host.calls.end(), call) != host.calls.end();
    }

    Game game;
    RecordingHost host;
};

// Intervals by level, rising from program start and falling from level 19.
constexpr int kRising[20] = {1100, 1000, 900, 800, 700, 600, 500, 400, 300, 200,
                             100,  90,   80,  70,  60,  50,  40,  30,  20,  0};
constexpr int kFalling[20] = {1000, 1080, 980, 880, 780, 680, 580, 480, 380, 280,
                              180,  80,   70,  60,  50,  40,  30,  20,  10,  0};

TEST_F(DifficultyTest, RisingIntervalsFollowTheLevelsAndGreyAtNineteen) {
    for (int level = 1; level <= 19; ++level) {
        host.Take();
        SpeedUp(game);
        EXPECT_EQ(game.state.speedLevel, level);
        EXPECT_EQ(game.state.interval, kRising[level]) << level;
        EXPECT_EQ(host.calls.back(), "timer " + std::to_string(kRising[level]));
        EXPECT_EQ(Saw("button SpeedUp 0"), level == 19) << level;
    }
}

TEST_F(DifficultyTest, FallingIntervalsFromNineteenFollowTheirOwnPath) {
    for (int i = 0; i < 19; ++i) SpeedUp(game);
    for (int level = 18; level >= 0; --level) {
        host.Take();
        SpeedDown(game);
        EXPECT_EQ(game.state.speedLevel, level);
        EXPECT_EQ(game.state.interval, kFalling[level]) << level;
        EXPECT_TRUE(Saw("button SpeedUp 1"));
        EXPECT_EQ(Saw("button SpeedDown 0"), level == 0) << level;
    }
}

TEST_F(DifficultyTest, SpeedDownAtProgramStartSetsOneThousand) {
    SpeedDown(game);
    EXPECT_EQ(game.state.speedLevel, 0);
    EXPECT_EQ(game.state.interval, 1000);
    EXPECT_EQ(host.Take(), (Calls{"button SpeedUp 1", "button SpeedDown 0", "speed", "timer 1000"}));
}

TEST_F(DifficultyTest, SpeedUpAtNineteenStillRepaintsAndRearms) {
    for (int i = 0; i < 19; ++i) SpeedUp(game);
    host.Take();
    SpeedUp(game);
    EXPECT_EQ(game.state.speedLevel, 19);
    EXPECT_EQ(host.Take(), (Calls{"button SpeedDown 1", "button SpeedUp 0", "speed", "timer 0"}));
}

TEST_F(DifficultyTest, IntervalBelowZeroIsKeptButArmedAsZero) {
    SpeedDown(game);  // 1000 ms at level 0
    for (int i = 0; i < 10; ++i) SpeedUp(game);
    EXPECT_EQ(game.state.interval, 0);
    host.Take();
    SpeedUp(game);
    EXPECT_EQ(game.state.speedLevel, 11);
    EXPECT_EQ(game.state.interval, -10);
    EXPECT_EQ(host.calls.back(), "timer 0");
    for (int i = 0; i < 7; ++i) SpeedUp(game);
    EXPECT_EQ(game.state.interval, -80);
    SpeedUp(game);
    EXPECT_EQ(game.state.interval, 0);
}

TEST_F(DifficultyTest, RowsUpGreysOneStepAfterSixteen) {
    for (int i = 1; i <= 16; ++i) {
        RowsUp(game);
        EXPECT_EQ(game.state.startRows, i);
    }
    EXPECT_FALSE(Saw("button RowsUp 0"));
    RowsUp(game);
    EXPECT_EQ(game.state.startRows, 16);
    EXPECT_TRUE(Saw("button RowsUp 0"));
}

TEST_F(DifficultyTest, RowsDownGreysOnReachingZeroAndStaysThere) {
    RowsUp(game);
    host.Take();
    RowsDown(game);
    EXPECT_EQ(host.Take(), (Calls{"button RowsUp 1", "button RowsDown 0", "startrows"}));
    RowsDown(game);
    EXPECT_EQ(game.state.startRows, 0);
}

TEST_F(DifficultyTest, MaxRowsFromZeroMakesSeventeenWaitedSteps) {
    MaxRows(game);
    host.Settle(game);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "wait 50"), 17);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "startrows"), 17);
    EXPECT_EQ(host.calls.front(), "wait 50");
    EXPECT_EQ(game.state.startRows, 16);
    EXPECT_TRUE(Saw("button RowsUp 0"));
}

TEST_F(DifficultyTest, MaxSpeedFromTwelveMakesEightSteps) {
    for (int i = 0; i < 12; ++i) SpeedUp(game);
    host.Take();
    MaxSpeed(game);
    host.Settle(game);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "wait 50"), 8);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "speed"), 8);
    EXPECT_EQ(game.state.speedLevel, 19);
    EXPECT_EQ(game.state.interval, 0);
}

TEST_F(DifficultyTest, MaxSpeedAtNineteenMakesExactlyOneStep) {
    for (int i = 0; i < 19; ++i) SpeedUp(game);
    host.Take();
    MaxSpeed(game);
    host.Settle(game);
    EXPECT_EQ(host.Take(), (Calls{"wait 50", "button SpeedDown 1", "button SpeedUp 0", "speed", "timer 0"}));
}

}  // namespace
