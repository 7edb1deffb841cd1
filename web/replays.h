#pragma once
// Scripts played in the page: a kept game brought back at once when the page
// starts again, and a shared game watched at the pace it was played.
#include <cstdint>

#include "commands/dispatch.h"

// Whether every line of `script` reads and none touches a file.
bool ScriptIsPlayable(const char* script, int length);

// Runs the whole script at once; a tick runs while the gravity timer is
// armed, as an expiry would, and does nothing while it is not.
void PlayWholeScript(Dispatcher& dispatcher, const char* script, int length, bool (*timerArmed)());

// A script played back in the window: every line up to a tick at once, each
// tick at an expiry of the gravity timer, so at the speed it was played.
struct Watch {
    const char* script = nullptr;
    int length = 0;
    int at = 0;             // the next line's first byte
    uint32_t ticksDue = 0;  // of the tick line being played
};

// Goes on through the script until a tick waits for the gravity timer or
// the rules wait for a request; false once the script has run to its end
// or the game it plays has ended.
bool WatchOn(Watch& watch, Dispatcher& dispatcher, bool (*timerArmed)());
// The gravity timer expired: the next tick of the script runs, then the
// lines after it.
bool WatchTick(Watch& watch, Dispatcher& dispatcher, bool (*timerArmed)());
