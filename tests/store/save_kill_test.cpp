// A program killed at any moment of a save: a child process saves the
// settings over and over, alternating two tables, and is killed with
// SIGKILL at a random point; the file must be the one table or the other,
// complete, and a temporary file the kill left must be gone after the next
// save.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <string>

#include "store/settings.h"
#include "tests/store/temp_files.h"

namespace {

constexpr int kKills = 1000;

struct Saved {
    Options options;
    ScoreTable table;
};

// Two states that differ in every flag and in the rows' lengths, so that a
// mix or a cut of them is neither.
Saved State(bool second) {
    Saved saved{kDefaultOptions, {}};
    ClearScores(saved.table);
    if (second) {
        saved.options = {0, 0, 0, 0, 0, 0, 1};
        for (int i = 0; i < kScoreRows; ++i) saved.table.rows[i] = {100000 - i, 1000 + i, "Zhang San Feng"};
    }
    return saved;
}

bool Save(const Saved& saved, const std::string& file) { return SaveSettings(saved.options, saved.table, file.c_str()); }

std::set<std::string> TempsBeside(const std::string& file) {
    std::set<std::string> names;
    const std::filesystem::path path(file);
    for (const auto& entry : std::filesystem::directory_iterator(path.parent_path()))
        if (entry.path() != path) names.insert(entry.path().filename().string());
    return names;
}

// The child: tells the parent after its first save, then saves until it is
// killed.
[[noreturn]] void SaveForever(const std::string& file, int ready) {
    bool second = true;
    if (!Save(State(second), file)) _exit(1);
    if (write(ready, "s", 1) != 1) _exit(1);
    for (;;) {
        second = !second;
        if (!Save(State(second), file)) _exit(1);
    }
}

void SleepMicroseconds(long microseconds) {
    const timespec pause = {microseconds / 1000000, (microseconds % 1000000) * 1000};
    nanosleep(&pause, nullptr);
}

TEST(SaveKill, TheFileIsAlwaysTheOldOrTheNewOneAndNoTemporaryFileOutlivesTheNextSave) {
    TempDir dir;
    const std::string file = dir.Path("trelmo.ini");
    // The two files a save can leave, each made over the other.
    ASSERT_TRUE(Save(State(true), file));
    ASSERT_TRUE(Save(State(false), file));
    const std::string first = ReadBytes(file);
    ASSERT_TRUE(Save(State(true), file));
    const std::string second = ReadBytes(file);
    ASSERT_NE(first, second);

    // Kills spread over a few saves' time land anywhere in one.
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 20; ++i) Save(State(i % 2 == 0), file);
    const long saveMicroseconds =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count() / 20;
    std::mt19937 random(17);
    std::uniform_int_distribution<long> delay(0, 3 * saveMicroseconds + 50);

    std::set<std::string> left;  // temporary files the last kill left
    int killedWithTemp = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            SaveForever(file, ready[1]);
        }
        close(ready[1]);
        char mark = 0;
        const bool saved = read(ready[0], &mark, 1) == 1;
        close(ready[0]);
        if (saved) {
            for (const std::string& name : left)
                EXPECT_FALSE(std::filesystem::exists(dir.Path(name))) << name << " outlived the next save";
            SleepMicroseconds(delay(random));
        }
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(saved && WIFSIGNALED(status)) << "the child's save failed at kill " << kill;

        const std::string now = ReadBytes(file);
        ASSERT_TRUE(now == first || now == second) << "kill " << kill << " left:\n" << now;
        left = TempsBeside(file);
        EXPECT_LE(left.size(), 1u);
        killedWithTemp += left.empty() ? 0 : 1;
    }
    std::printf("%d kills, %d of them while a temporary file was being written (a save takes about %ld us)\n",
                kKills, killedWithTemp, saveMicroseconds);
    // Most kills must land inside a save, or the test proves little.
    EXPECT_GT(killedWithTemp, kKills / 4);
}

}  // namespace
#endif
