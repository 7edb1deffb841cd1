// Any bytes as the settings file: loading must stay in bounds and give flags
// of 0 or 1, terminated names and a valid shape count; saving what was
// loaded and loading it again must give the same options and table.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/options.h"
#include "store/scores.h"
#include "store/settings.h"

namespace {

struct Loaded {
    Options options;
    ScoreTable table;
    int32_t shapeCount;
};

std::string TempPath(const char* name) {
    return "/tmp/trelmo-fuzz-" + std::to_string(getpid()) + "-" + name + ".ini";
}

Loaded Load(const std::string& path) {
    Loaded loaded;
    std::memset(&loaded, 0, sizeof loaded);
    loaded.shapeCount = 7;
    LoadSettings(loaded.options, loaded.table, loaded.shapeCount, path.c_str());
    return loaded;
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input = TempPath("in"), saved = TempPath("saved");
    FILE* file = std::fopen(input.c_str(), "wb");
    if (file == nullptr) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    const Loaded first = Load(input);
    CheckWellFormed(first);
    std::remove(saved.c_str());
    SaveSettings(first.options, first.table, saved.c_str());
    const Loaded second = Load(saved);
    CheckWellFormed(second);
    Check(std::memcmp(&first.options, &second.options, sizeof first.options) == 0, "options lost in a round trip");
    Check(first.shapeCount == second.shapeCount, "shape count lost in a round trip");
    Check(SameRows(first.table, second.table), "score rows lost in a round trip");
    return 0;
}
