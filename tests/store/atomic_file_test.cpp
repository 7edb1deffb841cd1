// Saving through the portable profile functions: the file is replaced whole
// or not at all, whichever step of the save fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "store/atomic_file.h"
#include "store/profile_portable.h"
#include "tests/store/temp_files.h"

namespace {

constexpr char kOld[] = "\xEF\xBB\xBF; kept\r\n[Settings]\r\nSound=1\r\n";
constexpr char kNew[] = "\xEF\xBB\xBF; kept\r\n[Settings]\r\nSound=0\r\n";

bool SaveSound(const std::string& file) { return PortableWriteProfileText("Settings", "Sound", "0", file.c_str()); }

std::string Folder(const std::string& path) { return std::filesystem::path(path).parent_path().string(); }

// The names in the folder of `path`, sorted.
std::vector<std::string> FilesBeside(const std::string& path) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Folder(path)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class AtomicSave : public ::testing::Test {
protected:
    void TearDown() override { UseFileOps(nullptr); }
    TempDir dir_;
};

// What the temporary file and the file held when one took the other's place.
struct RenameSeen {
    std::string from, to, fromBytes, toBytes;
};
RenameSeen seen;

TEST_F(AtomicSave, TheFullyWrittenTemporaryFileReplacesTheFileFromBesideIt) {
    const std::string file = dir_.Path("trelmo.ini");
    WriteBytes(file, kOld);
    FileOps ops = SystemFileOps();
    ops.rename = [](const char* from, const char* to) {
        seen = {from, to, ReadBytes(from), ReadBytes(to)};
        return SystemFileOps().rename(from, to);
    };
    UseFileOps(&ops);
    EXPECT_TRUE(SaveSound(file));
    EXPECT_EQ(seen.to, file);
    EXPECT_EQ(Folder(seen.from), Folder(file));
    EXPECT_EQ(seen.fromBytes, kNew);
    EXPECT_EQ(seen.toBytes, kOld);
    EXPECT_EQ(ReadBytes(file), kNew);
    EXPECT_EQ(FilesBeside(file), std::vector<std::string>{"trelmo.ini"});
}

TEST_F(AtomicSave, TwoWritersNeverShareATemporaryFile) {
    const std::string file = dir_.Path("trelmo.ini");
    const FileOps& ops = SystemFileOps();
    std::string first, second;
    const int a = ops.openTemp(file.c_str(), first);
    const int b = ops.openTemp(file.c_str(), second);
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    EXPECT_NE(first, second);
    EXPECT_TRUE(ops.close(a) && ops.close(b));
    EXPECT_TRUE(ops.remove(first.c_str()) && ops.remove(second.c_str()));
}

#ifndef _WIN32
mode_t ModeOf(const std::string& path) {
    struct stat status {};
    stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

TEST_F(AtomicSave, TheFileKeepsItsPermissionsAndANewOneFollowsTheUmask) {
    for (const mode_t mode : {0600, 0640, 0604}) {
        const std::string file = dir_.Path("mode" + std::to_string(mode) + ".ini");
        WriteBytes(file, kOld);
        chmod(file.c_str(), mode);
        EXPECT_TRUE(SaveSound(file));
        EXPECT_EQ(ModeOf(file), mode);
    }
    const mode_t userMask = umask(0);
    for (const mode_t mask : {022, 077, 0}) {
        umask(mask);
        const std::string file = dir_.Path("new" + std::to_string(mask) + ".ini");
        EXPECT_TRUE(SaveSound(file));
        EXPECT_EQ(ModeOf(file), 0644 & ~mask) << "umask " << mask;
    }
    umask(userMask);
}
#endif

// One step of the save made to fail.
struct FailingStep {
    const char* name;
    void (*breakStep)(FileOps& ops);
};

void PrintTo(const FailingStep& step, std::ostream* out) { *out << step.name; }

const FailingStep kSteps[] = {
    {"OpenTemp", [](FileOps& ops) { ops.openTemp = [](const char*, std::string&) { return -1; }; }},
    {"KeepMode", [](FileOps& ops) { ops.keepMode = [](int, const char*) { return false; }; }},
    // Half the text reaches the disk, as when it fills up.
    {"Write",
     [](FileOps& ops) {
         ops.write = [](int file, const char* data, size_t size) {
             SystemFileOps().write(file, data, size / 2);
             return false;
         };
     }},
    {"Sync", [](FileOps& ops) { ops.sync = [](int) { return false; }; }},
    // A close that reports a delayed write error still lets the file go.
    {"Close",
     [](FileOps& ops) {
         ops.close = [](int file) {
             SystemFileOps().close(file);
             return false;
         };
     }},
    {"Rename", [](FileOps& ops) { ops.rename = [](const char*, const char*) { return false; }; }},
};

class AtomicSaveFailing : public AtomicSave, public ::testing::WithParamInterface<FailingStep> {};

TEST_P(AtomicSaveFailing, LeavesTheOldFileAsItWasAndNoTemporaryFile) {
    const std::string file = dir_.Path("trelmo.ini");
    WriteBytes(file, kOld);
    FileOps ops = SystemFileOps();
    GetParam().breakStep(ops);
    UseFileOps(&ops);
    EXPECT_FALSE(SaveSound(file));
    EXPECT_FALSE(SaveSound(dir_.Path("new.ini")));
    EXPECT_EQ(ReadBytes(file), kOld);
    EXPECT_EQ(FilesBeside(file), std::vector<std::string>{"trelmo.ini"});
}

INSTANTIATE_TEST_SUITE_P(Store, AtomicSaveFailing, ::testing::ValuesIn(kSteps),
                         [](const ::testing::TestParamInfo<FailingStep>& info) { return info.param.name; });

}  // namespace
