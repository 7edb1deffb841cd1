#include "commands/input.h"

#include <cstddef>

#include "draw/layout.h"

namespace {

template <typename Row, size_t N, typename Key>
Command Find(const Row (&table)[N], Key Row::*field, Key value) {
    for (const Row& row : table)
        if (row.*field == value) return row.command;
    return Command::None;
}

}  // namespace

Command CommandForKeyDown(int key) { return Find(kKeyDownTable, &KeyBinding::key, key); }
Command CommandForKeyUp(int key) { return Find(kKeyUpTable, &KeyBinding::key, key); }

Command CommandForChar(int character) {
    // Only the four ASCII characters act; anything wider never matches.
    if (character < 0 || character > 0x7F) return Command::None;
    return Find(kCharTable, &CharBinding::character, static_cast<char>(character));
}

Command CommandForMenuId(int id) { return Find(kMenuTable, &MenuBinding::id, id); }
Command CommandForButton(Button button) { return Find(kButtonTable, &ButtonBinding::button, button); }

Pointer PointerAt(int x, int y) { return kLogoHandRegion.Contains(x, y) ? Pointer::Hand : Pointer::Arrow; }

Command CommandForLeftClick(int x, int y) {
    return kLogoClickRegion.Contains(x, y) ? Command::ShowAbout : Command::MoveLeft;
}

Command CommandForRightClick(int x, int y) {
    return kWellClickRegion.Contains(x, y) ? Command::MoveRight : Command::OpenMainMenu;
}

Command CommandForMiddleClick() { return Command::RotateNow; }

Command CommandForActivation(int state) {
    switch (state) {
    case kInactive: return Command::AutoPause;
    case kActive:
    case kClickActive: return Command::AutoResume;
    default: return Command::None;
    }
}
