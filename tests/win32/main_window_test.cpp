// The real main window under Wine: its class, size and buttons, and the
// window procedure's answers to keys, characters, clicks, button commands,
// activation, minimising and destruction, read back from the game state
// and the window.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <ctime>
#include <memory>
#include <string>

#include "draw/layout.h"
#include "game/cycle.h"
#include "game/shapes.h"
#include "win32/main_window.h"
#include "win32/messages.h"
#include "win32/program.h"
#include "win32/startup.h"

namespace {

constexpr int kSquare = 6;
constexpr int kTee = 3;

std::string WindowText(HWND window) {
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterWindowClass(GetModuleHandleA(nullptr)); }

    void SetUp() override {
        program = std::make_unique<Program>();
        program->instance = GetModuleHandleA(nullptr);
        program->game.host = &program->host;
        AttachProgram(program.get());
        createdAfter = static_cast<uint32_t>(std::time(nullptr));
        window = CreateMainWindow(program->instance);
        createdBefore = static_cast<uint32_t>(std::time(nullptr));
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(CreateButtons(window, *program));
        InitGameState(program->game.state);
        program->game.options = kDefaultOptions;
    }

    void TearDown() override {
        if (IsWindow(window)) DestroyWindow(window);
        DrainQueue();
        AttachProgram(nullptr);
    }

    // Throws away what the window posted to the thread, the quit message
    // of its destruction included; true when that was among them.
    static bool DrainQueue() {
        bool quit = false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            if (message.message == WM_QUIT && message.wParam == 0) quit = true;
        return quit;
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(window, message, wParam, lParam);
    }
    static LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }
    HWND ButtonOf(Button button) const { return ButtonHandle(*program, button); }
    GameState& state() { return program->game.state; }

    // A game whose falling shape is the T, one row down.
    void StartGameWithTee() {
        ASSERT_EQ(Send(WM_KEYDOWN, VK_F2), 0);
        state().shapeIndex = kTee;
        state().shape = ShapeCatalogue[kTee];
        ASSERT_EQ(Send(WM_TIMER, 101), 0);
        ASSERT_EQ(state().row, 1);
    }

    std::unique_ptr<Program> program;
    HWND window = nullptr;
    uint32_t createdAfter = 0, createdBefore = 0;
};

TEST_F(MainWindowTest, WindowIsFixed485By365AboveCentre) {
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 485);
    EXPECT_EQ(rect.bottom - rect.top, 365);
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) / 2 - 242);
    EXPECT_EQ(rect.top, GetSystemMetrics(SM_CYSCREEN) / 2 - 202);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(WindowText(window), "Trelmo");
    EXPECT_EQ(GetMenu(window), nullptr);
    EXPECT_EQ(GetParent(window), nullptr);
}

TEST_F(MainWindowTest, ClassHasGreyGroundIconAndRedrawStyles) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    EXPECT_STREQ(name, "PDLTrelmo");
    EXPECT_EQ(GetClassLongA(window, GCL_STYLE), static_cast<DWORD>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(GetClassLongA(window, GCL_CBCLSEXTRA), 0u);
    EXPECT_EQ(GetClassLongA(window, GCL_CBWNDEXTRA), 0u);
    EXPECT_NE(GetClassLongPtrA(window, GCLP_HICON), 0u);
    LOGBRUSH ground = {};
    ASSERT_NE(GetObjectA(reinterpret_cast<HBRUSH>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND)), sizeof ground, &ground), 0);
    EXPECT_EQ(ground.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(ground.lbColor, RGB(192, 192, 192));
}

TEST_F(MainWindowTest, SevenPushButtonsWithIdZeroAtTheirPlaces) {
    for (int i = 0; i < kButtonCount; ++i) {
        HWND button = program->buttons[i];
        const ButtonPlace& place = kButtonPlaces[i];
        SCOPED_TRACE(i);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(GetParent(button), window);
        EXPECT_EQ(GetDlgCtrlID(button), 0);
        EXPECT_EQ(WindowText(button), place.text);
        char name[16] = {};
        GetClassNameA(button, name, sizeof name);
        EXPECT_STRCASEEQ(name, "Button");
        const LONG style = GetWindowLongA(button, GWL_STYLE);
        EXPECT_EQ(style & 0x0F, BS_PUSHBUTTON);
        EXPECT_TRUE(style & WS_VISIBLE);
        RECT rect;
        GetWindowRect(button, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, place.x);
        EXPECT_EQ(rect.top, place.y);
        EXPECT_EQ(rect.right - rect.left, place.width);
        EXPECT_EQ(rect.bottom - rect.top, place.height);
    }
}

TEST_F(MainWindowTest, CreationMakesTheSurfacesAndSeedsWithTheTime) {
    EXPECT_NE(program->pictures.tiles.dc, nullptr);
    EXPECT_NE(program->pictures.digits.dc, nullptr);
    EXPECT_NE(program->pictures.hand, nullptr);
    EXPECT_NE(program->pictures.hand, program->pictures.arrow);
    EXPECT_GE(program->game.random.state, createdAfter);
    EXPECT_LE(program->game.random.state, createdBefore);
}

TEST_F(MainWindowTest, KeysMoveTurnAndDropTheShape) {
    StartGameWithTee();
    EXPECT_TRUE(IsWindowEnabled(ButtonOf(PauseButton)));
    EXPECT_EQ(Send(WM_KEYDOWN, VK_LEFT), 0);
    EXPECT_EQ(state().column, kSpawnColumn - 1);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_RIGHT), 0);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_RIGHT), 0);
    EXPECT_EQ(state().column, kSpawnColumn + 1);
    ShapeRecord turned = ShapeCatalogue[kTee];
    RotateShape(turned, 0);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_SPACE), 0);
    EXPECT_STREQ(state().shape.grid, turned.grid);
    RotateShape(turned, 0);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_UP), 0);
    EXPECT_STREQ(state().shape.grid, turned.grid);
    // Down drops to the floor, the cells settle and the next shape enters.
    EXPECT_EQ(Send(WM_KEYDOWN, VK_DOWN), 0);
    int settled = 0;
    for (int c = 1; c <= kPlayfieldColumns; ++c) settled += program->game.well.cells[kBottomRow][c] != 0;
    EXPECT_GT(settled, 0);
    EXPECT_EQ(state().row, 0);
    EXPECT_EQ(state().column, kSpawnColumn);
    // Keys outside the table do nothing.
    const GameState before = state();
    EXPECT_EQ(Send(WM_KEYDOWN, 'A'), 0);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_F9), 0);
    EXPECT_EQ(state().column, before.column);
    EXPECT_EQ(state().row, before.row);
}

TEST_F(MainWindowTest, F3PausesOnlyOnceAGameRunsAndSetsTheLabel) {
    EXPECT_EQ(Send(WM_KEYDOWN, VK_F3), 0);
    EXPECT_EQ(state().paused, 0);
    EXPECT_EQ(WindowText(ButtonOf(PauseButton)), kPauseText);
    StartGameWithTee();
    EXPECT_EQ(Send(WM_KEYDOWN, VK_F3), 0);
    EXPECT_EQ(state().paused, 1);
    EXPECT_EQ(WindowText(ButtonOf(PauseButton)), kContinueText);
    // Paused: gravity and moves stand still.
    Send(WM_TIMER, 101);
    Send(WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(state().row, 1);
    EXPECT_EQ(state().column, kSpawnColumn);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_F3), 0);
    EXPECT_EQ(state().paused, 0);
    EXPECT_EQ(WindowText(ButtonOf(PauseButton)), kPauseText);
}

TEST_F(MainWindowTest, CharactersChangeTheCountersAndTheButtons) {
    EXPECT_EQ(Send(WM_CHAR, '+'), 0);
    EXPECT_EQ(state().speedLevel, 1);
    EXPECT_TRUE(IsWindowEnabled(ButtonOf(SpeedDownButton)));
    EXPECT_EQ(Send(WM_CHAR, '-'), 0);
    EXPECT_EQ(state().speedLevel, 0);
    EXPECT_FALSE(IsWindowEnabled(ButtonOf(SpeedDownButton)));
    for (int i = 0; i < 4; ++i) Send(WM_CHAR, '<');
    EXPECT_EQ(state().startRows, 4);
    EXPECT_EQ(Send(WM_CHAR, '>'), 0);
    EXPECT_EQ(state().startRows, 3);
    // Space and Esc act through their keys only.
    EXPECT_EQ(Send(WM_CHAR, ' '), 0);
    EXPECT_EQ(Send(WM_CHAR, 0x1B), 0);
    EXPECT_EQ(Send(WM_CHAR, '='), 0);
    EXPECT_EQ(state().speedLevel, 0);
    EXPECT_EQ(state().startRows, 3);
    EXPECT_FALSE(IsIconic(window));
}

TEST_F(MainWindowTest, ButtonsAreKnownByTheirHandles) {
    EXPECT_EQ(Send(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(ButtonOf(SpeedUpButton))), 0);
    EXPECT_EQ(state().speedLevel, 1);
    Send(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(ButtonOf(RowsUpButton)));
    Send(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(ButtonOf(RowsUpButton)));
    Send(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(ButtonOf(RowsDownButton)));
    EXPECT_EQ(state().startRows, 1);
    Send(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(ButtonOf(SpeedDownButton)));
    EXPECT_EQ(state().speedLevel, 0);
    // A command from no known control does nothing.
    Send(WM_COMMAND, 0, reinterpret_cast<LPARAM>(window));
    Send(WM_COMMAND, 0, 0);
    EXPECT_EQ(state().speedLevel, 0);
    EXPECT_EQ(state().running, 0);
    Send(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(ButtonOf(StartButton)));
    EXPECT_EQ(state().running, 1);
    Send(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(ButtonOf(PauseButton)));
    EXPECT_EQ(state().paused, 1);
}

TEST_F(MainWindowTest, ACommandGivesTheFocusBackToTheWindow) {
    SetFocus(ButtonOf(SpeedUpButton));
    Send(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(ButtonOf(SpeedUpButton)));
    EXPECT_EQ(GetFocus(), window);
}

TEST_F(MainWindowTest, MenuCommandsStepToTheMaximum) {
    EXPECT_EQ(Send(WM_COMMAND, CmdMaxRows), 0);
    EXPECT_EQ(state().startRows, 16);
    EXPECT_FALSE(IsWindowEnabled(ButtonOf(RowsUpButton)));
    EXPECT_TRUE(IsWindowEnabled(ButtonOf(RowsDownButton)));
}

TEST_F(MainWindowTest, MouseButtonsMoveAndTurn) {
    StartGameWithTee();
    EXPECT_EQ(Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(400, 250)), 0);
    EXPECT_EQ(state().column, kSpawnColumn - 1);
    EXPECT_EQ(Send(WM_RBUTTONDOWN, MK_RBUTTON, Point(130, 330)), 0);
    EXPECT_EQ(state().column, kSpawnColumn);
    ShapeRecord turned = ShapeCatalogue[kTee];
    RotateShape(turned, 0);
    EXPECT_EQ(Send(WM_MBUTTONDOWN, MK_MBUTTON, Point(5, 5)), 0);
    EXPECT_STREQ(state().shape.grid, turned.grid);
    EXPECT_EQ(Send(WM_MOUSEMOVE, 0, Point(20, 180)), 0);
    EXPECT_EQ(GetCursor(), program->pictures.hand);
    EXPECT_EQ(Send(WM_MOUSEMOVE, 0, Point(19, 180)), 0);
    EXPECT_EQ(GetCursor(), program->pictures.arrow);
}

// Moved to a monitor of twice the scale, the window takes the suggested
// place, its buttons and mouse regions double, and back at 96 it holds
// what it held before.
TEST_F(MainWindowTest, AMonitorOfAnotherScaleRescalesEverything) {
    StartGameWithTee();
    const long held = program->guiObjects.objects;
    RECT suggested = {40, 30, 40 + 966, 30 + 720};
    EXPECT_EQ(Send(WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested)), 0);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, suggested.left);
    EXPECT_EQ(rect.top, suggested.top);
    EXPECT_EQ(rect.right, suggested.right);
    EXPECT_EQ(rect.bottom, suggested.bottom);
    EXPECT_EQ(program->pictures.dpi, 192);
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonPlace& place = kButtonPlaces[i];
        GetWindowRect(program->buttons[i], &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, 2 * place.x) << i;
        EXPECT_EQ(rect.top, 2 * place.y) << i;
        EXPECT_EQ(rect.right - rect.left, 2 * place.width) << i;
        EXPECT_EQ(rect.bottom - rect.top, 2 * place.height) << i;
    }
    EXPECT_EQ(Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(800, 500)), 0);
    EXPECT_EQ(state().column, kSpawnColumn - 1);
    EXPECT_EQ(Send(WM_RBUTTONDOWN, MK_RBUTTON, Point(261, 661)), 0);
    EXPECT_EQ(state().column, kSpawnColumn);
    EXPECT_EQ(Send(WM_RBUTTONDOWN, MK_RBUTTON, Point(259, 661)), 0);
    EXPECT_EQ(state().column, kSpawnColumn);
    EXPECT_EQ(Send(WM_MOUSEMOVE, 0, Point(40, 360)), 0);
    EXPECT_EQ(GetCursor(), program->pictures.hand);
    EXPECT_EQ(Send(WM_MOUSEMOVE, 0, Point(39, 360)), 0);
    EXPECT_EQ(GetCursor(), program->pictures.arrow);

    RECT back = {40, 30, 40 + 485, 30 + 365};
    EXPECT_EQ(Send(WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&back)), 0);
    GetWindowRect(program->buttons[StartButton], &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, kButtonPlaces[StartButton].x);
    EXPECT_EQ(rect.right - rect.left, kButtonPlaces[StartButton].width);
    EXPECT_EQ(program->guiObjects.objects, held);
}

TEST_F(MainWindowTest, LosingActivationPausesAndRegainingResumes) {
    ShowWindow(window, SW_SHOWNA);
    StartGameWithTee();
    EXPECT_EQ(Send(WM_ACTIVATE, WA_INACTIVE), 0);
    EXPECT_EQ(state().paused, 1);
    EXPECT_EQ(state().autoPaused, 1);
    EXPECT_EQ(WindowText(ButtonOf(PauseButton)), kContinueText);
    EXPECT_EQ(Send(WM_ACTIVATE, WA_CLICKACTIVE), 0);
    EXPECT_EQ(state().paused, 0);
    EXPECT_EQ(WindowText(ButtonOf(PauseButton)), kPauseText);
    // The player's own pause outlives a round trip of activation.
    Send(WM_KEYDOWN, VK_F3);
    Send(WM_ACTIVATE, WA_INACTIVE);
    Send(WM_ACTIVATE, WA_ACTIVE);
    EXPECT_EQ(state().paused, 1);
    EXPECT_EQ(WindowText(ButtonOf(PauseButton)), kContinueText);
}

TEST_F(MainWindowTest, AHiddenGameStaysPausedUntilTheWindowIsShown) {
    ShowWindow(window, SW_SHOWNA);
    StartGameWithTee();
    Send(WM_ACTIVATE, WA_INACTIVE);
    ShowWindow(window, SW_HIDE);
    // The icon's menu makes the hidden window the foreground window.
    EXPECT_EQ(Send(WM_ACTIVATE, WA_ACTIVE), 0);
    EXPECT_EQ(state().paused, 1);
    EXPECT_EQ(state().autoPaused, 1);
    Send(WM_ACTIVATE, WA_INACTIVE);
    ShowWindow(window, SW_SHOWNA);
    Send(WM_ACTIVATE, WA_ACTIVE);
    EXPECT_EQ(state().paused, 0);
}

// The gravity timer's expiries within the given time, taken from the
// queue without running them.
int GravityTicksWithin(HWND window, DWORD milliseconds) {
    int ticks = 0;
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE)) ++ticks;
        Sleep(5);
    }
    return ticks;
}

TEST_F(MainWindowTest, ADownLetGoInAnotherWindowEndsTheFastFallOnReturn) {
    ShowWindow(window, SW_SHOWNA);
    program->game.options.dropStyle = 0;  // Down falls fast while held
    StartGameWithTee();
    Send(WM_KEYDOWN, VK_DOWN);
    EXPECT_GT(GravityTicksWithin(window, 300), 3);
    // Down comes up while another window has the keyboard.
    Send(WM_ACTIVATE, WA_INACTIVE);
    Send(WM_ACTIVATE, WA_ACTIVE);
    GravityTicksWithin(window, 20);  // what was already due
    EXPECT_EQ(GravityTicksWithin(window, 300), 0);
    EXPECT_EQ(state().paused, 0);
}

TEST_F(MainWindowTest, MinimisingHidesTheWindow) {
    ShowWindow(window, SW_SHOW);
    EXPECT_EQ(Send(WM_SYSCOMMAND, SC_MINIMIZE), 0);
    EXPECT_TRUE(IsIconic(window));
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(MainWindowTest, EscMinimisesAndHides) {
    ShowWindow(window, SW_SHOW);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_ESCAPE), 0);
    EXPECT_TRUE(IsIconic(window));
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(MainWindowTest, PrivateMessagesAreCommands) {
    EXPECT_EQ(Send(PrivateMsg::NewGame), 0);
    EXPECT_EQ(state().running, 1);
    state().shapeIndex = kTee;
    state().shape = ShapeCatalogue[kTee];
    EXPECT_EQ(Send(PrivateMsg::MoveLeft), 0);
    EXPECT_EQ(state().column, kSpawnColumn - 1);
    EXPECT_EQ(Send(PrivateMsg::MoveRight), 0);
    EXPECT_EQ(state().column, kSpawnColumn);
    EXPECT_EQ(Send(PrivateMsg::Rotate), 0);
    EXPECT_STRNE(state().shape.grid, ShapeCatalogue[kTee].grid);
    state().paused = 1;
    EXPECT_EQ(Send(PrivateMsg::RefreshPauseLabel), 0);
    EXPECT_EQ(WindowText(ButtonOf(PauseButton)), kContinueText);
}

TEST_F(MainWindowTest, DestructionReleasesEverythingAndEndsTheLoopOnce) {
    StartGameWithTee();
    DestroyWindow(window);
    EXPECT_TRUE(program->shutDown);
    EXPECT_EQ(program->pictures.tiles.dc, nullptr);
    EXPECT_EQ(program->pictures.digits.dc, nullptr);
    EXPECT_TRUE(DrainQueue());
}

TEST_F(MainWindowTest, QuittingFromTheRulesShutsDownAndIgnoresLaterInput) {
    program->host.CarryOut(RequestCall{Request::QuitProgram, 0, 1, ""});
    EXPECT_TRUE(program->shutDown);
    EXPECT_TRUE(DrainQueue());
    EXPECT_TRUE(IsWindow(window));
    Send(WM_KEYDOWN, VK_F2);
    Send(WM_CHAR, '+');
    EXPECT_EQ(state().running, 0);
    EXPECT_EQ(state().speedLevel, 0);
}

TEST_F(MainWindowTest, HostRealisesButtonsAndWaits) {
    program->host.SetButtonEnabled(OptionsButton, false);
    EXPECT_FALSE(IsWindowEnabled(ButtonOf(OptionsButton)));
    program->host.SetButtonEnabled(OptionsButton, true);
    EXPECT_TRUE(IsWindowEnabled(ButtonOf(OptionsButton)));
    // GetTickCount moves in steps of up to 16 ms; the steady clock does not.
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(program->host.CarryOut(RequestCall{Request::Wait, 50, 1, ""}).outcome, Outcome::Yes);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(45));
}

}  // namespace
