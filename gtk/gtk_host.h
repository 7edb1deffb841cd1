#pragma once
// The rules' host, the commands' front end and the carrier of the rules'
// requests on the GTK main window.
#include "commands/dispatch.h"
#include "commands/driver.h"
#include "game/host.h"

struct Program;

class GtkHost final : public GameHost, public FrontEnd, public RequestCarrier {
public:
    explicit GtkHost(Program& program) : program_(program) {}

    // Shows what the command painted; every handler calls it on its way out,
    // and so does anything that blocks or runs a nested loop.
    void EndCommand();

    void ArmGravityTimer(int milliseconds) override;
    void StopGravityTimer() override;
    void SetButtonEnabled(Button button, bool enabled) override;
    void RefreshPauseLabel() override;
    bool CtrlHeld() override;
    void Paint(PaintOp op, const ShapeRecord& shape) override;

    // The rules' requests, carried out the blocking way, each after closing
    // an open popup menu: the thread sleeps through a sound or a wait; the
    // offer's dialogs and the question run nested loops.
    void PlayEffect(int soundId) override;
    void WaitMilliseconds(int milliseconds) override;
    void CheckHighScore() override;
    bool AskYesNo(const char* text, const char* title) override;
    void QuitProgram() override;

    void Relay(GameMessage message) override;
    void Minimise() override;
    void HideToTray() override;
    void Restore() override;
    void Close() override;
    void ShowInfoSheet(int startPage) override;
    void ShowOptions() override;
    void ShowHighScores() override;
    void OpenMainMenu() override;
    bool DownKeyUp() override;

private:
    void BeginRequest();

    Program& program_;
};
