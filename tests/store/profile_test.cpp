// The profile-file functions: the same cases run against the portable
// version and, in the Windows build, against the system's own functions as
// trelmo.exe hands them in.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

#include "store/profile_portable.h"
#include "tests/store/temp_files.h"
#include "tests/support/texts.h"
#ifdef _WIN32
#include "win32/profile_win32.h"
#endif

namespace {

struct ProfileApi {
    const char* name;
    uint32_t (*read)(const char*, const char*, const char*, char*, uint32_t, const char*);
    bool (*write)(const char*, const char*, const char*, const char*);
};

const ProfileApi kApis[] = {
#ifdef _WIN32
    {"Windows", kWindowsProfile.read, kWindowsProfile.write},
#endif
    {"Portable", PortableReadProfileText, PortableWriteProfileText},
};

void PrintTo(const ProfileApi& api, std::ostream* out) { *out << api.name; }

constexpr char kCanary = 'X';

class Profile : public ::testing::TestWithParam<ProfileApi> {
protected:
    // Reads into a buffer of `size` bytes filled with `fill`, and checks
    // that nothing past it was touched.
    std::string Read(const std::string& file, const char* section, const char* key, uint32_t size = 78,
                     const char* defaultText = "def", uint32_t* result = nullptr, char fill = kCanary) {
        char buffer[4096];
        std::memset(buffer, fill, sizeof buffer);
        const uint32_t copied = GetParam().read(section, key, defaultText, buffer, size, file.c_str());
        if (result) *result = copied;
        EXPECT_EQ(buffer[size], fill) << "wrote past the buffer";
        EXPECT_LT(std::strlen(buffer), size) << "not terminated inside the buffer";
        return std::string(buffer, std::strlen(buffer));
    }
    bool Write(const std::string& file, const char* section, const char* key, const char* value) {
        return GetParam().write(section, key, value, file.c_str());
    }
    std::string File(const std::string& name, const std::string& bytes) {
        const std::string path = dir_.Path(name);
        WriteBytes(path, bytes);
        return path;
    }
    std::string Path(const std::string& name) { return dir_.Path(name); }

private:
    TempDir dir_;
};

TEST_P(Profile, SectionAndKeyNamesIgnoreLetterCase) {
    const std::string file = File("case.ini", "[settings]\r\nSOUND=0\r\n[Score]\r\npLaYeR0=1,2,x\r\n");
    EXPECT_EQ(Read(file, "Settings", "Sound"), "0");
    EXPECT_EQ(Read(file, "SETTINGS", "sound"), "0");
    EXPECT_EQ(Read(file, "score", "PLAYER0"), "1,2,x");
}

TEST_P(Profile, AbsentFileSectionOrKeyGivesTheDefaultCutToTheBuffer) {
    const std::string absent = Path("absent.ini");
    uint32_t copied = 0;
    EXPECT_EQ(Read(absent, "Settings", "Sound", 5, "wrong!!", &copied), "wron");
    EXPECT_EQ(copied, 4u);
    EXPECT_EQ(Read(absent, "Score", "Player0", 78, "wrong!!", &copied), "wrong!!");
    EXPECT_EQ(copied, 7u);
    EXPECT_EQ(ReadBytes(absent), "<absent>") << "reading must not create the file";

    const std::string file = File("some.ini", "[Settings]\r\nSound=0\r\n");
    EXPECT_EQ(Read(file, "Settings", "Style", 5, "wrong!!"), "wron");
    EXPECT_EQ(Read(file, "Score", "Player0", 78, "wrong!!"), "wrong!!");
    EXPECT_EQ(Read(File("empty.ini", ""), "Settings", "Sound", 5, "wrong!!"), "wron");
}

TEST_P(Profile, DefaultTextLosesTrailingSpacesAndOnePairOfQuotes) {
    const std::string absent = Path("absent.ini");
    EXPECT_EQ(Read(absent, "s", "k", 78, "  wr  "), "  wr");
    EXPECT_EQ(Read(absent, "s", "k", 78, "\"wr\""), "wr");
    EXPECT_EQ(Read(absent, "s", "k", 78, nullptr), "");
    uint32_t copied = 1;
    EXPECT_EQ(Read(absent, "s", "k", 1, "wrong!!", &copied), "");
    EXPECT_EQ(copied, 0u);
}

TEST_P(Profile, LongValuesAreCutToTheBufferAndAlwaysTerminated) {
    const std::string file = File("cut.ini", "[s]\r\nk=abcdefgh\r\n");
    uint32_t copied = 0;
    EXPECT_EQ(Read(file, "s", "k", 5, "", &copied), "abcd");
    EXPECT_EQ(copied, 4u);
    EXPECT_EQ(Read(file, "s", "k", 1, "", &copied), "");
    EXPECT_EQ(copied, 0u);
    EXPECT_EQ(Read(file, "s", "k", 8, "", &copied), "abcdefg");
    EXPECT_EQ(copied, 7u);
    EXPECT_EQ(Read(file, "s", "k", 9, "", &copied), "abcdefgh");
    EXPECT_EQ(copied, 8u);
}

TEST_P(Profile, BlanksAroundLinesNamesAndValuesDoNotCount) {
    const std::string file = File("blanks.ini",
                                  "  [ Spaced ]  \r\n"
                                  "  Key  =  v a l  \r\n"
                                  "Tab\t=\tx\t\r\n"
                                  "Empty=\r\n"
                                  "inner key=y\r\n");
    EXPECT_EQ(Read(file, "Spaced", "Key"), "v a l");
    EXPECT_EQ(Read(file, " Spaced ", " key "), "v a l");
    EXPECT_EQ(Read(file, "Spaced", "Tab"), "x");
    EXPECT_EQ(Read(file, "Spaced", "Empty"), "");
    EXPECT_EQ(Read(file, "Spaced", "inner key"), "y");
}

TEST_P(Profile, OnePairOfMatchingQuotesAroundAValueIsRemoved) {
    const std::string file = File("quotes.ini",
                                  "[s]\r\n"
                                  "double=\"quoted\"\r\n"
                                  "single='single'\r\n"
                                  "half=\"half\r\n"
                                  "inside=\" spaced \"\r\n"
                                  "zero=\"0\"\r\n"
                                  "four=\"abcd\"\r\n");
    EXPECT_EQ(Read(file, "s", "double"), "quoted");
    EXPECT_EQ(Read(file, "s", "single"), "single");
    EXPECT_EQ(Read(file, "s", "half"), "\"half");
    EXPECT_EQ(Read(file, "s", "inside"), " spaced ");
    EXPECT_EQ(Read(file, "s", "zero", 5), "0");
    // When the text with its closing quote just fills the buffer, the
    // closing quote is cut and then the last letter goes in its place.
    EXPECT_EQ(Read(file, "s", "four", 5), "abc");
    EXPECT_EQ(Read(file, "s", "four", 6), "abcd");
}

TEST_P(Profile, FirstOfRepeatedKeysAndOfRepeatedSectionsWins) {
    const std::string file = File("repeat.ini",
                                  "[Settings]\r\nDup=first\r\ndup=second\r\n"
                                  "[Other]\r\nDup=other\r\n"
                                  "[SETTINGS]\r\nDup=third\r\nLater=only here\r\n");
    EXPECT_EQ(Read(file, "Settings", "Dup"), "first");
    EXPECT_EQ(Read(file, "Settings", "Later"), "def");
    EXPECT_EQ(Read(file, "Other", "Dup"), "other");
}

TEST_P(Profile, LinesWithoutEqualsSignAreKeysWithoutValue) {
    const std::string file = File("noequals.ini",
                                  "first=before any section\r\n"
                                  "[s]\r\nnoequals\r\n[unclosed\r\nafter=still in s\r\n"
                                  "; comment=5\r\n");
    EXPECT_EQ(Read(file, "s", "noequals"), "def");
    EXPECT_EQ(Read(file, "s", "after"), "still in s");
    EXPECT_EQ(Read(file, "s", "; comment"), "5") << "no comment syntax: a ';' line is an ordinary key";
    EXPECT_EQ(Read(file, "", "first"), "before any section");
}

TEST_P(Profile, AnyLineEndingAndNoFinalNewlineAreRead) {
    const char* texts[] = {
        "[s]\r\na=1\r\nb=2\r\n", "[s]\na=1\nb=2\n", "[s]\ra=1\rb=2\r",
        "[s]\r\na=1\r\nb=2",     "[s]\n\r\n\na=1\r\rb=2",
    };
    int n = 0;
    for (const char* text : texts) {
        const std::string file = File("ends" + std::to_string(n++) + ".ini", text);
        EXPECT_EQ(Read(file, "s", "a"), "1") << text;
        EXPECT_EQ(Read(file, "s", "b"), "2") << text;
    }
}

TEST_P(Profile, OverLongLinesAndHugeFilesAreRead) {
    const std::string longLines = "[Score]\r\nPlayer0=" + std::string(5000, 'a') + "\r\n" + std::string(5000, 'k') +
                                  "=1\r\nPlayer1=1,2,x\r\n";
    const std::string file = File("long.ini", longLines);
    EXPECT_EQ(Read(file, "Score", "Player0"), std::string(77, 'a'));
    EXPECT_EQ(Read(file, "Score", "Player1"), "1,2,x");

    std::string huge = "[Junk]\r\n";
    while (huge.size() < 6u * 1024 * 1024) huge += "filler key=some value that goes on for a while\r\n";
    huge += "[Settings]\r\nSound=0\r\n";
    const std::string hugeFile = File("huge.ini", huge);
    EXPECT_EQ(Read(hugeFile, "Settings", "Sound"), "0");
    EXPECT_EQ(Read(hugeFile, "Settings", "Style"), "def");
}

TEST_P(Profile, BinaryBytesNeitherBreakLinesNorHideOtherKeys) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    const char head[] = "[S]\r\na=1\r\nctl=1\x01\x02\x7f,2\r\nnul=x\0y\r\n";
    const std::string text =
        std::string(head, sizeof head - 1) + all + "\r\nbad=1\xfe,2\r\nlone=\xd5\r\nc=3\r\n";
    const std::string file = File("binary.ini", text);
    EXPECT_EQ(Read(file, "S", "a"), "1");
    EXPECT_EQ(Read(file, "S", "ctl"), "1\x01\x02\x7f,2");
    EXPECT_EQ(Read(file, "S", "nul"), "x") << "a NUL byte ends the value";
    EXPECT_EQ(Read(file, "S", "bad"), "1?2") << "a lead byte with an invalid trail byte is one '?'";
    EXPECT_EQ(Read(file, "S", "lone"), "?");
    EXPECT_EQ(Read(file, "S", "c"), "3");

    // Noise from a fixed generator, then a section.
    std::string noise = "junk";
    unsigned state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 214013u + 2531011u;
        noise += static_cast<char>(state >> 16);
    }
    noise += "\r\n[Settings]\r\nSound=0\r\n";
    const std::string noiseFile = File("noise.ini", noise);
    EXPECT_EQ(Read(noiseFile, "Settings", "Sound"), "0");
    EXPECT_EQ(Read(noiseFile, "Settings", "Style"), "def");
}

TEST_P(Profile, DoubleByteValuesAreCutOnCharacterBoundaries) {
    std::string forty;
    for (int i = 0; i < 40; ++i) forty += ZHANG;
    const std::string file =
        File("gbk.ini", "[s]\r\nlong=" + forty + "\r\nflag=1" ZHANG ZHANG "\r\nname=1,2," ZHANG_SAN "\r\n");
    // A zeroed buffer: only the text counts here, since the Windows
    // function reports the full size when it leaves a half character out.
    EXPECT_EQ(Read(file, "s", "long", 78, "", nullptr, '\0'), forty.substr(0, 76));
    EXPECT_EQ(Read(file, "s", "flag", 5, "", nullptr, '\0'), "1" ZHANG);
    EXPECT_EQ(Read(file, "s", "name"), "1,2," ZHANG_SAN);
}

TEST_P(Profile, SignedFilesAreRead) {
    EXPECT_EQ(Read(File("utf8.ini", "\xEF\xBB\xBF[s]\r\nk=signed\r\n"), "s", "k"), "signed");
    const std::string utf16("\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0u\0\r\0\n\0", 22);
    EXPECT_EQ(Read(File("utf16.ini", utf16), "s", "k"), "u");
}

TEST_P(Profile, WritingCreatesTheFileWithSectionsInOrder) {
    const std::string file = Path("fresh.ini");
    EXPECT_TRUE(Write(file, "Settings", "DropStyle", "1"));
    EXPECT_TRUE(Write(file, "Settings", "Style", "0"));
    EXPECT_TRUE(Write(file, "Score", "Player0", "10,2,Li"));
    EXPECT_TRUE(Write(file, "Score", "Player1", "0,0,"));
    EXPECT_EQ(ReadBytes(file), "[Settings]\r\nDropStyle=1\r\nStyle=0\r\n[Score]\r\nPlayer0=10,2,Li\r\nPlayer1=0,0,\r\n");

    const std::string empty = File("empty.ini", "");
    EXPECT_TRUE(Write(empty, "Settings", "Sound", "1"));
    EXPECT_EQ(ReadBytes(empty), "[Settings]\r\nSound=1\r\n");
}

TEST_P(Profile, WritingReplacesAKeyInPlaceAndKeepsEverythingElse) {
    const std::string file = File("edit.ini",
                                  "; top comment\r\n"
                                  "[settings]\r\nsound=1\r\nstrange line\r\nUnknown=kept\r\n"
                                  "[Other]\r\nx=y\r\n");
    EXPECT_TRUE(Write(file, "Settings", "Sound", "0"));
    const std::string text = ReadBytes(file);
    EXPECT_NE(text.find("; top comment\r\n"), std::string::npos);
    EXPECT_NE(text.find("strange line\r\n"), std::string::npos);
    EXPECT_LT(text.find("[settings]\r\nsound=0\r\n"), text.find("Unknown=kept")) << "replaced where it stood";
    EXPECT_EQ(text.find("[Settings]"), std::string::npos) << "no second section";
    EXPECT_EQ(Read(file, "Settings", "Sound"), "0");
    EXPECT_EQ(Read(file, "Settings", "Unknown"), "kept");
    EXPECT_EQ(Read(file, "Other", "x"), "y");

    // A key standing without '=' takes the value.
    EXPECT_TRUE(Write(file, "Settings", "strange line", "v"));
    EXPECT_EQ(Read(file, "Settings", "strange line"), "v");
}

TEST_P(Profile, WritingAppendsAMissingKeyToTheFirstSectionOfItsName) {
    const std::string file = File("append.ini", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n[a]\r\nw=0\r\n");
    EXPECT_TRUE(Write(file, "a", "z", "3"));
    EXPECT_EQ(ReadBytes(file), "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n[a]\r\nw=0\r\n");
    EXPECT_TRUE(Write(file, "A", "X", "4"));
    EXPECT_EQ(Read(file, "a", "x"), "4");
    EXPECT_EQ(Read(file, "A", "w"), "def") << "the repeated section stays unread";

    // Right under the last key, not below the blank lines that follow it.
    const std::string spaced = File("spaced.ini", "[A]\r\nx=1\r\n\r\n\r\n[B]\r\ny=2\r\n");
    EXPECT_TRUE(Write(spaced, "A", "z", "3"));
    EXPECT_NE(ReadBytes(spaced).find("[A]\r\nx=1\r\nz=3\r\n"), std::string::npos);
    EXPECT_EQ(Read(spaced, "B", "y"), "2");
}

TEST_P(Profile, WritingAddsAMissingSectionAtTheEnd) {
    const std::string file = File("nofinal.ini", "[A]\r\nx=1");
    EXPECT_TRUE(Write(file, "B", "y", "2"));
    EXPECT_EQ(ReadBytes(file), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");

    const std::string lf = File("lf.ini", "[Settings]\nSound=1\n[Score]\nPlayer0=1,1,a");
    EXPECT_TRUE(Write(lf, "Settings", "Style", "1"));
    EXPECT_TRUE(Write(lf, "Score", "Player1", "2,2,b"));
    EXPECT_TRUE(Write(lf, "Extra", "k", "v"));
    EXPECT_EQ(Read(lf, "Settings", "Sound"), "1");
    EXPECT_EQ(Read(lf, "Settings", "Style"), "1");
    EXPECT_EQ(Read(lf, "Score", "Player0"), "1,1,a");
    EXPECT_EQ(Read(lf, "Score", "Player1"), "2,2,b");
    EXPECT_EQ(Read(lf, "Extra", "k"), "v");
}

TEST_P(Profile, WrittenValuesLoseLeadingBlanksAndReadBackWhole) {
    const std::string file = Path("values.ini");
    EXPECT_TRUE(Write(file, "Score", "Player0", "  5,5,x"));
    EXPECT_EQ(Read(file, "Score", "Player0"), "5,5,x");
    EXPECT_TRUE(Write(file, "Score", "Player0", "500,3,Li Ming"));
    EXPECT_EQ(Read(file, "Score", "Player0"), "500,3,Li Ming");
    EXPECT_TRUE(Write(file, "Score", "Player1", "1,2," ZHANG_SAN));
    EXPECT_EQ(Read(file, "Score", "Player1"), "1,2," ZHANG_SAN);
}

TEST_P(Profile, WritingKeepsTheUtf8Signature) {
    const std::string file = File("utf8.ini", "\xEF\xBB\xBF[s]\r\nk=v\r\n");
    EXPECT_TRUE(Write(file, "s", "k", "w"));
    EXPECT_EQ(ReadBytes(file).substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(Read(file, "s", "k"), "w");
}

TEST_P(Profile, WritingIntoAMissingDirectoryFails) {
    const std::string file = Path("no such dir/x.ini");
    EXPECT_FALSE(Write(file, "s", "k", "v"));
    EXPECT_EQ(Read(file, "s", "k"), "def");
}

INSTANTIATE_TEST_SUITE_P(Store, Profile, ::testing::ValuesIn(kApis),
                         [](const ::testing::TestParamInfo<ProfileApi>& info) { return info.param.name; });

}  // namespace
