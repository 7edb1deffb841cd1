#pragma once
// A host that does nothing: every timer, dialog, sound and paint request is
// ignored and the replay question answered Yes. Tests derive from it to
// watch only what they need.
#include "game/host.h"

class QuietHost : public GameHost {
public:
    void ArmGravityTimer(int) override {}
    void StopGravityTimer() override {}
    void SetButtonEnabled(Button, bool) override {}
    void RefreshPauseLabel() override {}
    bool AskYesNo(const char*, const char*) override { return true; }
    void QuitProgram() override {}
    void WaitMilliseconds(int) override {}
    bool CtrlHeld() override { return false; }
    void PlayEffect(int) override {}
    void CheckHighScore() override {}
    void Paint(PaintOp, const ShapeRecord&) override {}
};
