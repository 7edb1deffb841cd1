#include "win32/startup.h"

#include "commands/commands.h"
#include "draw/layout.h"
#include "draw/scale.h"
#include "resources/ids.h"
#include "win32/dpi.h"
#include "win32/main_window.h"
#include "win32/program.h"
#include "win32/text.h"

namespace {

constexpr COLORREF kWindowGround = RGB(192, 192, 192);
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// At 96 dots per inch the window is 485 x 365 whatever the system's frame;
// at another scale, the client area the scale asks for in the system's frame.
constexpr int kWindowWidth = 485;
constexpr int kWindowHeight = 365;
// Raised above true vertical centre.
constexpr int kRaise = 20;
// How long a second launch waits for the first copy to come back, and how
// often it looks whether the first copy is in front yet.
constexpr UINT kRestoreWaitMs = 5000;
constexpr DWORD kFrontPollMs = 20;

}  // namespace

bool RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    // Lives as long as the process, outside the count of win32/gui_objects.h.
    windowClass.hbrBackground = CreateSolidBrush(kWindowGround);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassA(&windowClass) != 0;
}

RECT MainWindowPlace(int dpi) {
    const SIZE size = dpi == kBaseDpi ? SIZE{kWindowWidth, kWindowHeight}
                                      : OuterSizeForDpi(ScaledLength(kClientWidth, dpi),
                                                        ScaledLength(kClientHeight, dpi), kWindowStyle, dpi);
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2 - size.cx / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2 - size.cy / 2 - ScaledLength(kRaise, dpi);
    return {x, y, x + size.cx, y + size.cy};
}

HWND CreateMainWindow(HINSTANCE instance) {
    const int dpi = WindowDpi(nullptr);
    RECT place = MainWindowPlace(dpi);
    HWND window = CreateWindowExA(0, kWindowClass, kWindowTitle, kWindowStyle, place.left, place.top,
                                  place.right - place.left, place.bottom - place.top, nullptr, nullptr, instance, nullptr);
    // Made on a monitor of another scale than the system's: sized for its own.
    if (window != nullptr && WindowDpi(window) != dpi) {
        place = MainWindowPlace(WindowDpi(window));
        SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return window;
}

bool CreateButtons(HWND window, Program& program) {
    for (int i = 0; i < kButtonCount; ++i) {
        HWND button = CreateWindowExW(0, L"BUTTON", Widen(kButtonPlaces[i].text), WS_CHILD | BS_PUSHBUTTON, 0, 0, 0, 0,
                                      window, nullptr, program.instance, nullptr);
        if (button == nullptr) return false;
        program.buttons[i] = button;
    }
    PlaceButtons(program);
    for (HWND button : program.buttons) {
        ShowWindow(button, SW_SHOW);
        UpdateWindow(button);
    }
    return true;
}

void PlaceButtons(const Program& program) {
    const int dpi = program.pictures.dpi;
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonPlace& place = kButtonPlaces[i];
        const int left = ScaledLength(place.x, dpi), top = ScaledLength(place.y, dpi);
        SetWindowPos(program.buttons[i], nullptr, left, top, ScaledLength(place.x + place.width, dpi) - left,
                     ScaledLength(place.y + place.height, dpi) - top, SWP_NOZORDER | SWP_NOACTIVATE);
        // A font of the scale where the system's default will not do; null
        // gives the button the default back.
        SendMessageW(program.buttons[i], WM_SETFONT, reinterpret_cast<WPARAM>(program.pictures.buttonFont), TRUE);
    }
}

void BringBackFirstCopy() {
    HWND first = FindWindowA(kWindowClass, nullptr);
    if (first == nullptr) return;  // still starting: it is about to show anyway
    DWORD firstProcess = 0;
    GetWindowThreadProcessId(first, &firstProcess);
    // This launch holds the right to the foreground; the first copy gets it
    // and, restored, takes the foreground itself (RestoreFromTray). This
    // copy lasts until it has.
    AllowSetForegroundWindow(firstProcess);
    const DWORD started = GetTickCount();
    DWORD_PTR ignored = 0;
    if (SendMessageTimeoutA(first, WM_COMMAND, CmdRestore, 0, SMTO_ABORTIFHUNG, kRestoreWaitMs, &ignored) == 0) return;
    while (GetTickCount() - started < kRestoreWaitMs) {
        DWORD frontProcess = 0;
        GetWindowThreadProcessId(GetForegroundWindow(), &frontProcess);
        if (frontProcess == firstProcess) break;
        Sleep(kFrontPollMs);
    }
}
