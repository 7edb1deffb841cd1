#pragma once
// The front end on the GTK main window: the gravity timer, the buttons, the
// pause label and painting; showing what was painted; the rules' requests,
// carried out the blocking way; and the window's own actions.
#include "commands/dispatch.h"
#include "commands/front_end.h"
#include "gtk/dialogs.h"

struct Program;

class GtkHost final : public FrontEnd {
public:
    explicit GtkHost(Program& program) : program_(program) {}

    void ArmGravityTimer(int milliseconds) override;
    void StopGravityTimer() override;
    void SetButtonEnabled(Button button, bool enabled) override;
    void RefreshPauseLabel() override;
    void Paint(PaintOp op, const ShapeRecord& shape) override;
    void Present() override;
    // Queued: the window paints itself whole at its next draw.
    void RepaintWindow() override;
    // A save that fails is told once a run (gtk/save_notice.h).
    void SaveSettings() override;
    // Each after closing an open popup menu: the thread sleeps through a
    // sound or a wait; the offer's dialogs and the question run nested loops.
    Answer CarryOut(const RequestCall& call) override;

private:
    Program& program_;
};

// What the dialogs of the program work on.
DialogContext DialogsOf(Program& program);

// The window's own actions, as the dispatcher admitted them.
void CarryOutWindowActions(Program& program, const WindowActions& actions);
