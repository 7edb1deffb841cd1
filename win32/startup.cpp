#include "win32/startup.h"

#include "commands/commands.h"
#include "draw/layout.h"
#include "resources/ids.h"
#include "win32/main_window.h"
#include "win32/program.h"
#include "win32/text.h"

namespace {

constexpr COLORREF kWindowGround = RGB(192, 192, 192);
constexpr int kWindowWidth = 485;
constexpr int kWindowHeight = 365;
// Left of centre by half the width; 20 pixels above true vertical centre.
constexpr int kHalfWidth = 242;
constexpr int kHalfHeightAndRaise = 202;
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

HWND CreateMainWindow(HINSTANCE instance) {
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2 - kHalfWidth;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2 - kHalfHeightAndRaise;
    return CreateWindowExA(0, kWindowClass, kWindowTitle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y,
                           kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
}

bool CreateButtons(HWND window, Program& program) {
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonPlace& place = kButtonPlaces[i];
        HWND button = CreateWindowExW(0, L"BUTTON", Widen(place.text), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, place.x,
                                      place.y, place.width, place.height, window, nullptr, program.instance, nullptr);
        if (button == nullptr) return false;
        program.buttons[i] = button;
        // Where the system's font cannot show GBK, the labels' font can.
        if (program.pictures.labelFont != nullptr)
            SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(program.pictures.labelFont), FALSE);
        ShowWindow(button, SW_SHOW);
        UpdateWindow(button);
    }
    return true;
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
