#include "gtk/keys.h"

#include <gdk/gdk.h>

#include "commands/input.h"

namespace {

struct KeysymBinding {
    unsigned keysym;
    int virtualKey;
};

constexpr KeysymBinding kKeysyms[] = {
    {GDK_KEY_Escape, kVkEscape}, {GDK_KEY_space, kVkSpace},   {GDK_KEY_Left, kVkLeft},       {GDK_KEY_Up, kVkUp},
    {GDK_KEY_Right, kVkRight},   {GDK_KEY_Down, kVkDown},     {GDK_KEY_KP_Left, kVkLeft},    {GDK_KEY_KP_Up, kVkUp},
    {GDK_KEY_KP_Right, kVkRight}, {GDK_KEY_KP_Down, kVkDown}, {GDK_KEY_F1, kVkF1},          {GDK_KEY_F2, kVkF2},
    {GDK_KEY_F3, kVkF3},         {GDK_KEY_F4, kVkF4},         {GDK_KEY_F5, kVkF5},           {GDK_KEY_F6, kVkF6},
    {GDK_KEY_F7, kVkF7},         {GDK_KEY_F8, kVkF8},
    // Keys only the dialogs and menus know.
    {GDK_KEY_Tab, kVkTab},         {GDK_KEY_ISO_Left_Tab, kVkTab},   {GDK_KEY_Return, kVkReturn},
    {GDK_KEY_KP_Enter, kVkReturn}, {GDK_KEY_Page_Up, kVkPageUp},     {GDK_KEY_Page_Down, kVkPageDown},
    {GDK_KEY_End, kVkEnd},         {GDK_KEY_Home, kVkHome},
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
