// trelmo.exe: one instance, one fixed window with seven buttons, and the
// message loop.
#include <windows.h>

#include "commands/start_up.h"
#include "store/settings.h"
#include "win32/main_window.h"
#include "win32/program.h"
#include "win32/startup.h"

namespace {

constexpr char kMutexName[] = "PDLTrelmo";

int RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Program program;
    program.instance = instance;
    program.game.host = &program.host;

    // Held until the process ends; only its existence matters.
    CreateMutexA(nullptr, TRUE, kMutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        BringBackFirstCopy();
        return 0;
    }

    if (!RegisterWindowClass(instance)) return 0;
    AttachProgram(&program);
    HWND window = CreateMainWindow(instance);
    if (window == nullptr) return 0;
    ShowWindow(window, SW_SHOW);
    if (!CreateButtons(window, program)) return 0;

    CarryOutWindowActions(program, StartProgram(program.dispatcher, program.scores, &program.settings));
    return RunMessageLoop();
}
