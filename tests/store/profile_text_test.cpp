// A ProfileText keeps an index of its lines and, after an edit, reads again
// only the lines the edit touched: whatever the edits, it must read as a
// text indexed afresh from the same bytes.
#include <gtest/gtest.h>

#include <string>

#include "store/profile_text.h"

namespace {

const char* const kSections[] = {"", "Settings", "Score", "New", "sEtTiNgS"};
const char* const kKeys[] = {"Sound", "Player0", "Player9", "bare", "k", "[x"};

// Every key of every section, as `edited` reads it and as a fresh text of
// its bytes reads it.
void ExpectReadsAsFresh(const ProfileText& edited, const std::string& step) {
    std::string bytes(edited.signature());
    bytes += edited.text();
    const ProfileText fresh(bytes);
    for (const char* section : kSections) {
        for (const char* key : kKeys) {
            char mine[32] = {}, theirs[32] = {};
            const uint32_t mineBytes = edited.Read(section, key, "-", mine, sizeof mine);
            const uint32_t theirBytes = fresh.Read(section, key, "-", theirs, sizeof theirs);
            EXPECT_EQ(mineBytes, theirBytes) << step << ": [" << section << "] " << key;
            EXPECT_STREQ(mine, theirs) << step << ": [" << section << "] " << key << "\n" << bytes;
        }
    }
}

TEST(ProfileTextIndex, EditsReadAsTheSameTextIndexedAfresh) {
    ProfileText text(std::string("\xEF\xBB\xBF\r\n\r\nk=top\n[Settings]\r\nSound=1\r\nbare\r\n\r\n"
                                 "[Score]\nPlayer0=1,1,a\n[Settings]\nSound=9"));
    ExpectReadsAsFresh(text, "as read");
    struct Edit {
        const char* section;
        const char* key;
        const char* value;
    };
    // Longer and shorter values, a bare key given one, keys and sections
    // added, values that hold line breaks, headers and blanks, a key in the
    // section "" before the first header.
    const Edit edits[] = {
        {"Settings", "Sound", "0000000000"}, {"Settings", "Sound", ""},
        {"Settings", "bare", "now"},          {"Score", "Player9", "9,9,nine"},
        {"New", "k", "v"},                    {"", "k", "a\r\nb=c\r\n[Score]\r\nPlayer9=x"},
        {"Score", "Player0", "  two \r\n\r\n"}, {"Settings", "[x", "y]"},
        {"New", "Sound", "\n[Settings]\nPlayer0=z\n"}, {"score", "PLAYER0", "\r"},
    };
    int step = 0;
    for (const Edit& edit : edits) {
        EXPECT_TRUE(text.Write(edit.section, edit.key, edit.value));
        ExpectReadsAsFresh(text, "edit " + std::to_string(++step));
    }
    EXPECT_TRUE(text.changed());
}

TEST(ProfileTextIndex, AnUnchangedValueLeavesTheTextUnchanged) {
    ProfileText text(std::string("[Settings]\r\nSound=1\r\n"));
    EXPECT_TRUE(text.Write("Settings", "Sound", "1"));
    EXPECT_FALSE(text.changed());
    EXPECT_EQ(text.text(), "[Settings]\r\nSound=1\r\n");
}

}  // namespace
