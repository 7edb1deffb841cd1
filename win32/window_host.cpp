#include "win32/window_host.h"

#include <cstring>

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

Outcome WindowHost::CarryOut(Request request, int value, int ticket) {
    switch (request) {
    case Request::None: break;
    case Request::Sound: PlayEffect(program_.instance, value); break;
    case Request::Wait: Sleep(static_cast<DWORD>(value < 0 ? 0 : value)); break;
    case Request::OfferScore: break;  // handed out as its three steps below
    case Request::NameEntry: {
        char name[kNameBytes] = {};
        std::strncpy(name, OfferedName(program_.dispatcher, ticket), kNameBytes - 1);
        EnterName(window_, program_.instance, name);
        TakeTypedName(program_.dispatcher, ticket, name);
        break;
    }
    case Request::SaveSettings: SaveSettings(program_.settings, program_.game.options, program_.scores); break;
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

void CarryOutWindowActions(Program& program, const WindowActions& actions) {
    const HWND window = program.host.window();
    for (const Command action : actions) {
        switch (action) {
        case Command::Hide:
            ShowWindow(window, SW_MINIMIZE);
            SendMessageA(window, PrivateMsg::HideToTray, 0, 0);
            break;
        case Command::Restore: RestoreFromTray(window, program.guiObjects); break;
        case Command::Exit: SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
        case Command::ShowAbout: SendMessageA(window, PrivateMsg::ShowInfoSheetAbout, 0, 0); break;
        case Command::ShowKeyHelp: ShowInfoSheet(window, program.instance, kKeyHelpPage); break;
        case Command::ShowOptions: ShowOptions(window, DialogsOf(program)); break;
        case Command::ShowHighScores: ShowHighScores(window, DialogsOf(program)); break;
        case Command::OpenMainMenu: OpenMainMenu(program); break;
        default: break;
        }
    }
}
