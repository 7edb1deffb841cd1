#pragma once
// Scratch files for the profile and settings tests: every fixture gets a
// directory of its own under the system's temporary directory and hands out
// full paths in it. A path is never used twice in a run, because the Windows
// profile functions cache files by name and would remember a deleted one.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

class TempDir {
public:
    TempDir() {
        static unsigned counter = 0;
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        do {
            dir_ = base / ("trelmo-store-" + std::to_string(stamp) + "-" + std::to_string(++counter));
        } while (!std::filesystem::create_directory(dir_));
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

private:
    std::filesystem::path dir_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// The file's bytes; "<absent>" when it cannot be opened.
inline std::string ReadBytes(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return "<absent>";
    std::string bytes;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
    std::fclose(file);
    return bytes;
}
