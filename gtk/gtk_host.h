#pragma once
// The rules' host and the commands' front end on the GTK main window.
#include "commands/dispatch.h"
#include "game/host.h"

struct Program;

class GtkHost final : public GameHost, public FrontEnd {
public:
    explicit GtkHost(Program& program) : program_(program) {}

    // Shows what the command painted; every handler calls it on its way out,
    // and so does anything that blocks or runs a nested loop.
    void EndCommand();

    void ArmGravityTimer(int milliseconds) override;
    void StopGravityTimer() override;
    void SetButtonEnabled(Button button, bool enabled) override;
    void RefreshPauseLabel() override;
    bool AskYesNo(const char* text, const char* title) override;
    void QuitProgram() override;
    void WaitMilliseconds(int milliseconds) override;
    bool CtrlHeld() override;
    void PlayEffect(int soundId) override;
    void CheckHighScore() override;
    void Paint(PaintOp op, const ShapeRecord& shape) override;

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
    Program& program_;
};
