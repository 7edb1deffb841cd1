#pragma once
// A script's game verbs carried out on a program, as the window carries
// out the input each stands for: trelmo-sim, a kept game brought back and a
// shared game watched all play a script through here.
#include "commands/dispatch.h"
#include "replay/script.h"

// Runs a game verb other than Tick (a tick is an expiry of the front end's
// own gravity timer, which only it knows to be armed). The window actions
// of these verbs are none. False for a verb that is not a game's.
bool PlayScriptLine(Dispatcher& dispatcher, const ScriptLine& line);
