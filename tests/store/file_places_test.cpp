// The settings file where users keep it: behind a symbolic link, read-only,
// or with a folder in its place. And a save is one replacement of the file.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "store/atomic_file.h"
#include "store/settings.h"
#include "tests/store/temp_files.h"

namespace {

constexpr char kOld[] = "; mine\r\n[Settings]\r\nSound=1\r\n";

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool Save(const std::string& file) {
    ScoreTable table;
    ClearScores(table);
    Options options = kDefaultOptions;
    options.sound = 0;
    return SaveSettings(options, table, file.c_str());
}

bool IsLink(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

class FilePlaces : public ::testing::Test {
protected:
    void TearDown() override { UseFileOps(nullptr); }
    TempDir dir_;
};

TEST_F(FilePlaces, ALinkStaysALinkAndItsTargetIsReplacedInItsOwnFolder) {
    std::filesystem::create_directories(dir_.Path("dotfiles/trelmo"));
    std::filesystem::create_directories(dir_.Path("config/trelmo"));
    WriteBytes(dir_.Path("dotfiles/trelmo/trelmo.ini"), kOld);
    // A relative link, through a second link, as dotfiles managers make them.
    ASSERT_EQ(symlink("../../dotfiles/trelmo/trelmo.ini", dir_.Path("config/trelmo/real.ini").c_str()), 0);
    ASSERT_EQ(symlink("real.ini", dir_.Path("config/trelmo/trelmo.ini").c_str()), 0);
    const std::string link = dir_.Path("config/trelmo/trelmo.ini");

    EXPECT_TRUE(Save(link));
    EXPECT_TRUE(IsLink(link));
    EXPECT_TRUE(IsLink(dir_.Path("config/trelmo/real.ini")));
    const std::string target = ReadBytes(dir_.Path("dotfiles/trelmo/trelmo.ini"));
    EXPECT_EQ(target.rfind("; mine\r\n[Settings]\r\nSound=0\r\n", 0), 0u) << target;
    EXPECT_NE(target.find("Player9=0,0,Anonymous"), std::string::npos);
    EXPECT_EQ(Names(dir_.Path("config/trelmo")), (std::vector<std::string>{"real.ini", "trelmo.ini"}));
    EXPECT_EQ(Names(dir_.Path("dotfiles/trelmo")), std::vector<std::string>{"trelmo.ini"});
}

TEST_F(FilePlaces, ALinkToNothingYetCreatesItsTarget) {
    std::filesystem::create_directories(dir_.Path("dotfiles"));
    ASSERT_EQ(symlink(dir_.Path("dotfiles/trelmo.ini").c_str(), dir_.Path("trelmo.ini").c_str()), 0);
    EXPECT_TRUE(Save(dir_.Path("trelmo.ini")));
    EXPECT_TRUE(IsLink(dir_.Path("trelmo.ini")));
    EXPECT_NE(ReadBytes(dir_.Path("dotfiles/trelmo.ini")).find("Sound=0"), std::string::npos);
}

// Even for the superuser, who may write any file: the player made it
// read-only on purpose.
TEST_F(FilePlaces, AReadOnlyFileIsLeftUnwrittenAndTheSaveFails) {
    const std::string file = dir_.Path("trelmo.ini");
    WriteBytes(file, kOld);
    ASSERT_EQ(chmod(file.c_str(), 0444), 0);
    EXPECT_FALSE(Save(file));
    EXPECT_EQ(ReadBytes(file), kOld);
    struct stat info;
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
    EXPECT_EQ(Names(dir_.Path("")), std::vector<std::string>{"trelmo.ini"});
}

TEST_F(FilePlaces, AFolderInTheFilesPlaceFailsTheSaveAndStays) {
    const std::string file = dir_.Path("trelmo.ini");
    std::filesystem::create_directories(file);
    EXPECT_FALSE(Save(file));
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(Names(dir_.Path("")), std::vector<std::string>{"trelmo.ini"});
}

// All seventeen keys reach the file together: a save cut short anywhere
// leaves the file before all of them or after all of them.
int renames = 0;
TEST_F(FilePlaces, ASaveReplacesTheFileOnce) {
    FileOps ops = SystemFileOps();
    ops.rename = [](const char* from, const char* to) {
        ++renames;
        return SystemFileOps().rename(from, to);
    };
    UseFileOps(&ops);
    const std::string file = dir_.Path("trelmo.ini");
    WriteBytes(file, kOld);
    EXPECT_TRUE(Save(file));
    EXPECT_EQ(renames, 1);
    EXPECT_TRUE(Save(file));
    EXPECT_EQ(renames, 1) << "a save that changes nothing leaves the file alone";
}

}  // namespace
#endif
