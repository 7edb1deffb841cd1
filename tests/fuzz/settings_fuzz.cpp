// Any bytes as the settings file, all in memory: loading must stay in
// bounds and give flags of 0 or 1, terminated names and a valid shape
// count; saving what was loaded, into a new file and over the file it came
// from, and loading either again must give the same options and table.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "game/options.h"
#include "store/profile_text.h"
#include "store/scores.h"
#include "store/settings.h"

namespace {

struct Loaded {
    Options options;
    ScoreTable table;
    int32_t shapeCount;
};

// As start-up loads: the table zeroed, the shape count reset to 7.
Loaded Load(ProfileText& text) {
    Loaded loaded;
    std::memset(&loaded, 0, sizeof loaded);
    loaded.shapeCount = 7;
    ProfileTextKeys keys(text);
    LoadSettings(keys, loaded.options, loaded.table, loaded.shapeCount);
    return loaded;
}

// The text a file holding `text` reads back as.
ProfileText Reread(const ProfileText& text) {
    std::string bytes(text.signature());
    bytes += text.text();
    return ProfileText(bytes);
}

void Check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "settings_fuzz: %s\n", what);
    std::abort();
}

void CheckWellFormed(const Loaded& l) {
    for (int32_t flag : {l.options.dropStyle, l.options.style, l.options.sound, l.options.preview,
                         l.options.look3D, l.options.inverse, l.options.rotateDir})
        Check(flag == 0 || flag == 1, "a flag is neither 0 nor 1");
    Check(l.shapeCount == (l.options.style == 1 ? 7 : 11), "the shape count does not follow Style");
    for (const HighScoreEntry& row : l.table.rows)
        Check(std::memchr(row.name, '\0', sizeof row.name) != nullptr, "a name is not terminated");
}

bool SameRows(const ScoreTable& a, const ScoreTable& b) {
    for (int i = 0; i < kScoreRows; ++i) {
        if (a.rows[i].score != b.rows[i].score || a.rows[i].lines != b.rows[i].lines) return false;
        if (std::strcmp(a.rows[i].name, b.rows[i].name) != 0) return false;
    }
    return true;
}

// Saves `loaded` into `text` and loads it back from the bytes a file would
// hold.
void CheckRoundTrip(const Loaded& loaded, ProfileText& text) {
    ProfileTextKeys keys(text);
    Check(SaveSettings(keys, loaded.options, loaded.table), "a save in memory failed");
    ProfileText reread = Reread(text);
    const Loaded again = Load(reread);
    CheckWellFormed(again);
    Check(std::memcmp(&loaded.options, &again.options, sizeof loaded.options) == 0, "options lost in a round trip");
    Check(loaded.shapeCount == again.shapeCount, "shape count lost in a round trip");
    Check(SameRows(loaded.table, again.table), "score rows lost in a round trip");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ProfileText input(std::string_view(reinterpret_cast<const char*>(data), size));
    const Loaded first = Load(input);
    CheckWellFormed(first);
    ProfileText fresh;
    CheckRoundTrip(first, fresh);
    CheckRoundTrip(first, input);
    return 0;
}
