#include "tools/sim/sim_host.h"

#include <cstdarg>
#include <cstring>

#include "draw/paint.h"
#include "store/gbk.h"

void SimHost::Trace(const char* format, ...) {
    if (!trace) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(out_, format, args);
    va_end(args);
    std::fputc('\n', out_);
}

void SimHost::CheckHighScore() {
    const int place = QualifyingPlace(scores_, game_.state.score);
    if (place < 0) return;
    struct Asking {
        SimHost& host;
        int place;
    } asking{*this, place};
    // The name entry: the typed name, or the offered one as it stands.
    OfferResult(scores_, game_.state.score, game_.state.lines, [](char (&name)[kNameBytes], void* data) {
        Asking& asking = *static_cast<Asking*>(data);
        asking.host.Trace("nameentry %d", asking.place);
        // The name box hands back at most 18 bytes of whatever it holds.
        char typed[kTypedNameBytes + 1];
        CopyGbkPrefix(typed, asking.host.hasTypedName ? asking.host.typedName : name, kTypedNameBytes);
        std::memset(name, 0, sizeof name);
        std::memcpy(name, typed, sizeof typed);
    }, &asking);
    Trace("save");
    Trace("scoretable");
}

Outcome SimHost::CarryOut(Request request, int value, int) {
    switch (request) {
    case Request::None: break;
    case Request::Sound: Trace("sound %d", value); break;
    case Request::Wait: {
        // A sound's silent step is traced as the sound it stands for.
        const int sound = TopSuspension(game_).sound;
        if (sound != 0)
            Trace("sound %d", sound);
        else
            Trace("wait %d", value);
        break;
    }
    case Request::OfferScore: CheckHighScore(); break;
    case Request::AskReplay: Trace("ask"); return answerYes ? Outcome::Yes : Outcome::No;
    case Request::QuitProgram:
        Trace("quit");
        timerArmed_ = false;
        quit_ = true;
        break;
    }
    return Outcome::Yes;
}

void SimHost::RepaintScreen() {
    if (painted_) PaintWindow(screen_, game_, screen_.width(), screen_.height());
}

void SimHost::Paint(PaintOp op, const ShapeRecord& shape) {
    Trace("paint %s", kPaintOpNames[static_cast<int>(op)]);
    if (painted_) ::Paint(screen_, game_, op, shape);
}
