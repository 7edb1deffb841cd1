#include "commands/menus.h"

#include "game/difficulty.h"

bool MenuItemGreyed(int id, const GameState& state) {
    if (id == CmdMaxSpeed) return state.speedLevel == kMaxSpeedLevel;
    if (id == CmdMaxRows) return state.startRows == kMaxStartRows;
    return false;
}
