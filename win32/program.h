#pragma once
// The one set of state the program keeps, owned by the program entry and
// handed to the window procedure once.
#include <windows.h>

#include "game/state.h"
#include "store/scores.h"
#include "store/settings.h"
#include "win32/profile_win32.h"
#include "win32/dialogs.h"
#include "win32/gdi_surface.h"
#include "win32/window_host.h"

struct Program {
    HINSTANCE instance = nullptr;
    Game game = {};
    ScoreTable scores = {};
    SystemProfileKeys settings{kWindowsProfile, kSettingsFile};  // "trelmo.ini" in the Windows directory
    HWND buttons[kButtonCount] = {};
    WindowPictures pictures = {};
    GuiObjectCount guiObjects = {};  // what the window holds: see gui_objects.h
    WindowHost host{*this};
    Dispatcher dispatcher{game, host, &scores, RelayToWindow, this};
    bool confirmingExit = false;  // the exit box is open
    bool relaying = false;        // the dispatcher is sending a game message
    UINT taskbarCreated = 0;      // the shell's message when its taskbar starts again
    bool shutDown = false;        // Shutdown has run
};

inline HWND ButtonHandle(const Program& program, Button button) {
    return program.buttons[button];
}

// The part of the program the dialogs read and change.
inline DialogContext DialogsOf(Program& program) { return {program.instance, &program.dispatcher}; }
