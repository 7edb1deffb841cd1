#pragma once
// The rules' host and the commands' front end in the page. Nothing here
// waits: what takes time (the requests, the dialogs, hiding) is handed to
// the page's script, which calls back into page.cpp when it is done.
#include "commands/dispatch.h"
#include "game/host.h"
#include "web/screen.h"

class WebHost final : public GameHost, public FrontEnd {
public:
    WebHost(Game& game, WebScreen& screen) : game_(game), screen_(screen) {}

    // The state of the input being handled, as the page saw it.
    bool ctrlHeld = false;
    bool downHeld = false;

    void ArmGravityTimer(int milliseconds) override;
    void StopGravityTimer() override;
    void SetButtonEnabled(Button button, bool enabled) override;
    void RefreshPauseLabel() override;
    bool CtrlHeld() override { return ctrlHeld; }
    void Paint(PaintOp op, const ShapeRecord& shape) override;

    void Relay(GameMessage message) override { RunGameMessage(game_, message); }
    // Hiding follows at once: a page has nothing to minimise.
    void Minimise() override {}
    void HideToTray() override;
    void Restore() override;
    void Close() override;
    void ShowInfoSheet(int startPage) override;
    void ShowOptions() override;
    void ShowHighScores() override;
    void OpenMainMenu() override;
    bool DownKeyUp() override { return !downHeld; }

private:
    Game& game_;
    WebScreen& screen_;
};
