#pragma once
// The one set of state the program keeps, owned by the program entry and
// handed to the window procedure once.
#include <windows.h>

#include "draw/gdi_surface.h"
#include "game/state.h"
#include "shell/window_host.h"
#include "store/dialogs.h"
#include "store/scores.h"

constexpr int kButtonCount = 7;  // in the order of the Button enumeration

struct Program {
    HINSTANCE instance = nullptr;
    Game game = {};
    ScoreTable scores = {};
    HWND buttons[kButtonCount] = {};
    WindowPictures pictures = {};
    WindowHost host{*this};
    bool confirmingExit = false;  // the exit box is open
    bool downHeld = false;        // Down went down here and has not come up here
    bool shutDown = false;        // Shutdown has run
};

inline HWND ButtonHandle(const Program& program, Button button) {
    return program.buttons[button];
}

// The part of the program the dialogs read and change.
inline DialogContext DialogsOf(Program& program) { return {program.instance, &program.game, &program.scores}; }
