// trelmo-assetgen OUTDIR: writes every picture and sound that the resource
// script compiles into the program.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "media/artwork.h"
#include "resources/ids.h"
#include "tools/assetgen/bitmaps.h"
#include "tools/assetgen/icons.h"
#include "media/sounds.h"

namespace {

struct Asset {
    const char* fileName;
    Bytes (*make)();
};

constexpr Asset kAssets[] = {
    {"bitmap101.bmp", TileSheetBmp},
    {"bitmap102.bmp", LogoBmp},
    {"bitmap103.bmp", DigitStripBmp},
    {"cursor1.cur", [] { return HandCursorFile(0, 0); }},
    {"icon102.ico", [] { return IconFile(IDI_PROGRAM); }},
    {"icon103.ico", [] { return IconFile(IDI_EXIT); }},
    {"icon104.ico", [] { return IconFile(IDI_NAME_ENTRY); }},
    {"wave110.wav", LockSoundWav},
    {"wave111.wav", RowSoundWav},
};

bool WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    FILE* file = std::fopen(path.string().c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: trelmo-assetgen OUTDIR\n");
        return 2;
    }
    const std::filesystem::path outDir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    if (error) {
        std::fprintf(stderr, "trelmo-assetgen: cannot create %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    for (const Asset& asset : kAssets) {
        const Bytes bytes = asset.make();
        if (bytes.empty()) {
            std::fprintf(stderr, "trelmo-assetgen: %s: picture does not fit its pixel format\n",
                         asset.fileName);
            return 1;
        }
        if (!WriteFile(outDir / asset.fileName, bytes)) {
            std::fprintf(stderr, "trelmo-assetgen: cannot write %s\n",
                         (outDir / asset.fileName).string().c_str());
            return 1;
        }
    }
    return 0;
}
