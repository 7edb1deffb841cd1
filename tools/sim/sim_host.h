#pragma once
// The front end of trelmo-sim: timers, waits, sounds and dialogs are
// recorded rather than happening, and each can be traced as one line of
// output. There is no window, and no verb asks for the commands that only
// open, hide or close one.
#include <cstdio>

#include "commands/dispatch.h"
#include "draw/layout.h"
#include "draw/raster.h"
#include "game/state.h"

class SimHost final : public FrontEnd {
public:
    // Without `painted` the host keeps no screen and paints nothing, for
    // runs that look only at the game's state (the script fuzz target).
    SimHost(Game& game, FILE* out, bool painted = true)
        : game_(game),
          out_(out),
          painted_(painted),
          screen_(painted ? kClientWidth : 0, painted ? kClientHeight : 0) {}

    bool trace = false;
    bool answerYes = true;
    bool hasTypedName = false;  // else every name entry accepts the offered name
    char typedName[kTypedNameBytes + 1] = {};

    bool timerArmed() const { return timerArmed_; }
    bool quitRequested() const { return quit_; }

    // The window as it stands: painted whole by RepaintScreen, then kept
    // current by the paint operations the rules call.
    const Raster& screen() const { return screen_; }
    // The window's answer to a paint request, onto the screen.
    void RepaintScreen();
    // The screen made anew in `layout`, at its size, and painted whole.
    void UseLayout(const ScreenLayout& layout);
    const ScreenLayout& layout() const { return *layout_; }

    // Each host operation as it happens, when tracing.
    void ArmGravityTimer(int milliseconds) override {
        timerArmed_ = true;
        Trace("timer %d", milliseconds);
    }
    void StopGravityTimer() override {
        timerArmed_ = false;
        Trace("timer stop");
    }
    void SetButtonEnabled(Button button, bool enabled) override {
        Trace("button %s %d", kButtonNames[button], enabled ? 1 : 0);
    }
    void RefreshPauseLabel() override { Trace(game_.state.paused == 1 ? "label CONTINUE" : "label PAUSE"); }
    void Paint(PaintOp op, const ShapeRecord& shape) override;
    void Present() override {}
    void RepaintWindow() override { RepaintScreen(); }
    void SaveSettings() override { Trace("save"); }
    // Each request is carried out at once, as the trace tells it.
    Answer CarryOut(const RequestCall& call) override;

    // One line of output while tracing.
    void Trace(const char* format, ...) __attribute__((format(printf, 2, 3)));

private:
    Game& game_;
    FILE* out_;
    bool timerArmed_ = false;
    bool quit_ = false;
    bool painted_;
    const ScreenLayout* layout_ = &kWindowLayout;
    Raster screen_;
};
