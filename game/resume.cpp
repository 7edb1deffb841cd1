#include "game/resume.h"

#include "game/difficulty.h"
#include "game/lock.h"

Resume ResumeRules(Game& game, bool yes) {
    Steps& steps = game.steps;
    if (steps.depth == 0) return Resume::Ended;
    const Suspension taken = steps.stack[--steps.depth];
    switch (taken.resume) {
    case Resume::LockAfterSound: ContinueLock(game); break;
    case Resume::ClearAfterRowSound: ContinueClearing(game, taken.row, taken.count); break;
    case Resume::GameOverAfterOffer: AskReplay(game); break;
    case Resume::GameOverAfterAnswer: AnswerReplay(game, yes); break;
    case Resume::MaxSpeedAfterWait: ContinueMaxSpeed(game, taken.count); break;
    case Resume::MaxRowsAfterWait: ContinueMaxRows(game, taken.count); break;
    case Resume::NewGameAfterOffer: break;
    case Resume::QuitAfterOffer: Suspend(game, Request::QuitProgram, kQuitByExit, Resume::Ended); break;
    case Resume::Ended: EndRules(game); break;
    }
    return taken.resume;
}
