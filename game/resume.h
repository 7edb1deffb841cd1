#pragma once
// Going on where a run of the rules stopped (game/steps.h).
#include "game/state.h"

// Takes the top suspension off and goes on where it stopped; `yes` is the
// answer to the replay question. Returns the resume point taken off, so
// that the dispatcher can go on with the one it owns (NewGameAfterOffer).
Resume ResumeRules(Game& game, bool yes);
