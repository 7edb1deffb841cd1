#pragma once
// The host of trelmo-sim: timers, waits, sounds and dialogs are recorded
// rather than happening, and each can be traced as one line of output.
#include <cstdio>

#include "draw/raster.h"
#include "game/host.h"
#include "game/state.h"
#include "store/scores.h"

// The client area of the 485 x 365 window: a 3-pixel frame all round and a
// 19-pixel caption.
constexpr int kScreenWidth = 479;
constexpr int kScreenHeight = 340;

class SimHost final : public GameHost {
public:
    SimHost(Game& game, ScoreTable& scores, FILE* out)
        : game_(game), scores_(scores), out_(out), screen_(kScreenWidth, kScreenHeight) {}

    bool trace = false;
    bool answerYes = true;
    bool ctrlHeld = false;
    bool hasTypedName = false;  // else every name entry accepts the offered name
    char typedName[kTypedNameBytes + 1] = {};

    bool timerArmed() const { return timerArmed_; }
    bool quitRequested() const { return quit_; }

    // The window as it stands: painted whole by RepaintScreen, then kept
    // current by the paint operations the rules call.
    const Raster& screen() const { return screen_; }
    // The window's answer to a paint request, onto the screen.
    void RepaintScreen();

    void ArmGravityTimer(int milliseconds) override;
    void StopGravityTimer() override;
    void SetButtonEnabled(Button button, bool enabled) override;
    void RefreshPauseLabel() override;
    bool AskYesNo(const char* text, const char* title) override;
    void QuitProgram() override;
    void WaitMilliseconds(int milliseconds) override;
    bool CtrlHeld() override { return ctrlHeld; }
    void PlayEffect(int soundId) override;
    void CheckHighScore() override;
    void Paint(PaintOp op, const ShapeRecord& shape) override;

    // One line of output while tracing.
    void Trace(const char* format, ...) __attribute__((format(printf, 2, 3)));

private:
    Game& game_;
    ScoreTable& scores_;
    FILE* out_;
    bool timerArmed_ = false;
    bool quit_ = false;
    Raster screen_;
};
