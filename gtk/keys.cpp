#include "gtk/keys.h"

#include <gdk/gdk.h>

#include "commands/input.h"

namespace {

struct KeysymBinding {
    unsigned keysym;
    int virtualKey;
};

constexpr KeysymBinding kKeysyms[] = {
    {GDK_KEY_Escape, 0x1B}, {GDK_KEY_space, 0x20}, {GDK_KEY_Left, 0x25},    {GDK_KEY_Up, 0x26},
    {GDK_KEY_Right, 0x27},  {GDK_KEY_Down, 0x28},  {GDK_KEY_KP_Left, 0x25}, {GDK_KEY_KP_Up, 0x26},
    {GDK_KEY_KP_Right, 0x27}, {GDK_KEY_KP_Down, 0x28}, {GDK_KEY_F1, 0x70},  {GDK_KEY_F2, 0x71},
    {GDK_KEY_F3, 0x72},     {GDK_KEY_F4, 0x73},    {GDK_KEY_F5, 0x74},      {GDK_KEY_F6, 0x75},
    {GDK_KEY_F7, 0x76},     {GDK_KEY_F8, 0x77},
};

}  // namespace

int VirtualKeyForKeysym(unsigned keysym) {
    for (const KeysymBinding& binding : kKeysyms)
        if (binding.keysym == keysym) return binding.virtualKey;
    return 0;
}

KeyPressCommands CommandsForKeyPress(unsigned keysym, bool ctrlHeld) {
    const int virtualKey = VirtualKeyForKeysym(keysym);
    const Command key = virtualKey != 0 ? CommandForKeyDown(virtualKey) : Command::None;
    const unsigned character = ctrlHeld ? 0 : gdk_keyval_to_unicode(keysym);
    return {key, CommandForChar(static_cast<int>(character))};
}

Command CommandForKeyRelease(unsigned keysym) {
    const int virtualKey = VirtualKeyForKeysym(keysym);
    return virtualKey != 0 ? CommandForKeyUp(virtualKey) : Command::None;
}
