#include "commands/menus.h"

#include "game/difficulty.h"
#include "resources/dialog_keys.h"

bool MenuItemGreyed(int id, const GameState& state) {
    if (id == CmdMaxSpeed) return state.speedLevel == kMaxSpeedLevel;
    if (id == CmdMaxRows) return state.startRows == kMaxStartRows;
    return false;
}

namespace {

// The item `step` places from `from` round the menu, past the separators.
int ItemAfter(const MenuTable& menu, int from, int step) {
    for (int i = 1; i <= menu.count; ++i) {
        const int at = ((from + step * i) % menu.count + menu.count) % menu.count;
        if (menu.items[at].id != kSeparatorId) return at;
    }
    return -1;
}

}  // namespace

MenuKeyAnswer KeyInMenu(const MenuTable& menu, int highlighted, int key, const GameState& state) {
    switch (key) {
    case kVkDown: return {MenuAction::Highlight, ItemAfter(menu, highlighted < 0 ? -1 : highlighted, 1)};
    case kVkUp: return {MenuAction::Highlight, ItemAfter(menu, highlighted < 0 ? menu.count : highlighted, -1)};
    case kVkHome: return {MenuAction::Highlight, ItemAfter(menu, -1, 1)};
    case kVkEnd: return {MenuAction::Highlight, ItemAfter(menu, menu.count, -1)};
    case kVkReturn:
    case kVkSpace:
        if (highlighted < 0 || MenuItemGreyed(menu.items[highlighted].id, state)) return {MenuAction::Close, -1};
        return {MenuAction::Choose, highlighted};
    case kVkEscape:
    case kVkAlt:
    case kVkF10: return {MenuAction::Close, -1};
    default: return {MenuAction::Nothing, highlighted};
    }
}
