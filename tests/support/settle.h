#pragma once
// Carries out at once every request the rules have left pending, answering
// the replay question `yes`: a host that takes no time over anything.
#include "game/resume.h"
#include "game/state.h"

inline void SettleRequests(Game& game, bool yes = true) {
    while (StepDepth(game) > 0) ResumeRules(game, yes);
}
