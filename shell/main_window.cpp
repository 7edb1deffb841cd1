// The main window procedure: each message goes to a small handler; what an
// input means comes from the tables in shell/input.h.
#include "shell/main_window.h"

#include <ctime>

#include "draw/gui_objects.h"
#include "draw/layout.h"
#include "draw/paint.h"
#include "game/cycle.h"
#include "game/difficulty.h"
#include "shell/input.h"
#include "shell/program.h"
#include "shell/tray.h"
#include "store/dialogs.h"

namespace {

Program* g_program = nullptr;

constexpr int kExitIcon = 103;
constexpr char kExitQuestion[] = "确定要退出游戏吗?";
constexpr char kExitTitle[] = "退出";

int LowWord(WPARAM value) { return static_cast<int>(value & 0xFFFF); }
// Client coordinates are signed 16-bit values.
int PointX(LPARAM value) { return static_cast<short>(value & 0xFFFF); }
int PointY(LPARAM value) { return static_cast<short>((value >> 16) & 0xFFFF); }

void Send(HWND window, unsigned message) { SendMessageA(window, message, 0, 0); }

void RunCommand(HWND window, Program& program, Command command) {
    Game& game = program.game;
    switch (command) {
    case Command::None: break;
    case Command::MoveLeft: Send(window, PrivateMsg::MoveLeft); break;
    case Command::MoveRight: Send(window, PrivateMsg::MoveRight); break;
    case Command::Rotate: Send(window, PrivateMsg::Rotate); break;
    case Command::RotateNow: Rotate(game); break;
    case Command::DownPressed:
        program.downHeld = true;
        DownKeyPressed(game);
        break;
    case Command::DownReleased:
        program.downHeld = false;
        DownKeyReleased(game);
        break;
    case Command::TogglePause: TogglePause(game); break;
    case Command::TogglePauseIfRunning:
        if (game.state.running == 1) TogglePause(game);
        break;
    case Command::StartGame:
        program.host.CheckHighScore();
        Send(window, PrivateMsg::NewGame);
        break;
    case Command::SpeedUp: SpeedUp(game); break;
    case Command::SpeedDown: SpeedDown(game); break;
    case Command::RowsUp: RowsUp(game); break;
    case Command::RowsDown: RowsDown(game); break;
    case Command::MaxSpeed: MaxSpeed(game); break;
    case Command::MaxRows: MaxRows(game); break;
    case Command::AutoPause: AutoPause(game); break;
    case Command::AutoResume: AutoResume(game); break;
    case Command::Hide:
        ShowWindow(window, SW_MINIMIZE);
        Send(window, PrivateMsg::HideToTray);
        break;
    case Command::Restore: RestoreFromTray(window); break;
    case Command::Exit: SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case Command::ShowAbout: ShowInfoSheet(window, program.instance, kAboutPage); break;
    case Command::ShowKeyHelp: ShowInfoSheet(window, program.instance, kKeyHelpPage); break;
    case Command::ShowOptions: ShowOptions(window, DialogsOf(program)); break;
    case Command::ShowHighScores: ShowHighScores(window, DialogsOf(program)); break;
    case Command::OpenMainMenu: OpenMainMenu(window, game.state); break;
    }
}

// Buttons all have control id 0, so a command names its sender by handle.
Command CommandFromSender(const Program& program, HWND sender) {
    if (sender == nullptr) return Command::None;
    for (int i = 0; i < kButtonCount; ++i)
        if (program.buttons[i] == sender) return CommandForButton(static_cast<Button>(i));
    return Command::None;
}

void OnCommand(HWND window, Program& program, WPARAM wParam, LPARAM lParam) {
    // A clicked button must not keep the focus: keys belong to the window.
    SetFocus(window);
    Command command = CommandForMenuId(LowWord(wParam));
    if (command == Command::None) command = CommandFromSender(program, reinterpret_cast<HWND>(lParam));
    RunCommand(window, program, command);
}

void OnCreate(HWND window, Program& program) {
    program.host.AttachWindow(window);
    CreateSurfaces(program.pictures, window, program.instance);
    SeedRandom(program.game.random, static_cast<uint32_t>(std::time(nullptr)));
}

void OnPaint(HWND window, Program& program) {
    PAINTSTRUCT paint;
    HDC dc = CountMade(BeginPaint(window, &paint));
    RECT client;
    GetClientRect(window, &client);
    GdiSurface surface(dc, program.pictures);
    PaintWindow(surface, program.game, client.right, client.bottom);
    CountFreed(EndPaint(window, &paint));
}

void OnMouseMove(const Program& program, LPARAM lParam) {
    const bool hand = PointerAt(PointX(lParam), PointY(lParam)) == Pointer::Hand;
    SetCursor(hand ? program.pictures.hand : program.pictures.arrow);
}

// A hidden window is activated only to track the icon's menu; a game that
// hiding paused stays paused until the window is shown again. A Down let go
// while another window had the keyboard never reached this one: its release
// is handled on coming back, or a fast fall would go on at full speed.
void OnActivate(HWND window, Program& program, int state) {
    if (state != WA_INACTIVE && !IsWindowVisible(window)) return;
    RunCommand(window, program, CommandForActivation(state));
    if (state != WA_INACTIVE && program.downHeld && (GetAsyncKeyState(VK_DOWN) & 0x8000) == 0)
        RunCommand(window, program, Command::DownReleased);
}

void RefreshPauseButton(const Program& program) {
    SetWindowTextA(ButtonHandle(program, PauseButton), program.game.state.paused == 1 ? kContinueText : kPauseText);
}

// Every message the window handles is answered 0; the rest, and the few
// rows that say so, get the default processing.
LRESULT Dispatch(HWND window, Program& program, UINT message, WPARAM wParam, LPARAM lParam) {
    Game& game = program.game;
    switch (message) {
    case WM_CREATE: OnCreate(window, program); return 0;
    case WM_DESTROY: Shutdown(window, program); return 0;
    case WM_SYSCOMMAND:
        if (wParam != SC_CLOSE) break;
        ConfirmExit(window, program, lParam);
        return 0;
    case WM_KEYDOWN: RunCommand(window, program, CommandForKeyDown(static_cast<int>(wParam))); return 0;
    case WM_KEYUP: RunCommand(window, program, CommandForKeyUp(static_cast<int>(wParam))); return 0;
    case WM_CHAR: RunCommand(window, program, CommandForChar(static_cast<int>(wParam))); return 0;
    case WM_MOUSEMOVE: OnMouseMove(program, lParam); return 0;
    case WM_LBUTTONDOWN: RunCommand(window, program, CommandForLeftClick(PointX(lParam), PointY(lParam))); return 0;
    case WM_RBUTTONDOWN: RunCommand(window, program, CommandForRightClick(PointX(lParam), PointY(lParam))); return 0;
    case WM_MBUTTONDOWN: RunCommand(window, program, CommandForMiddleClick()); return 0;
    case WM_COMMAND: OnCommand(window, program, wParam, lParam); return 0;
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED) Send(window, PrivateMsg::HideToTray);
        break;
    case WM_ACTIVATE: OnActivate(window, program, LowWord(wParam)); return 0;
    case WM_PAINT: OnPaint(window, program); return 0;
    case WM_TIMER: Tick(game); return 0;
    case PrivateMsg::NewGame: NewGame(game); return 0;
    case PrivateMsg::RefreshPauseLabel: RefreshPauseButton(program); return 0;
    case PrivateMsg::ShowInfoSheetAbout: ShowInfoSheet(window, program.instance, kAboutPage); return 0;
    case PrivateMsg::MoveLeft: MoveLeft(game); return 0;
    case PrivateMsg::MoveRight: MoveRight(game); return 0;
    case PrivateMsg::Rotate: Rotate(game); return 0;
    case PrivateMsg::TrayNotify: OnTrayNotify(window, lParam); return 0;
    case PrivateMsg::HideToTray: HideToTray(window, program.instance); break;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void AttachProgram(Program* program) { g_program = program; }

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing of the game runs once the window has been shut down; only the
    // default processing remains until the message loop ends.
    if (g_program == nullptr || g_program->shutDown) return DefWindowProcA(window, message, wParam, lParam);
    const LRESULT result = Dispatch(window, *g_program, message, wParam, lParam);
    g_program->host.EndCommand();
    return result;
}

void ConfirmExit(HWND window, Program& program, LPARAM lParam) {
    // The box has no owner, so the window can take a second close command
    // while it is open; one box at a time.
    if (program.confirmingExit) return;
    program.confirmingExit = true;
    MSGBOXPARAMSA box = {};
    box.cbSize = sizeof box;
    box.hwndOwner = nullptr;
    box.hInstance = program.instance;
    box.lpszText = kExitQuestion;
    box.lpszCaption = kExitTitle;
    box.dwStyle = MB_YESNO | MB_USERICON;
    box.lpszIcon = MAKEINTRESOURCEA(kExitIcon);
    const int answer = MessageBoxIndirectA(&box);
    program.confirmingExit = false;
    if (answer == IDNO || program.shutDown) return;
    program.host.CheckHighScore();
    if (program.shutDown) return;
    DefWindowProcA(window, WM_SYSCOMMAND, SC_CLOSE, lParam);
}

void Shutdown(HWND window, Program& program) {
    if (program.shutDown) return;
    program.shutDown = true;
    RemoveTrayIcon(window, kTrayIconId);
    ReleaseSurfaces(program.pictures);
    KillTimer(window, kGravityTimer);
    PostQuitMessage(0);
}
