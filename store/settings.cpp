#include "store/settings.h"

#include <cstdio>
#include <cstring>

#include "store/gbk.h"
#include "store/option_keys.h"
#include "store/profile_keys.h"
#include "store/row_scan.h"

namespace {

constexpr char kSettingsSection[] = "Settings";
constexpr char kScoreSection[] = "Score";
constexpr char kMissing[] = "wrong!!";
constexpr uint32_t kFlagTextBytes = 5;   // four characters decide a flag
constexpr uint32_t kRowTextBytes = 78;

void RowKey(char (&key)[16], int row) { std::snprintf(key, sizeof key, "Player%d", row); }

// The name is bounded by its field even when it lacks a terminator.
size_t NameLength(const HighScoreEntry& row) {
    const void* end = std::memchr(row.name, '\0', sizeof row.name);
    return end ? static_cast<size_t>(static_cast<const char*>(end) - row.name) : sizeof row.name;
}

void SetRowName(HighScoreEntry& row, const char* name, size_t length) {
    char whole[kRowTextBytes];
    if (length >= sizeof whole) length = sizeof whole - 1;
    std::memcpy(whole, name, length);
    whole[length] = '\0';
    std::memset(row.name, 0, sizeof row.name);
    // Cut to fit the field; a double-byte character the cut would split is
    // left out rather than kept as half a character.
    CopyGbkPrefix(row.name, whole, kNameBytes - 1);
    // The profile functions drop a DOS end-of-file mark (Ctrl-Z) that ends a
    // value, so a name ending in one would not survive a save and a load.
    for (size_t n = std::strlen(row.name); n > 0 && row.name[n - 1] == '\x1a'; --n) row.name[n - 1] = '\0';
}

void LoadRow(HighScoreEntry& row, const char* text) {
    if (std::strcmp(text, kMissing) == 0) {
        row.score = 0;
        row.lines = 0;
        SetRowName(row, kAnonymous, sizeof kAnonymous - 1);
        return;
    }
    const ScannedRow scanned = ScanScoreRow(text);
    if (scanned.fields >= 1) row.score = scanned.score;
    if (scanned.fields >= 2) row.lines = scanned.lines;
    if (scanned.fields >= 3) SetRowName(row, scanned.name, scanned.nameLength);
}

}  // namespace

bool HoldsSettings(ProfileKeys& keys) {
    // A value no file holds: a control character the reading keeps.
    constexpr char kAbsent[] = "\x01" "absent";
    char value[sizeof kAbsent + 1];
    auto present = [&](const char* section, const char* key) {
        keys.Read(section, key, kAbsent, value, sizeof value);
        return std::strcmp(value, kAbsent) != 0;
    };
    for (const OptionKey& flag : kOptionKeys)
        if (present(kSettingsSection, flag.key)) return true;
    for (int row = 0; row < kScoreRows; ++row) {
        char key[16];
        RowKey(key, row);
        if (present(kScoreSection, key)) return true;
    }
    return false;
}

void LoadSettings(ProfileKeys& keys, Options& options, ScoreTable& table, int32_t& shapeCount) {
    for (const OptionKey& flag : kOptionKeys) {
        char text[kFlagTextBytes] = {};
        keys.Read(kSettingsSection, flag.key, kMissing, text, sizeof text);
        options.*flag.flag = flag.setOnlyByOne ? std::strcmp(text, "1") == 0 : std::strcmp(text, "0") != 0;
    }
    for (int i = 0; i < kScoreRows; ++i) {
        char key[16];
        RowKey(key, i);
        char text[kRowTextBytes] = {};
        keys.Read(kScoreSection, key, kMissing, text, sizeof text);
        LoadRow(table.rows[i], text);
    }
    shapeCount = ShapeCountForStyle(options.style);
}

bool SaveSettings(ProfileKeys& keys, const Options& options, const ScoreTable& table) {
    bool written = true;
    for (const OptionKey& flag : kOptionKeys)
        written = keys.Write(kSettingsSection, flag.key, options.*flag.flag != 0 ? "1" : "0") && written;
    for (int i = 0; i < kScoreRows; ++i) {
        const HighScoreEntry& row = table.rows[i];
        char key[16];
        RowKey(key, i);
        char value[64];
        std::snprintf(value, sizeof value, "%d,%d,%.*s", static_cast<int>(row.score), static_cast<int>(row.lines),
                      static_cast<int>(NameLength(row)), row.name);
        written = keys.Write(kScoreSection, key, value) && written;
    }
    return written;
}

const OptionKey* FindOptionKey(const char* key) {
    for (const OptionKey& row : kOptionKeys)
        if (std::strcmp(row.key, key) == 0) return &row;
    return nullptr;
}
