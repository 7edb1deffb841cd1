#pragma once
// A host that does nothing: every timer, button and paint request is
// ignored (tests/support/settle.h carries out the rules' requests). Tests derive from it to
// watch only what they need.
#include "game/host.h"

class QuietHost : public GameHost {
public:
    void ArmGravityTimer(int) override {}
    void StopGravityTimer() override {}
    void SetButtonEnabled(Button, bool) override {}
    void RefreshPauseLabel() override {}
    void Paint(PaintOp, const ShapeRecord&) override {}
};
