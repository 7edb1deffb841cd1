#include "win32/window_host.h"

#include "draw/paint.h"
#include "win32/dialogs.h"
#include "win32/menus.h"
#include "win32/messages.h"
#include "win32/program.h"
#include "win32/text.h"
#include "win32/tray.h"

void WindowHost::EndCommand() {
    if (commandDc_ == nullptr) return;
    CountFreed(program_.guiObjects, ReleaseDC(window_, commandDc_));
    commandDc_ = nullptr;
}

GdiSurface WindowHost::Surface() {
    if (commandDc_ == nullptr) commandDc_ = CountMade(program_.guiObjects, GetDC(window_));
    return GdiSurface(commandDc_, program_.pictures);
}

void WindowHost::ArmGravityTimer(int milliseconds) {
    SetTimer(window_, kGravityTimer, static_cast<UINT>(milliseconds < 0 ? 0 : milliseconds), nullptr);
}

void WindowHost::StopGravityTimer() { KillTimer(window_, kGravityTimer); }

void WindowHost::SetButtonEnabled(Button button, bool enabled) {
    EnableWindow(ButtonHandle(program_, button), enabled ? TRUE : FALSE);
}

void WindowHost::RefreshPauseLabel() { SendMessageA(window_, PrivateMsg::RefreshPauseLabel, 0, 0); }

// The questions and the high-score dialogs run nested message loops, whose
// messages paint with their own device contexts.
bool WindowHost::AskYesNo(const char* text, const char* title) {
    EndCommand();
    return MessageBoxW(window_, Widen(text), Widen(title), MB_YESNO | MB_ICONQUESTION) != IDNO;
}

void WindowHost::CheckHighScore() {
    EndCommand();
    ::CheckHighScore(window_, DialogsOf(program_));
}

void WindowHost::QuitProgram() {
    EndCommand();
    SendMessageA(window_, WM_DESTROY, 0, 0);
}

void WindowHost::WaitMilliseconds(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds < 0 ? 0 : milliseconds)); }

bool WindowHost::CtrlHeld() { return GetKeyState(VK_CONTROL) < 0; }

void WindowHost::PlayEffect(int soundId) { ::PlayEffect(program_.instance, program_.game.options, soundId); }

void WindowHost::Paint(PaintOp op, const ShapeRecord& shape) {
    GdiSurface surface = Surface();
    ::Paint(surface, program_.game, op, shape);
}

void WindowHost::Relay(GameMessage message) {
    for (const GameMessageBinding& binding : kGameMessages)
        if (binding.game == message) SendMessageA(window_, binding.message, 0, 0);
}

void WindowHost::Minimise() { ShowWindow(window_, SW_MINIMIZE); }

void WindowHost::HideToTray() { SendMessageA(window_, PrivateMsg::HideToTray, 0, 0); }

void WindowHost::Restore() { RestoreFromTray(window_, program_.guiObjects); }

void WindowHost::Close() { SendMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0); }

void WindowHost::ShowInfoSheet(int startPage) { ::ShowInfoSheet(window_, program_.instance, startPage); }

void WindowHost::ShowOptions() { ::ShowOptions(window_, DialogsOf(program_)); }

void WindowHost::ShowHighScores() { ::ShowHighScores(window_, DialogsOf(program_)); }

void WindowHost::OpenMainMenu() { ::OpenMainMenu(program_); }

bool WindowHost::DownKeyUp() { return (GetAsyncKeyState(VK_DOWN) & 0x8000) == 0; }
