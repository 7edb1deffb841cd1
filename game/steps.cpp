#include "game/steps.h"

#include "game/state.h"

Request PendingRequest(const Game& game) {
    return game.steps.depth > 0 ? TopSuspension(game).request : Request::None;
}

const Suspension& TopSuspension(const Game& game) { return game.steps.stack[game.steps.depth - 1]; }

int StepDepth(const Game& game) { return game.steps.depth; }

void Suspend(Game& game, Request request, int32_t value, Resume resume, int32_t row, int32_t count, int32_t sound) {
    Steps& steps = game.steps;
    // The dispatcher admits no input that could start a run once the stack
    // is full, so this never drops a run.
    if (steps.depth >= kMaxSuspensions) return;
    steps.stack[steps.depth++] = Suspension{request, value, resume, row, count, sound};
}

void SuspendForSound(Game& game, int soundId, Resume resume, int32_t row, int32_t count) {
    const bool audible = game.options.sound != 0;
    Suspend(game, audible ? Request::Sound : Request::Wait, audible ? soundId : kSilentSoundMs, resume, row, count,
            soundId);
}

void EndRules(Game& game) {
    game.steps.depth = 0;
    game.steps.ended = 1;
}
