#include "shell/menus.h"

#include "game/difficulty.h"

bool MenuItemGreyed(int id, const GameState& state) {
    if (id == kCmdMaxSpeed) return state.speedLevel == kMaxSpeedLevel;
    if (id == kCmdMaxRows) return state.startRows == kMaxStartRows;
    return false;
}
