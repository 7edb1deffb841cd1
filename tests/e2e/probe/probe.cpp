// trelmo-probe: a small Windows program that the end-to-end cases run in
// the game's Wine desktop, to see what a player cannot read from pixels
// alone and to play the shell's part.
//
//   trelmo-probe texts TITLE   the window of that title and all its
//                              descendants: "CLASS|TEXT" a line, as UTF-8
//   trelmo-probe where TITLE TEXT  "X Y", the screen point at the centre of
//                              the control of that text in that window
//   trelmo-probe menu          the items of the open popup menu, a line each
//   trelmo-probe take-icon     puts an icon of the game's window and id in
//                              the notification area first, so that the
//                              shell refuses the game's own
//   trelmo-probe run PROGRAM   starts PROGRAM in the game's desktop, as a
//                              player's launch would, and ends with its
//                              exit code once it has ended (3 when it
//                              could not be started)
//   trelmo-probe visible       "1" when the game's window is visible, else "0"
//   trelmo-probe shell-restart the shell forgets the game's notification
//                              icon and announces a new taskbar, as when
//                              the program that holds the area restarts
//   trelmo-probe dpi           "SYSTEM SCREEN": the system's DPI and the
//                              screen's LOGPIXELSX
//   trelmo-probe rects TITLE   the window of that title: its client area
//                              on the screen as "client L T R B", then each
//                              of its visible descendants as
//                              "CLASS|TEXT|L T R B" (window rectangles,
//                              screen pixels)
// It looks in the Wine desktop named by TRELMO_DESKTOP, the game's, and
// reads every place in the screen's own pixels, whatever the DPI. Exit
// code 0 when it found what it was asked about, 1 otherwise.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

void Print(const std::wstring& line) {
    const std::wstring withBreak = line + L"\n";
    char bytes[4096];
    const int n = WideCharToMultiByte(CP_UTF8, 0, withBreak.c_str(), static_cast<int>(withBreak.size()), bytes,
                                      sizeof bytes, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes, static_cast<DWORD>(n > 0 ? n : 0), &written, nullptr);
}

// The text a window holds now; GetWindowText would give another process's
// edit box only the text it was made with.
std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &ignored);
    return text;
}

void PrintWindow(HWND window) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    const std::wstring text = TextOf(window);
    Print(std::wstring(className) + L"|" + text);
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
    PrintWindow(child);
    return TRUE;
}

int Texts(const wchar_t* title) {
    HWND window = FindWindowW(nullptr, title);
    if (window == nullptr) return 1;
    PrintWindow(window);
    EnumChildWindows(window, PrintChild, 0);
    return 0;
}

struct Search {
    const wchar_t* text;
    HWND found;
};

BOOL CALLBACK FindByText(HWND child, LPARAM searchAddress) {
    Search& search = *reinterpret_cast<Search*>(searchAddress);
    if (TextOf(child) != search.text) return TRUE;
    search.found = child;
    return FALSE;
}

int Where(const wchar_t* title, const wchar_t* text) {
    HWND window = FindWindowW(nullptr, title);
    if (window == nullptr) return 1;
    Search search = {text, nullptr};
    EnumChildWindows(window, FindByText, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) return 1;
    RECT r = {};
    GetWindowRect(search.found, &r);
    Print(std::to_wstring((r.left + r.right) / 2) + L" " + std::to_wstring((r.top + r.bottom) / 2));
    return 0;
}

std::wstring Corners(const RECT& r) {
    return std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " + std::to_wstring(r.right) + L" " +
           std::to_wstring(r.bottom);
}

BOOL CALLBACK PrintChildRect(HWND child, LPARAM) {
    if (!IsWindowVisible(child)) return TRUE;
    wchar_t className[64] = {};
    GetClassNameW(child, className, 64);
    RECT r = {};
    GetWindowRect(child, &r);
    Print(std::wstring(className) + L"|" + TextOf(child) + L"|" + Corners(r));
    return TRUE;
}

int Rects(const wchar_t* title) {
    HWND window = FindWindowW(nullptr, title);
    if (window == nullptr) return 1;
    RECT client = {};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    Print(L"client " + Corners(client));
    EnumChildWindows(window, PrintChildRect, 0);
    return 0;
}

int Dpi() {
    using SystemDpi = UINT(WINAPI*)();
    const auto system = reinterpret_cast<SystemDpi>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForSystem")));
    HDC screen = GetDC(nullptr);
    const int logPixels = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    Print(std::to_wstring(system != nullptr ? system() : 0) + L" " + std::to_wstring(logPixels));
    return 0;
}

// Per-monitor aware, so that Wine hands this program every window's place
// in the screen's pixels rather than scaled to 96 DPI.
void SeeScreenPixels() {
    using SetContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const auto set = reinterpret_cast<SetContext>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
    if (set != nullptr) set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
}

int Menu() {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (menuWindow == nullptr) return 1;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    if (menu == nullptr) return 1;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        Print(text);
    }
    return 0;
}

// The record of the game's icon: its window and id 102.
bool GameIcon(NOTIFYICONDATAW& record) {
    record = {};
    record.cbSize = NOTIFYICONDATAW_V1_SIZE;
    record.hWnd = FindWindowW(L"PDLTrelmo", nullptr);
    record.uID = 102;
    return record.hWnd != nullptr;
}

int TakeIcon() {
    NOTIFYICONDATAW record;
    if (!GameIcon(record)) return 1;
    record.uFlags = NIF_ICON;
    record.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
    return Shell_NotifyIconW(NIM_ADD, &record) ? 0 : 1;
}

int Visible() {
    HWND game = FindWindowW(L"PDLTrelmo", nullptr);
    if (game == nullptr) return 1;
    Print(IsWindowVisible(game) ? L"1" : L"0");
    return 0;
}

int ShellRestart() {
    NOTIFYICONDATAW record;
    if (!GameIcon(record)) return 1;
    Shell_NotifyIconW(NIM_DELETE, &record);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG, 5000,
                        &ignored);
    return 0;
}

// A program started from outside Wine lands in Wine's default desktop,
// away from the game's window; a player's launch starts beside it.
int Run(const wchar_t* program, wchar_t* desktopName) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (desktopName[0] != L'\0') startup.lpDesktop = desktopName;
    std::wstring commandLine = std::wstring(L"\"") + program + L"\"";
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 3;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 3;
    GetExitCodeProcess(process.hProcess, &code);
    return static_cast<int>(code);
}

}  // namespace

int main() {
    SeeScreenPixels();
    wchar_t desktopName[64] = {};
    if (GetEnvironmentVariableW(L"TRELMO_DESKTOP", desktopName, 64) > 0) {
        HDESK desktop = OpenDesktopW(desktopName, 0, FALSE, GENERIC_ALL);
        if (desktop == nullptr || !SetThreadDesktop(desktop)) return 1;
    }
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (args == nullptr || count < 2) return 2;
    const std::wstring verb = args[1];
    if (verb == L"texts" && count == 3) return Texts(args[2]);
    if (verb == L"where" && count == 4) return Where(args[2], args[3]);
    if (verb == L"menu") return Menu();
    if (verb == L"take-icon") return TakeIcon();
    if (verb == L"visible") return Visible();
    if (verb == L"shell-restart") return ShellRestart();
    if (verb == L"run" && count == 3) return Run(args[2], desktopName);
    if (verb == L"dpi") return Dpi();
    if (verb == L"rects" && count == 3) return Rects(args[2]);
    return 2;
}
