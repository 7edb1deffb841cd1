#pragma once
// The front end on the main window: the gravity timer, the buttons, the
// pause label and painting, into the window's picture in memory and shown
// at the present; the rules' requests (sounds, waits,
// the score offer, the question, quitting), carried out the blocking way;
// and the window's own actions.
#include <windows.h>

#include "commands/dispatch.h"
#include "draw/layout.h"
#include "commands/front_end.h"
#include "win32/gdi_surface.h"

struct Program;

constexpr UINT_PTR kGravityTimer = 101;

class WindowHost final : public FrontEnd {
public:
    explicit WindowHost(Program& program) : program_(program) {}

    // The main window, known from its creation on.
    void AttachWindow(HWND window) { window_ = window; }
    HWND window() const { return window_; }

    void ArmGravityTimer(int milliseconds) override;
    void StopGravityTimer() override;
    void SetButtonEnabled(Button button, bool enabled) override;
    void RefreshPauseLabel() override;
    void Paint(PaintOp op, const ShapeRecord& shape) override;
    // Shows on the window what the command painted, if anything.
    void Present() override;
    // A paint of the whole window, at once.
    void RepaintWindow() override;
    // The system's profile functions on "trelmo.ini".
    void SaveSettings() override;
    // The thread is held for a sound or a wait; the offer's dialogs and the
    // question run nested message loops, whose messages paint with their
    // own device contexts.
    Answer CarryOut(const RequestCall& call) override;

private:
    GdiSurface Surface();

    Program& program_;
    HWND window_ = nullptr;
    ChangedBoxes painted_{kClientWidth, kClientHeight};  // since the last present
};

// The moves, the turn and the new game travel as the window's private
// messages (win32/messages.h) before they run.
void RelayToWindow(void* program, GameMessage message);

// The window's own actions, as the dispatcher admitted them.
void CarryOutWindowActions(Program& program, const WindowActions& actions);
