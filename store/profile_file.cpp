#include "store/profile.h"
#include "store/atomic_file.h"
#include "store/profile_portable.h"
#include "store/settings.h"

ProfileFile::ProfileFile(const char* file) : file_(file) {
    failed_ = file == nullptr || !LoadProfileFile(file, text_);
}

uint32_t ProfileFile::Read(const char* section, const char* key, const char* defaultText, char* buffer,
                           uint32_t size) {
    return text_.Read(section, key, defaultText, buffer, size);
}

bool ProfileFile::Write(const char* section, const char* key, const char* value) {
    const bool written = !failed_ && text_.Write(section, key, value);
    failed_ = !written;
    return written;
}

bool ProfileFile::Save() {
    if (failed_) return false;
    if (text_.changed()) return SaveProfileFile(file_, text_);
    RemoveAbandonedTemps(file_);
    return true;
}

void LoadSettings(Options& options, ScoreTable& table, int32_t& shapeCount, const char* file) {
    ProfileFile keys(file);
    LoadSettings(keys, options, table, shapeCount);
}

bool SaveSettings(const Options& options, const ScoreTable& table, const char* file) {
    ProfileFile keys(file);
    return SaveSettings(keys, options, table) && keys.Save();
}
