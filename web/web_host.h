#pragma once
// The front end in the page. Nothing here waits: what takes time (the
// requests, the dialogs, hiding) is handed to the page's script, which calls
// back into page.cpp when it is done.
#include "commands/dispatch.h"
#include "commands/front_end.h"
#include "web/screen.h"

class WebHost final : public FrontEnd {
public:
    // `save` writes the settings to the page's storage; `offeredName` is
    // the name a name entry handed out with a ticket offers.
    WebHost(Game& game, WebScreen& screen, void (*save)(), const char* (*offeredName)(int ticket))
        : game_(game), screen_(screen), save_(save), offeredName_(offeredName) {}

    void ArmGravityTimer(int milliseconds) override;
    void StopGravityTimer() override;
    void SetButtonEnabled(Button button, bool enabled) override;
    void RefreshPauseLabel() override;
    void Paint(PaintOp op, const ShapeRecord& shape) override;
    void Present() override { screen_.Flush(); }
    // Started by the script, which answers with trelmo_answer and the ticket;
    // the save is done at once.
    Outcome CarryOut(Request request, int value, int ticket) override;

private:
    Game& game_;
    WebScreen& screen_;
    void (*save_)();
    const char* (*offeredName_)(int ticket);
};

// The window's own actions, as the dispatcher admitted them: the script
// opens each.
void CarryOutWindowActions(const WindowActions& actions);
