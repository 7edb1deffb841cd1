#include "game/steps.h"

#include "game/cycle.h"
#include "game/difficulty.h"
#include "game/lines.h"
#include "game/state.h"

Request PendingRequest(const Game& game) {
    return game.steps.depth > 0 ? TopSuspension(game).request : Request::None;
}

const Suspension& TopSuspension(const Game& game) { return game.steps.stack[game.steps.depth - 1]; }

int StepDepth(const Game& game) { return game.steps.depth; }

void Suspend(Game& game, Request request, int32_t value, Resume resume, int32_t row, int32_t count) {
    Steps& steps = game.steps;
    // The dispatcher admits no input that could start a run once the stack
    // is full, so this never drops a run.
    if (steps.depth >= kMaxSuspensions) return;
    steps.stack[steps.depth++] = Suspension{request, value, resume, row, count};
}

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
    case Resume::Ended: EndRules(game); break;
    }
    return taken.resume;
}

void EndRules(Game& game) {
    game.steps.depth = 0;
    game.steps.ended = 1;
}
