#pragma once
// The seven option keys of the settings file, in file order, each with the
// flag it holds; trelmo-sim's `set` takes the same keys.
#include <cstdint>

#include "game/options.h"

struct OptionKey {
    const char* key;
    int32_t Options::*flag;
    bool setOnlyByOne;  // "1" sets it and anything else clears it, rather
                        // than "0" clearing it and anything else setting it
};

constexpr OptionKey kOptionKeys[] = {
    {"DropStyle", &Options::dropStyle, false},
    {"Style", &Options::style, false},
    {"Sound", &Options::sound, false},
    {"Preview", &Options::preview, false},
    {"3Dtrelmo", &Options::look3D, false},
    {"Inverse", &Options::inverse, false},
    {"RotateDir", &Options::rotateDir, true},
};

// The row whose key is exactly `key`, or nullptr.
const OptionKey* FindOptionKey(const char* key);
