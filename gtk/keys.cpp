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
    // Keys only the dialogs and menus know.
    {GDK_KEY_Tab, 0x09}, {GDK_KEY_ISO_Left_Tab, 0x09}, {GDK_KEY_Return, 0x0D}, {GDK_KEY_KP_Enter, 0x0D},
    {GDK_KEY_Page_Up, 0x21}, {GDK_KEY_Page_Down, 0x22}, {GDK_KEY_End, 0x23}, {GDK_KEY_Home, 0x24},
};

}  // namespace

int VirtualKeyForKeysym(unsigned keysym) {
    for (const KeysymBinding& binding : kKeysyms)
        if (binding.keysym == keysym) return binding.virtualKey;
    const unsigned upper = gdk_keyval_to_upper(keysym);
    return (upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9') ? static_cast<int>(upper) : 0;
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
