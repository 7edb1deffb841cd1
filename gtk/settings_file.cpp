#include "gtk/settings_file.h"

#include <sys/stat.h>

#include <cerrno>

#include "store/settings.h"

namespace {

constexpr char kFolderName[] = "/trelmo/";

bool Absolute(const char* path) { return path != nullptr && path[0] == '/'; }

// mkdir -p for every folder above the file; an existing one is fine.
void MakeFoldersAbove(const std::string& file) {
    for (size_t slash = file.find('/', 1); slash != std::string::npos; slash = file.find('/', slash + 1)) {
        const std::string folder = file.substr(0, slash);
        if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return;
    }
}

}  // namespace

std::string SettingsFilePath(const char* configHome, const char* home) {
    // The XDG rule: a relative $XDG_CONFIG_HOME is invalid and ignored.
    if (Absolute(configHome)) return std::string(configHome) + kFolderName + kSettingsFile;
    if (Absolute(home)) return std::string(home) + "/.config" + kFolderName + kSettingsFile;
    return std::string();
}

bool SaveSettingsFile(const Options& options, const ScoreTable& table, const char* file) {
    if (file == nullptr || file[0] == '\0') return false;
    MakeFoldersAbove(file);
    return SaveSettings(options, table, file);
}
