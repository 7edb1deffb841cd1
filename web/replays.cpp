#include "web/replays.h"

#include <cstring>

#include "commands/play.h"
#include "replay/script.h"

namespace {

// The next line that says something, read; false at the end.
bool NextStep(const char* script, int length, int& at, ScriptLine& step, bool& bad) {
    static char line[kMaxLine + 2];
    bool tooLong = false;
    bad = false;
    while (NextScriptLine(script, length, at, line, tooLong)) {
        const char* problem = nullptr;
        const LineRead read = tooLong ? LineRead::Bad : ReadScriptLine(line, step, &problem);
        if (read == LineRead::Blank) continue;
        bad = read == LineRead::Bad || IsFileVerb(step.verb);
        return true;
    }
    return false;
}

bool GameGoesOn(const Dispatcher& dispatcher) {
    const Request pending = PendingRequest(dispatcher.game);
    return pending != Request::AskReplay && pending != Request::QuitProgram && dispatcher.game.steps.ended == 0;
}

}  // namespace

bool ScriptIsPlayable(const char* script, int length) {
    int at = 0;
    ScriptLine step;
    bool bad = false;
    while (NextStep(script, length, at, step, bad))
        if (bad) return false;
    return std::memchr(script, '\0', static_cast<size_t>(length)) == nullptr;
}

void PlayWholeScript(Dispatcher& dispatcher, const char* script, int length, bool (*timerArmed)()) {
    int at = 0;
    ScriptLine step;
    bool bad = false;
    while (NextStep(script, length, at, step, bad) && !bad && GameGoesOn(dispatcher)) {
        if (step.verb != Verb::Tick) {
            PlayScriptLine(dispatcher, step);
            continue;
        }
        for (uint32_t i = 0; i < step.number && timerArmed(); ++i) RunGravityTick(dispatcher);
    }
}

bool WatchOn(Watch& watch, Dispatcher& dispatcher, bool (*timerArmed)()) {
    ScriptLine step;
    bool bad = false;
    for (;;) {
        if (!GameGoesOn(dispatcher)) return false;
        if (PendingRequest(dispatcher.game) != Request::None) return true;  // a sound or a wait first
        if (watch.ticksDue > 0) {
            if (timerArmed()) return true;
            watch.ticksDue = 0;  // ticks with no timer armed do nothing
        }
        if (!NextStep(watch.script, watch.length, watch.at, step, bad) || bad) return false;
        if (step.verb == Verb::Tick) watch.ticksDue = step.number;
        else PlayScriptLine(dispatcher, step);  // the driver's own lines say nothing to a watcher
    }
}

bool WatchTick(Watch& watch, Dispatcher& dispatcher, bool (*timerArmed)()) {
    if (watch.ticksDue > 0 && PendingRequest(dispatcher.game) == Request::None) {
        --watch.ticksDue;
        RunGravityTick(dispatcher);
    }
    return WatchOn(watch, dispatcher, timerArmed);
}
