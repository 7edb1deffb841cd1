#include "tools/sim/sim_host.h"

#include <cstdarg>

#include "draw/paint.h"

void SimHost::Trace(const char* format, ...) {
    if (!trace) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(out_, format, args);
    va_end(args);
    std::fputc('\n', out_);
}

Answer SimHost::CarryOut(const RequestCall& call) {
    const int value = call.value;
    switch (call.request) {
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
    case Request::OfferScore: break;  // handed out as its steps
    case Request::SaveSettings: break;
    // The name entry takes the typed name, or the offered one as it stands.
    case Request::NameEntry:
        Trace("nameentry %d", value);
        return Answer::Typed(hasTypedName ? typedName : call.offeredName);
    case Request::ScoreTable: Trace("scoretable"); break;
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
    if (painted_) PaintWindow(screen_, game_, screen_.width(), screen_.height(), *layout_);
}

void SimHost::UseLayout(const ScreenLayout& layout) {
    layout_ = &layout;
    if (painted_) screen_ = Raster(layout.clientWidth, layout.clientHeight);
    RepaintScreen();
}

void SimHost::Paint(PaintOp op, const ShapeRecord& shape) {
    Trace("paint %s", kPaintOpNames[static_cast<int>(op)]);
    if (painted_) ::Paint(screen_, game_, op, shape, *layout_);
}
