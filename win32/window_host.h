#pragma once
// The rules' host and the commands' front end on the main window: the
// gravity timer, the buttons, the pause label, questions, waits, the Ctrl
// key, sounds, the high-score check and painting on the window's device
// context; the private messages, hiding, the dialogs and the menu.
#include <windows.h>

#include "commands/dispatch.h"
#include "game/host.h"
#include "win32/gdi_surface.h"

struct Program;

constexpr UINT_PTR kGravityTimer = 101;

class WindowHost final : public GameHost, public FrontEnd {
public:
    explicit WindowHost(Program& program) : program_(program) {}

    // The main window, known from its creation on.
    void AttachWindow(HWND window) { window_ = window; }
    HWND window() const { return window_; }

    // Hands back the device context a command painted with, if any. The
    // window procedure calls it when it has handled a message, so every
    // command releases what it acquired before it returns.
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
    // The window's device context, taken at the command's first paint.
    GdiSurface Surface();

    Program& program_;
    HWND window_ = nullptr;
    HDC commandDc_ = nullptr;
};
