// LoadSettings and SaveSettings over real files: natively through our own
// profile file, in the Windows build through the system's functions as
// trelmo.exe hands them in.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "store/profile_text.h"
#include "store/settings.h"
#include "tests/store/temp_files.h"
#include "tests/support/texts.h"
#ifdef _WIN32
#include "win32/profile_win32.h"
#endif

namespace {

// The settings file as the program of this build keeps it.
void LoadFile(Options& options, ScoreTable& table, int32_t& shapeCount, const char* file) {
#ifdef _WIN32
    SystemProfileKeys keys(kWindowsProfile, file);
    LoadSettings(keys, options, table, shapeCount);
#else
    LoadSettings(options, table, shapeCount, file);
#endif
}

bool SaveFile(const Options& options, const ScoreTable& table, const char* file) {
#ifdef _WIN32
    SystemProfileKeys keys(kWindowsProfile, file);
    return SaveSettings(keys, options, table);
#else
    return SaveSettings(options, table, file);
#endif
}

struct Loaded {
    Options options;
    ScoreTable table;
    int32_t shapeCount;
};

class Settings : public ::testing::Test {
protected:
    // As at start-up: the table zeroed, the shape count reset to 7.
    Loaded Load(const std::string& file) {
        Loaded loaded;
        std::memset(&loaded, 0, sizeof loaded);
        loaded.shapeCount = 7;
        LoadFile(loaded.options, loaded.table, loaded.shapeCount, file.c_str());
        return loaded;
    }
    std::string File(const std::string& name, const std::string& bytes) {
        const std::string path = dir_.Path(name);
        WriteBytes(path, bytes);
        return path;
    }
    std::string Path(const std::string& name) { return dir_.Path(name); }
    std::string FileWithRow(const std::string& value) {
        return File("row" + std::to_string(files_++) + ".ini", "[Score]\r\nPlayer0=" + value + "\r\n");
    }

private:
    TempDir dir_;
    int files_ = 0;
};

void ExpectDefaults(const Loaded& loaded) {
    const Options& o = loaded.options;
    EXPECT_EQ(o.dropStyle, 1);
    EXPECT_EQ(o.style, 1);
    EXPECT_EQ(o.sound, 1);
    EXPECT_EQ(o.preview, 1);
    EXPECT_EQ(o.look3D, 1);
    EXPECT_EQ(o.inverse, 1);
    EXPECT_EQ(o.rotateDir, 0);
    for (const HighScoreEntry& row : loaded.table.rows) {
        EXPECT_EQ(row.score, 0);
        EXPECT_EQ(row.lines, 0);
        EXPECT_STREQ(row.name, "Anonymous");
    }
    EXPECT_EQ(loaded.shapeCount, 7);
}

TEST_F(Settings, NoFileGivesTheDefaultsAndCreatesNothing) {
    const std::string file = Path("trelmo.ini");
    ExpectDefaults(Load(file));
    EXPECT_EQ(ReadBytes(file), "<absent>");
}

TEST_F(Settings, EmptyOrBinaryFilesGiveTheDefaults) {
    ExpectDefaults(Load(File("empty.ini", "")));
    std::string noise = "junk";
    unsigned state = 99;
    for (int i = 0; i < 100000; ++i) {
        state = state * 214013u + 2531011u;
        noise += static_cast<char>(state >> 16);
    }
    ExpectDefaults(Load(File("noise.ini", noise)));
}

TEST_F(Settings, EachKeyFillsItsOwnFlag) {
    const Loaded loaded = Load(File("all.ini",
                                    "[Settings]\r\nDropStyle=0\r\nStyle=0\r\nSound=0\r\nPreview=0\r\n"
                                    "3Dtrelmo=0\r\nInverse=0\r\nRotateDir=1\r\n"));
    const Options& o = loaded.options;
    EXPECT_EQ(o.dropStyle, 0);
    EXPECT_EQ(o.style, 0);
    EXPECT_EQ(o.sound, 0);
    EXPECT_EQ(o.preview, 0);
    EXPECT_EQ(o.look3D, 0);
    EXPECT_EQ(o.inverse, 0);
    EXPECT_EQ(o.rotateDir, 1);
    EXPECT_EQ(loaded.shapeCount, 11) << "Style 0 plays eleven shapes";

    const Loaded one = Load(File("one.ini", "[Settings]\r\nStyle=1\r\nDropStyle=0\r\n"));
    EXPECT_EQ(one.options.style, 1);
    EXPECT_EQ(one.shapeCount, 7);
    EXPECT_EQ(one.options.dropStyle, 0);
    EXPECT_EQ(one.options.sound, 1);
}

TEST_F(Settings, OnlyZeroClearsAFlagAndOnlyOneSetsRotateDir) {
    struct Case {
        const char* value;
        int32_t sound;
        int32_t rotateDir;
    };
    const Case cases[] = {
        {"0", 0, 0},     {"1", 1, 1},       {"2", 1, 0},       {"00", 1, 0},
        {"yes", 1, 0},   {"", 1, 0},        {" 0 ", 0, 0},     {"\"0\"", 0, 0},
        {"\"1\"", 1, 1}, {"00000", 1, 0},   {"11111", 1, 0},   {"0abcdefgh", 1, 0},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string v = c.value;
        const Loaded loaded =
            Load(File("flag" + std::to_string(n++) + ".ini", "[Settings]\r\nSound=" + v + "\r\nRotateDir=" + v + "\r\n"));
        EXPECT_EQ(loaded.options.sound, c.sound) << "Sound=" << v;
        EXPECT_EQ(loaded.options.rotateDir, c.rotateDir) << "RotateDir=" << v;
    }
}

TEST_F(Settings, SectionAndKeyNamesIgnoreLetterCase) {
    const Loaded loaded = Load(File("case.ini", "[sEtTiNgS]\r\nsound=0\r\nROTATEDIR=1\r\n[SCORE]\r\nplayer3=7,8,x\r\n"));
    EXPECT_EQ(loaded.options.sound, 0);
    EXPECT_EQ(loaded.options.rotateDir, 1);
    EXPECT_EQ(loaded.table.rows[3].score, 7);
    EXPECT_EQ(loaded.table.rows[3].lines, 8);
    EXPECT_STREQ(loaded.table.rows[3].name, "x");
}

TEST_F(Settings, ScoreRowsAreReadWithTheRowPattern) {
    const Loaded loaded = Load(File("rows.ini",
                                    "[Score]\r\n"
                                    "Player0=500,3,Li Ming\r\n"
                                    "Player1=120\r\n"
                                    "Player2=wrong!!\r\n"
                                    "Player4=0,0,\r\n"
                                    "Player5=-5,+6,x\r\n"
                                    "Player6=abc\r\n"
                                    "Player7=\"7,7,quoted\"\r\n"
                                    "Player8=8 ,8,x\r\n"
                                    "Player9=9,9," ZHANG_SAN "\r\n"));
    const HighScoreEntry* rows = loaded.table.rows;
    auto expectRow = [&](int i, int32_t score, int32_t lines, const char* name) {
        EXPECT_EQ(rows[i].score, score) << "row " << i;
        EXPECT_EQ(rows[i].lines, lines) << "row " << i;
        EXPECT_STREQ(rows[i].name, name) << "row " << i;
    };
    expectRow(0, 500, 3, "Li");  // the name stops at white space
    expectRow(1, 120, 0, "");    // the missing fields keep their zeroes
    expectRow(2, 0, 0, "Anonymous");
    expectRow(3, 0, 0, "Anonymous");
    expectRow(4, 0, 0, "");
    expectRow(5, -5, 6, "x");
    expectRow(6, 0, 0, "");
    expectRow(7, 7, 7, "quoted");
    expectRow(8, 8, 0, "");
    expectRow(9, 9, 9, ZHANG_SAN);
}

TEST_F(Settings, FieldsThatFailKeepTheValuesTheRowHad) {
    const char* values[] = {"abc", "5", "5,6", "5,6,", "5,x,y"};
    const HighScoreEntry expected[] = {{1, 2, "Old"}, {5, 2, "Old"}, {5, 6, "Old"}, {5, 6, "Old"}, {5, 2, "Old"}};
    for (int i = 0; i < 5; ++i) {
        Options options{};
        ScoreTable table;
        std::memset(&table, 0, sizeof table);
        table.rows[0] = {1, 2, "Old"};
        int32_t shapeCount = 7;
        LoadFile(options, table, shapeCount, FileWithRow(values[i]).c_str());
        EXPECT_EQ(table.rows[0].score, expected[i].score) << values[i];
        EXPECT_EQ(table.rows[0].lines, expected[i].lines) << values[i];
        EXPECT_STREQ(table.rows[0].name, expected[i].name) << values[i];
    }
}

TEST_F(Settings, NamesOfAnyLengthAreCutTo19BytesOnCharacterBoundaries) {
    std::string ten;  // ten double-byte characters, 20 bytes
    for (int i = 0; i < 10; ++i) ten += ZHANG;
    struct Case {
        std::string name;
        std::string loaded;
    };
    const Case cases[] = {
        {"a", "a"},
        {std::string(19, 'n'), std::string(19, 'n')},
        {std::string(20, 'n'), std::string(19, 'n')},
        {std::string(200, 'n'), std::string(19, 'n')},
        {ten, ten.substr(0, 18)},
        {"a" + ten, "a" + ten.substr(0, 18)},
        {"ab" + ten, "ab" + ten.substr(0, 16)},  // the 19-byte cut would split a character
    };
    for (const Case& c : cases) {
        const Loaded loaded = Load(FileWithRow("1,2," + c.name));
        EXPECT_EQ(std::string(loaded.table.rows[0].name), c.loaded) << c.name.size() << " bytes";
        EXPECT_EQ(loaded.table.rows[0].score, 1);
    }
    // The value read is at most 77 bytes, so a long score leaves little name.
    const Loaded crowded = Load(FileWithRow(std::string(70, '0') + "1,2,abcdefghij"));
    EXPECT_EQ(crowded.table.rows[0].score, 1);
    EXPECT_STREQ(crowded.table.rows[0].name, "abc");
}

TEST_F(Settings, FileQuirksAreReadLikeTheSystemReadsThem) {
    const Loaded loaded = Load(File("quirks.ini",
                                    "[Settings]\nSound=0\nSound=1\n"
                                    "  Preview  =  0  \n"
                                    "[Settings]\nStyle=0\n"
                                    "[Score]\r\nPlayer0=" + std::string(3000, 'x') + "\r\nPlayer1=1,1,last"));
    EXPECT_EQ(loaded.options.sound, 0) << "the first of repeated keys";
    EXPECT_EQ(loaded.options.preview, 0);
    EXPECT_EQ(loaded.options.style, 1) << "a repeated section is not read";
    EXPECT_EQ(loaded.table.rows[0].score, 0) << "over-long line";
    EXPECT_STREQ(loaded.table.rows[0].name, "");
    EXPECT_EQ(loaded.table.rows[1].score, 1) << "no final newline";
    EXPECT_STREQ(loaded.table.rows[1].name, "last");

    std::string huge = "[Junk]\r\n";
    while (huge.size() < 3u * 1024 * 1024) huge += "filler=some value that goes on for a while\r\n";
    huge += "[Settings]\r\nRotateDir=1\r\n[Score]\r\nPlayer9=9,9,end\r\n";
    const Loaded big = Load(File("huge.ini", huge));
    EXPECT_EQ(big.options.rotateDir, 1);
    EXPECT_EQ(big.table.rows[9].score, 9);
    EXPECT_STREQ(big.table.rows[9].name, "end");
}

ScoreTable SampleTable() {
    ScoreTable table;
    ClearScores(table);
    table.rows[0] = {12345, 67, ZHANG_SAN};
    table.rows[1] = {900, 9, "Li Ming"};
    table.rows[2] = {-3, -4, ""};
    return table;
}

TEST_F(Settings, SaveWritesTheFlagsThenTheRowsInFileOrder) {
    const std::string file = Path("trelmo.ini");
    const Options options = {1, 0, 1, 0, 1, 0, 1};
    SaveFile(options, SampleTable(), file.c_str());
    EXPECT_EQ(ReadBytes(file),
              "[Settings]\r\nDropStyle=1\r\nStyle=0\r\nSound=1\r\nPreview=0\r\n3Dtrelmo=1\r\nInverse=0\r\n"
              "RotateDir=1\r\n[Score]\r\nPlayer0=12345,67," ZHANG_SAN "\r\nPlayer1=900,9,Li Ming\r\n"
              "Player2=-3,-4,\r\n"
              "Player3=0,0,Anonymous\r\nPlayer4=0,0,Anonymous\r\nPlayer5=0,0,Anonymous\r\n"
              "Player6=0,0,Anonymous\r\nPlayer7=0,0,Anonymous\r\nPlayer8=0,0,Anonymous\r\n"
              "Player9=0,0,Anonymous\r\n");
}

TEST_F(Settings, SavedSettingsLoadBackExceptNamesCutAtASpace) {
    const std::string file = Path("trelmo.ini");
    const Options options = {0, 0, 0, 1, 0, 1, 1};
    SaveFile(options, SampleTable(), file.c_str());
    const Loaded loaded = Load(file);
    EXPECT_EQ(std::memcmp(&loaded.options, &options, sizeof options), 0);
    EXPECT_EQ(loaded.shapeCount, 11);
    EXPECT_EQ(loaded.table.rows[0].score, 12345);
    EXPECT_STREQ(loaded.table.rows[0].name, ZHANG_SAN);
    EXPECT_STREQ(loaded.table.rows[1].name, "Li");
    EXPECT_EQ(loaded.table.rows[2].lines, -4);
    EXPECT_STREQ(loaded.table.rows[2].name, "") << "an empty name reads back empty";
    EXPECT_STREQ(loaded.table.rows[9].name, "Anonymous");

    // The next save writes the shortened name.
    SaveFile(loaded.options, loaded.table, file.c_str());
    EXPECT_NE(ReadBytes(file).find("Player1=900,9,Li\r\n"), std::string::npos);
}

TEST_F(Settings, SaveReplacesValuesAndKeepsUnknownKeysAndSections) {
    const std::string file = File("old.ini",
                                  "; written by hand\r\n"
                                  "[sEtTiNgS]\r\nsound=0\r\nVolume=11\r\n"
                                  "[Extra]\r\nkey=kept\r\n"
                                  "[score]\r\nplayer0=1,1,old\r\nPlayer10=10,10,ten\r\n");
    const Options options = {1, 1, 1, 1, 1, 1, 0};
    SaveFile(options, SampleTable(), file.c_str());
    const std::string text = ReadBytes(file);
    EXPECT_NE(text.find("; written by hand\r\n"), std::string::npos);
    EXPECT_NE(text.find("Volume=11\r\n"), std::string::npos);
    EXPECT_NE(text.find("[Extra]\r\nkey=kept\r\n"), std::string::npos);
    EXPECT_NE(text.find("Player10=10,10,ten\r\n"), std::string::npos);
    size_t headers = 0;
    for (char c : text) headers += c == '[';
    EXPECT_EQ(headers, 3u) << "the existing sections were used:\n" << text;

    const Loaded loaded = Load(file);
    EXPECT_EQ(loaded.options.sound, 1);
    EXPECT_EQ(loaded.table.rows[0].score, 12345);
    EXPECT_STREQ(loaded.table.rows[0].name, ZHANG_SAN);
    EXPECT_STREQ(loaded.table.rows[5].name, "Anonymous");
}

TEST_F(Settings, SaveWritesAnyNonZeroFlagAsOneAndStaysInsideTheNameField) {
    const std::string file = Path("trelmo.ini");
    const Options options = {5, -1, 0, 0, 0, 0, 2};
    ScoreTable table;
    ClearScores(table);
    std::memset(table.rows[0].name, 'z', sizeof table.rows[0].name);  // no terminator
    SaveFile(options, table, file.c_str());
    const std::string text = ReadBytes(file);
    EXPECT_NE(text.find("DropStyle=1\r\nStyle=1\r\nSound=0\r\n"), std::string::npos);
    EXPECT_NE(text.find("RotateDir=1\r\n"), std::string::npos);
    EXPECT_NE(text.find("Player0=0,0," + std::string(20, 'z') + "\r\n"), std::string::npos);
}

TEST_F(Settings, FailedSavesAreIgnored) {
    const std::string file = Path("missing dir/trelmo.ini");
    ScoreTable table;
    ClearScores(table);
    SaveFile(kDefaultOptions, table, file.c_str());
    EXPECT_EQ(ReadBytes(file), "<absent>");
    ExpectDefaults(Load(file));
}

}  // namespace

// Regression: a name read from a file with a UTF-8 signature kept bytes that
// are no GBK character, which a save then wrote into a plain file that read
// them back as '?' (found by settings_fuzz).
TEST(SettingsRoundTrip, NameFromAUtf8SignedFileSurvivesSaveAndLoad) {
    TempDir dir;
    const std::string input = dir.Path("signed.ini");
    WriteBytes(input, "\xEF\xBB\xBF[Score]\r\nPlayer0=15400,124,\xD5\x30\r\n");
    Options options{};
    ScoreTable first{}, second{};
    int32_t shapeCount = 7;
    LoadFile(options, first, shapeCount, input.c_str());
    const std::string saved = dir.Path("saved.ini");
    SaveFile(options, first, saved.c_str());
    LoadFile(options, second, shapeCount, saved.c_str());
    EXPECT_EQ(first.rows[0].score, 15400);
    EXPECT_STREQ(first.rows[0].name, second.rows[0].name);
}

// Regression: a name ending in Ctrl-Z was saved as a value ending in it,
// which the profile functions read back without it (found by settings_fuzz).
TEST(SettingsRoundTrip, NameNeverEndsInAnEndOfFileMark) {
    TempDir dir;
    const std::string input = dir.Path("ctrlz.ini");
    WriteBytes(input, "[Score]\r\nPlayer0=7,1,Any\x1a\x1a x\r\n");
    Options options{};
    ScoreTable first{}, second{};
    int32_t shapeCount = 7;
    LoadFile(options, first, shapeCount, input.c_str());
    EXPECT_STREQ(first.rows[0].name, "Any");
    const std::string saved = dir.Path("saved.ini");
    SaveFile(options, first, saved.c_str());
    LoadFile(options, second, shapeCount, saved.c_str());
    EXPECT_STREQ(second.rows[0].name, "Any");
}

// The page loads a file the player picks only when it holds one option or
// score row at least, with any value; all else is refused.
TEST(SettingsFile, IsKnownByOneOptionOrRowWhateverItsValue) {
    const auto holds = [](const std::string& bytes) {
        ProfileText text(bytes);
        ProfileTextKeys keys(text);
        return HoldsSettings(keys);
    };
    EXPECT_FALSE(holds(""));
    EXPECT_FALSE(holds("\x89PNG\r\n\x1a\n\0\0\0\rIHDR"));
    EXPECT_FALSE(holds("[Settings]\r\nVolume=3\r\n[Scores]\r\nPlayer0=1,1,A\r\n"));
    EXPECT_FALSE(holds("[Score]\r\nPlayer10=1,1,A\r\nSound=0\r\n"));
    EXPECT_TRUE(holds("[settings]\r\nrotatedir=\r\n"));
    EXPECT_TRUE(holds("[Score]\r\nPlayer9=junk\r\n"));
    EXPECT_TRUE(holds("\xef\xbb\xbf[Settings]\nSound=0"));
}
