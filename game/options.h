#pragma once
// The seven option flags, each 0 or 1, named after their keys in trelmo.ini.
// inverse and rotateDir are stored in the opposite sense to the dialog's
// check boxes: 0 means inversion on, 0 means clockwise.
#include <cstdint>

struct Options {
    int32_t dropStyle;  // DropStyle: 1 drop to the bottom, 0 fall fast while held
    int32_t style;      // Style: 1 seven shapes, 0 eleven
    int32_t sound;      // Sound
    int32_t preview;    // Preview: show the next shape
    int32_t look3D;     // 3Dtrelmo: raised tiles rather than flat ones
    int32_t inverse;    // Inverse: 0 turns the stack inside out after clearings
    int32_t rotateDir;  // RotateDir: 0 clockwise, 1 counter-clockwise
};

// What an absent settings file gives.
constexpr Options kDefaultOptions = {1, 1, 1, 1, 1, 1, 0};

inline int ShapeCountForStyle(int32_t style) { return style != 0 ? 7 : 11; }
