#pragma once
// The program's start, the same for every front end.
#include "commands/dispatch.h"
#include "store/scores.h"

class ProfileKeys;

// Called once the window and its buttons exist: no game yet, the options
// and the table read from `settings` (without one: the options' defaults
// and the table as it is), speed and starting rows at their minimum with
// their "-" buttons greyed and the pause button too, and the information
// sheet opened on its About page (the action returned).
WindowActions StartProgram(Dispatcher& dispatcher, ScoreTable& scores, ProfileKeys* settings);
