#pragma once
// The front end in the page. Nothing here waits: what takes time (the
// requests, the dialogs, hiding) is handed to the page's script, which calls
// back into page.cpp when it is done.
#include "commands/dispatch.h"
#include "commands/front_end.h"
#include "web/screen.h"

class WebHost final : public FrontEnd {
public:
    // `save` writes the settings to the page's storage; `repaint` paints
    // the whole window afresh and shows it.
    WebHost(Game& game, WebScreen& screen, void (*save)(), void (*repaint)())
        : game_(game), screen_(screen), save_(save), repaint_(repaint) {}

    void ArmGravityTimer(int milliseconds) override;
    void StopGravityTimer() override;
    void SetButtonEnabled(Button button, bool enabled) override;
    void RefreshPauseLabel() override;
    void Paint(PaintOp op, const ShapeRecord& shape) override;
    void Present() override { screen_.Flush(); }
    void RepaintWindow() override { repaint_(); }
    void SaveSettings() override { save_(); }
    // Started by the script, which answers with trelmo_answer and the ticket.
    Answer CarryOut(const RequestCall& call) override;

private:
    Game& game_;
    WebScreen& screen_;
    void (*save_)();
    void (*repaint_)();
};

// The window's own actions, as the dispatcher admitted them: the script
// opens each.
void CarryOutWindowActions(const WindowActions& actions);
