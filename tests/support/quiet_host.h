#pragma once
// A front end that does nothing: every timer, button, paint and present is
// ignored, and every request waits for the test to finish it (or for
// tests/support/settle.h to carry the rules' requests out). Tests derive
// from it to watch only what they need.
#include "commands/front_end.h"

class QuietHost : public FrontEnd {
public:
    void ArmGravityTimer(int) override {}
    void StopGravityTimer() override {}
    void SetButtonEnabled(Button, bool) override {}
    void RefreshPauseLabel() override {}
    void Paint(PaintOp, const ShapeRecord&) override {}
    void Present() override {}
    void RepaintWindow() override {}
    void SaveSettings() override {}
    Answer CarryOut(const RequestCall&) override { return Outcome::Later; }
};
