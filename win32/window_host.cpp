#include "win32/window_host.h"


#include "draw/paint.h"
#include "resources/texts.h"
#include "store/settings.h"
#include "win32/dialogs.h"
#include "win32/main_window.h"
#include "win32/menus.h"
#include "win32/messages.h"
#include "win32/program.h"
#include "win32/text.h"
#include "win32/tray.h"

void WindowHost::Present() {
    if (painted_.empty()) return;
    HDC dc = CountMade(program_.guiObjects, GetDC(window_));
    ShowPainted(dc, program_.pictures, painted_);
    CountFreed(program_.guiObjects, ReleaseDC(window_, dc));
}

GdiSurface WindowHost::Surface() { return GdiSurface(program_.pictures, painted_); }

void WindowHost::ArmGravityTimer(int milliseconds) {
    SetTimer(window_, kGravityTimer, static_cast<UINT>(milliseconds < 0 ? 0 : milliseconds), nullptr);
}

void WindowHost::StopGravityTimer() { KillTimer(window_, kGravityTimer); }

void WindowHost::SetButtonEnabled(Button button, bool enabled) {
    EnableWindow(ButtonHandle(program_, button), enabled ? TRUE : FALSE);
}

void WindowHost::RefreshPauseLabel() { SendMessageA(window_, PrivateMsg::RefreshPauseLabel, 0, 0); }

void WindowHost::Paint(PaintOp op, const ShapeRecord& shape) {
    GdiSurface surface = Surface();
    ::Paint(surface, program_.game, op, shape);
}

void WindowHost::RepaintWindow() {
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
}

void WindowHost::SaveSettings() { ::SaveSettings(program_.settings, program_.game.options, program_.scores); }

Answer WindowHost::CarryOut(const RequestCall& call) {
    const int value = call.value;
    switch (call.request) {
    case Request::None: break;
    case Request::Sound: PlayEffect(program_.instance, value); break;
    case Request::Wait: Sleep(static_cast<DWORD>(value < 0 ? 0 : value)); break;
    case Request::OfferScore: break;  // handed out as its steps
    case Request::SaveSettings: break;
    case Request::NameEntry: return EnterName(window_, program_.instance, call.offeredName);
    case Request::ScoreTable: ShowHighScores(window_, DialogsOf(program_)); break;
    case Request::AskReplay: {
        const int answer = MessageBoxW(window_, Widen(kReplayQuestion), Widen(kReplayTitle), MB_YESNO | MB_ICONQUESTION);
        return answer != IDNO ? Outcome::Yes : Outcome::No;
    }
    // The exit command closes the window as the system's close does; the
    // replay question's No ends the program at once.
    case Request::QuitProgram:
        if (value == kQuitByExit)
            DefWindowProcA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            SendMessageA(window_, WM_DESTROY, 0, 0);
        break;
    }
    return Outcome::Yes;
}

void RelayToWindow(void* target, GameMessage message) {
    Program& program = *static_cast<Program*>(target);
    const bool outer = program.relaying;
    program.relaying = true;
    for (const GameMessageBinding& binding : kGameMessages)
        if (binding.game == message) SendMessageA(program.host.window(), binding.message, 0, 0);
    program.relaying = outer;
}

namespace {

HWND WindowOf(const Program& program) { return program.host.window(); }

void Hide(Program& program) {
    ShowWindow(WindowOf(program), SW_MINIMIZE);
    SendMessageA(WindowOf(program), PrivateMsg::HideToTray, 0, 0);
}
void Restore(Program& program) { RestoreFromTray(WindowOf(program), program.guiObjects); }
void AskToExit(Program& program) { SendMessageA(WindowOf(program), WM_SYSCOMMAND, SC_CLOSE, 0); }
void ShowAbout(Program& program) { SendMessageA(WindowOf(program), PrivateMsg::ShowInfoSheetAbout, 0, 0); }
void ShowKeyHelp(Program& program) { ShowInfoSheet(WindowOf(program), program.instance, kKeyHelpPage); }
void ShowOptions(Program& program) { ::ShowOptions(WindowOf(program), DialogsOf(program)); }
void ShowHighScores(Program& program) { ::ShowHighScores(WindowOf(program), DialogsOf(program)); }
void CloseMenu(Program&) { EndMenu(); }

constexpr WindowActionRow<Program> kWindowActions[] = {
    {Command::Hide, Hide},
    {Command::Restore, Restore},
    {Command::Exit, AskToExit},
    {Command::ShowAbout, ShowAbout},
    {Command::ShowKeyHelp, ShowKeyHelp},
    {Command::ShowOptions, ShowOptions},
    {Command::ShowHighScores, ShowHighScores},
    {Command::OpenMainMenu, OpenMainMenu},
    {Command::CloseMenu, CloseMenu},
};

}  // namespace

void CarryOutWindowActions(Program& program, const WindowActions& actions) {
    CarryOutWindowActions(actions, kWindowActions, program);
}
