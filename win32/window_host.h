#pragma once
// The rules' host and the commands' front end on the main window: the
// gravity timer, the buttons, the pause label, the Ctrl key and painting on
// the window's device context; the rules' requests (sounds, waits, the score
// offer, the question, quitting); the private messages, hiding, the dialogs
// and the menu.
#include <windows.h>

#include "commands/dispatch.h"
#include "commands/driver.h"
#include "game/host.h"
#include "win32/gdi_surface.h"

struct Program;

constexpr UINT_PTR kGravityTimer = 101;

class WindowHost final : public GameHost, public FrontEnd, public RequestCarrier {
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
    bool CtrlHeld() override;
    void Paint(PaintOp op, const ShapeRecord& shape) override;

    // The rules' requests, carried out the blocking way: the thread is held
    // for a sound or a wait; the offer's dialogs and the question run nested
    // message loops.
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
    // The window's device context, taken at the command's first paint.
    GdiSurface Surface();

    Program& program_;
    HWND window_ = nullptr;
    HDC commandDc_ = nullptr;
};
