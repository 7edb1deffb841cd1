// The main window procedure: each message goes to a small handler; what an
// input means comes from the tables in commands/input.h.
#include "win32/main_window.h"

#include <ctime>

#include "commands/dispatch.h"
#include "commands/input.h"
#include "draw/layout.h"
#include "draw/paint.h"
#include "draw/scale.h"
#include "game/steps.h"
#include "game/difficulty.h"
#include "resources/ids.h"
#include "resources/texts.h"
#include "win32/dialogs.h"
#include "win32/dpi.h"
#include "win32/gui_objects.h"
#include "win32/messages.h"
#include "win32/program.h"
#include "win32/startup.h"
#include "win32/text.h"
#include "win32/tray.h"

namespace {

Program* g_program = nullptr;

int LowWord(WPARAM value) { return static_cast<int>(value & 0xFFFF); }
// Client coordinates are signed 16-bit values, in screen pixels; the
// regions are in game pixels.
int PointX(const Program& program, LPARAM value) {
    return GameCoordinate(static_cast<short>(value & 0xFFFF), program.pictures.dpi);
}
int PointY(const Program& program, LPARAM value) {
    return GameCoordinate(static_cast<short>((value >> 16) & 0xFFFF), program.pictures.dpi);
}

// Ctrl as of the message being handled.
void Run(Program& program, Command command) {
    CarryOutWindowActions(program, RunCommand(program.dispatcher, command, GetKeyState(VK_CONTROL) < 0));
}

// A private message that carries a game message runs it: as part of the
// command that relayed it, or as an input of its own when it came from
// elsewhere.
bool RunGameMessageFor(Program& program, UINT message) {
    for (const GameMessageBinding& binding : kGameMessages) {
        if (binding.message != message) continue;
        if (program.relaying)
            RunGameMessage(program.game, binding.game);
        else
            CarryOutWindowActions(program, DeliverGameMessage(program.dispatcher, binding.game));
        return true;
    }
    return false;
}

// Down as the keyboard has it now, whatever window had it when the key came up.
bool DownKeyUp() { return (GetAsyncKeyState(VK_DOWN) & 0x8000) == 0; }

// Buttons all have control id 0, so a command names its sender by handle.
Command CommandFromSender(const Program& program, HWND sender) {
    if (sender == nullptr) return Command::None;
    for (int i = 0; i < kButtonCount; ++i)
        if (program.buttons[i] == sender) return CommandForButton(static_cast<Button>(i));
    return Command::None;
}

void OnCommand(HWND window, Program& program, WPARAM wParam, LPARAM lParam) {
    // A clicked button must not keep the focus: keys belong to the window.
    // Not to a window that is not active, though: the focus would activate
    // it to itself alone, behind the program in front (a second launch's
    // restore comes that way); a restore brings it to the front itself.
    if (GetActiveWindow() == window) SetFocus(window);
    Command command = CommandForMenuId(LowWord(wParam));
    if (command == Command::None) command = CommandFromSender(program, reinterpret_cast<HWND>(lParam));
    Run(program, command);
}

void OnCreate(HWND window, Program& program) {
    program.host.AttachWindow(window);
    program.taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    CreateSurfaces(program.pictures, window, program.instance, program.guiObjects, WindowDpi(window));
    SeedRandom(program.game.random, static_cast<uint32_t>(std::time(nullptr)));
}

void OnPaint(HWND window, Program& program) {
    PAINTSTRUCT paint;
    HDC dc = CountMade(program.guiObjects, BeginPaint(window, &paint));
    ChangedBoxes area(kClientWidth, kClientHeight);
    GdiSurface surface(program.pictures, area);
    PaintWindow(surface, program.game, kClientWidth, kClientHeight);
    ShowPainted(dc, program.pictures, area);
    CountFreed(program.guiObjects, EndPaint(window, &paint));
}

// Moved to a monitor of another scale: the pictures, the buttons and the
// window at the new scale, in the place the system suggests.
void OnDpiChanged(HWND window, Program& program, int dpi, const RECT& suggested) {
    RescaleSurfaces(program.pictures, ClampDpi(dpi));
    PlaceButtons(program);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
}

void OnMouseMove(const Program& program, LPARAM lParam) {
    const bool hand = PointerAt(PointX(program, lParam), PointY(program, lParam)) == Pointer::Hand;
    SetCursor(hand ? program.pictures.hand : program.pictures.arrow);
}

void OnGravityTimer(Program& program) { CarryOutWindowActions(program, RunGravityTick(program.dispatcher)); }

// The exit box has no owner, so a click on the game can hide it behind the
// main window; it is a box of this thread with the exit title.
BOOL CALLBACK RaiseIfExitBox(HWND candidate, LPARAM title) {
    wchar_t text[32] = {};
    GetWindowTextW(candidate, text, 32);
    if (!IsWindowVisible(candidate) || lstrcmpW(text, reinterpret_cast<const wchar_t*>(title)) != 0) return TRUE;
    SetForegroundWindow(candidate);
    BringWindowToTop(candidate);
    return FALSE;
}

void RaiseExitBox() {
    const WideText title = Widen(kExitTitle);
    EnumThreadWindows(GetCurrentThreadId(), RaiseIfExitBox, reinterpret_cast<LPARAM>(title.text));
}

void RefreshPauseButton(const Program& program) {
    SetWindowTextW(ButtonHandle(program, PauseButton), Widen(program.game.state.paused == 1 ? kContinueText : kPauseText));
}

// Every message the window handles is answered 0; the rest, and the few
// rows that say so, get the default processing.
LRESULT Dispatch(HWND window, Program& program, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: OnCreate(window, program); return 0;
    case WM_DESTROY: Shutdown(window, program); return 0;
    case WM_SYSCOMMAND:
        if (wParam != SC_CLOSE) break;
        ConfirmExit(window, program, lParam);
        return 0;
    case WM_KEYDOWN: Run(program, CommandForKeyDown(static_cast<int>(wParam))); return 0;
    case WM_KEYUP: Run(program, CommandForKeyUp(static_cast<int>(wParam))); return 0;
    case WM_CHAR: Run(program, CommandForChar(static_cast<int>(wParam))); return 0;
    case WM_MOUSEMOVE: OnMouseMove(program, lParam); return 0;
    case WM_LBUTTONDOWN: Run(program, CommandForLeftClick(PointX(program, lParam), PointY(program, lParam))); return 0;
    case WM_RBUTTONDOWN: Run(program, CommandForRightClick(PointX(program, lParam), PointY(program, lParam))); return 0;
    case WM_MBUTTONDOWN: Run(program, CommandForMiddleClick()); return 0;
    case WM_COMMAND: OnCommand(window, program, wParam, lParam); return 0;
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED) SendMessageA(window, PrivateMsg::HideToTray, 0, 0);
        break;
    case WM_ACTIVATE:
        CarryOutWindowActions(program, RunActivation(program.dispatcher, LowWord(wParam),
                                                     IsWindowVisible(window) != FALSE, DownKeyUp()));
        return 0;
    case WM_PAINT: OnPaint(window, program); return 0;
    case WM_DPICHANGED:
        OnDpiChanged(window, program, LowWord(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_TIMER: OnGravityTimer(program); return 0;
    case PrivateMsg::RefreshPauseLabel: RefreshPauseButton(program); return 0;
    case PrivateMsg::ShowInfoSheetAbout: ShowInfoSheet(window, program.instance, kAboutPage); return 0;
    case PrivateMsg::TrayNotify: OnTrayNotify(program, lParam); return 0;
    case PrivateMsg::HideToTray: HideToTray(window, program.guiObjects); break;
    case PrivateMsg::ComeToFront: ComeToFront(window); return 0;
    default:
        if (RunGameMessageFor(program, message)) return 0;
        if (message == program.taskbarCreated && message != 0) {
            OnTaskbarCreated(window, program.guiObjects);
            return 0;
        }
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void AttachProgram(Program* program) { g_program = program; }

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing of the game runs once the window has been shut down; only the
    // default processing remains until the message loop ends.
    if (g_program == nullptr || g_program->shutDown) return DefWindowProcA(window, message, wParam, lParam);
    return Dispatch(window, *g_program, message, wParam, lParam);
}

void ConfirmExit(HWND window, Program& program, LPARAM lParam) {
    // The box has no owner, so the window can take a second close command
    // while it is open: one box at a time, brought to the front.
    if (program.confirmingExit) {
        RaiseExitBox();
        return;
    }
    program.confirmingExit = true;
    const WideText question = Widen(kExitQuestion);
    const WideText title = Widen(kExitTitle);
    MSGBOXPARAMSW box = {};
    box.cbSize = sizeof box;
    box.hwndOwner = nullptr;
    box.hInstance = program.instance;
    box.lpszText = question;
    box.lpszCaption = title;
    box.dwStyle = MB_YESNO | MB_USERICON;
    box.lpszIcon = MAKEINTRESOURCEW(IDI_EXIT);
    const int answer = MessageBoxIndirectW(&box);
    program.confirmingExit = false;
    // Only Yes quits: Esc answers Cancel, which keeps the game.
    if (answer != IDYES || program.shutDown) return;
    CarryOutWindowActions(program, RunExit(program.dispatcher));
    if (program.shutDown) return;
    DefWindowProcA(window, WM_SYSCOMMAND, SC_CLOSE, lParam);
}

void Shutdown(HWND window, Program& program) {
    if (program.shutDown) return;
    program.shutDown = true;
    EndProgram(program.dispatcher);
    RemoveTrayIcon(window, kTrayIconId, program.guiObjects);
    ReleaseSurfaces(program.pictures);
    PostQuitMessage(0);
}
