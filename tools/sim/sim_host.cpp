#include "tools/sim/sim_host.h"

#include <cstdarg>

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
    char nameBuffer[kNameBytes];
    MakeRoom(scores_, place, nameBuffer);
    Trace("nameentry %d", place);
    // The name box hands back at most 18 bytes of whatever it holds.
    char typed[kTypedNameBytes + 1];
    CopyGbkPrefix(typed, hasTypedName ? typedName : nameBuffer, kTypedNameBytes);
    FillScoreRow(scores_, place, game_.state.score, game_.state.lines, typed);
    Trace("save");
    Trace("scoretable");
}

void SimHost::RepaintScreen() {
    if (painted_) PaintWindow(screen_, game_, screen_.width(), screen_.height());
}

void SimHost::Paint(PaintOp op, const ShapeRecord& shape) {
    Trace("paint %s", kPaintOpNames[static_cast<int>(op)]);
    if (painted_) ::Paint(screen_, game_, op, shape);
}
