// The real main window under Wine, soaked: thousands of random inputs go
// through its window procedure (keys, characters, the mouse, the buttons,
// menu commands, activation, timer ticks, painting, hiding to the
// notification area and coming back), every dialog and menu they open is
// answered at once, and after every input the program must still hold
// exactly what it held before: its count of GDI and USER objects, one
// notification icon while hidden and none while shown, no dialog or menu
// left open, and a game state within its bounds.
//
// What the end-to-end soak (tests/e2e/cases/90-soak.sh) cannot check: the
// program's own count of what it made and freed, after every single input,
// which only code inside the process can read. What this one cannot check:
// input as the system delivers it (real keystrokes and clicks, a window
// manager, the notification area of a desktop), which the other drives.
//
// The seed is printed; TRELMO_SOAK_SEED=n replays a run.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "draw/layout.h"
#include "game/cycle.h"
#include "game/difficulty.h"
#include "game/well.h"
#include "store/settings.h"
#include "tests/win32/modal_closer.h"
#include "win32/gui_objects.h"
#include "win32/main_window.h"
#include "win32/messages.h"
#include "win32/program.h"
#include "win32/startup.h"
#include "win32/tray.h"

namespace {

constexpr uint32_t kDefaultSeed = 20240611;
constexpr char kDesktop[] = "TrelmoSoak";
constexpr char kDesktopSizes[] = "Software\\Wine\\Explorer\\Desktops";
constexpr int kRounds = 32;
constexpr int kStepsPerRound = 100;
constexpr long kSurfaceObjects = 6;

uint32_t SoakSeed() {
    const char* text = std::getenv("TRELMO_SOAK_SEED");
    return text != nullptr ? static_cast<uint32_t>(std::strtoul(text, nullptr, 10)) : kDefaultSeed;
}

std::string SettingsPath() {
    char directory[MAX_PATH] = {};
    GetWindowsDirectoryA(directory, sizeof directory);
    return std::string(directory) + "\\" + kSettingsFile;
}

std::string WindowText(HWND window) {
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The game's own bounds: an empty well before the first game, then walls
// and floor solid and settled cells 0..11; flags 0 or 1, counters in their
// ranges, the falling shape where it fits.
std::string BrokenInvariant(const Game& game) {
    const Well& well = game.well;
    for (int r = 0; r < kWellRows && game.state.running == 0; ++r)
        for (int c = 0; c < kWellColumns; ++c)
            if (well.cells[r][c] != 0) return "a cell is set before the first game";
    for (int r = 0; r < kWellRows && game.state.running == 1; ++r) {
        if (well.cells[r][0] != kSolid || well.cells[r][kWellColumns - 1] != kSolid) return "a wall cell is not solid";
        for (int c = 1; c <= kPlayfieldColumns; ++c) {
            const int32_t cell = well.cells[r][c];
            if (r == kFloorRow && cell != kSolid) return "a floor cell is not solid";
            if (r != kFloorRow && (cell < 0 || cell > 11)) return "a cell holds " + std::to_string(cell);
        }
    }
    const GameState& s = game.state;
    for (int32_t flag : {s.running, s.shapeVisible, s.paused, s.autoPaused, s.fastFall})
        if (flag != 0 && flag != 1) return "a flag holds " + std::to_string(flag);
    if (s.speedLevel < 0 || s.speedLevel > kMaxSpeedLevel) return "speed level " + std::to_string(s.speedLevel);
    if (s.startRows < 0 || s.startRows > kMaxStartRows) return "starting rows " + std::to_string(s.startRows);
    if (s.shapeCount != 7 && s.shapeCount != 11) return "shape count " + std::to_string(s.shapeCount);
    if (s.score < 0 || s.lines < 0) return "a negative score or line count";
    if (s.running == 1) {
        if (s.shapeIndex < 0 || s.shapeIndex > 10 || s.nextIndex < 0 || s.nextIndex > 10) return "a shape index out of the catalogue";
        if (s.shapeVisible == 1 && Collides(well, s.shape, s.column, s.row)) return "the falling shape overlaps the stack";
    }
    const Options& o = game.options;
    for (int32_t flag : {o.dropStyle, o.style, o.sound, o.preview, o.look3D, o.inverse, o.rotateDir})
        if (flag != 0 && flag != 1) return "an option holds " + std::to_string(flag);
    return "";
}

// Wine gives a desktop whose size the registry names a window of its own
// on the X display, inside which windows hide and close at once; on the
// bare X server each hidden window waits two seconds for a window manager
// that is not there. Call before the thread has any window or hook.
bool MoveToOwnDesktop() {
    constexpr char kSize[] = "1024x768";
    HKEY sizes = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopSizes, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &sizes, nullptr) !=
        ERROR_SUCCESS)
        return false;
    RegSetValueExA(sizes, kDesktop, 0, REG_SZ, reinterpret_cast<const BYTE*>(kSize), sizeof kSize);
    RegCloseKey(sizes);
    HDESK desktop = CreateDesktopA(kDesktop, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    return desktop != nullptr && SetThreadDesktop(desktop) != FALSE;
}

class SoakTest : public ::testing::Test {
protected:
    // The prefix's own settings file is kept aside while the soak writes.
    static void SetUpTestSuite() {
        onOwnDesktop = MoveToOwnDesktop();
        RegisterWindowClass(GetModuleHandleA(nullptr));
        kept = CopyFileA(SettingsPath().c_str(), (SettingsPath() + ".kept").c_str(), FALSE) != FALSE;
    }
    static void TearDownTestSuite() {
        HKEY sizes = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kDesktopSizes, 0, KEY_SET_VALUE, &sizes) == ERROR_SUCCESS) {
            RegDeleteValueA(sizes, kDesktop);
            RegCloseKey(sizes);
        }
        if (kept) MoveFileExA((SettingsPath() + ".kept").c_str(), SettingsPath().c_str(), MOVEFILE_REPLACE_EXISTING);
        else DeleteFileA(SettingsPath().c_str());
    }

    // The program's own start-up, without the mutex and the opening sheet.
    void SetUp() override {
        ASSERT_TRUE(onOwnDesktop);
        seed = SoakSeed();
        std::printf("soak seed %u (TRELMO_SOAK_SEED replays it)\n", seed);
        random.seed(seed);
        closer = std::make_unique<ModalCloser>(seed);
        closer->SetInputDuringExitBox([this] { PostInputDuringExitBox(); });
        program = std::make_unique<Program>();
        program->instance = GetModuleHandleA(nullptr);
        program->game.host = &program->host;
        AttachProgram(program.get());
        window = CreateMainWindow(program->instance);
        ASSERT_NE(window, nullptr);
        ShowWindow(window, SW_SHOW);
        ASSERT_TRUE(CreateButtons(window, *program));
        InitGameState(program->game.state);
        program->game.options = kDefaultOptions;
        // Negative scores, so that the first games qualify with any score.
        ClearScores(program->scores);
        for (int i = 0; i < kScoreRows; ++i) program->scores.rows[i].score = -1 - i;
        SeedRandom(program->game.random, seed);
        EnableWindow(ButtonOf(PauseButton), FALSE);
        EnableWindow(ButtonOf(SpeedDownButton), FALSE);
        EnableWindow(ButtonOf(RowsDownButton), FALSE);
        UpdateWindow(window);
        GetWindowRect(window, &placed);
        // Between two inputs the window holds its three memory surfaces (the
        // tiles, the digits and its picture of the client area), a device
        // context and a bitmap each, and nothing else.
        ASSERT_EQ(program->guiObjects.objects, kSurfaceObjects);
        ASSERT_EQ(program->guiObjects.trayIcons, 0);
    }

    void TearDown() override {
        closer.reset();
        if (IsWindow(window)) DestroyWindow(window);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {}
        AttachProgram(nullptr);
    }

    HWND ButtonOf(Button button) const { return ButtonHandle(*program, button); }
    bool Hidden() const { return !IsWindowVisible(window); }
    static LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

    void Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { SendMessageA(window, message, wParam, lParam); }

    // The program's message loop for what is queued: the menus' commands and
    // anything posted. The gravity timer's messages are dropped, since the
    // soak sends its own ticks; only the nested loops of dialogs still see
    // them, so a seed replays a run nearly tick for tick.
    void Pump() {
        MSG message;
        for (int i = 0; i < 500 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
            if (message.message == WM_TIMER && message.hwnd == window) continue;
            if (message.message == WM_QUIT) {
                quitPosted = true;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        closer->ForgetAnswered();
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    struct Input {
        int weight;
        const char* name;
        std::function<void()> send;
    };

    // What a shown window can be sent. MaxSpeed and MaxRows wait 50 ms per
    // step and are rare.
    std::vector<Input> ShownInputs() {
        static const int kMoveKeys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_SPACE};
        static const int kCharacters[] = {'+', '-', '<', '>'};
        static const WPARAM kActivations[] = {WA_INACTIVE, WA_ACTIVE, WA_CLICKACTIVE, 3};
        return {
            {60, "move key", [&] { Send(WM_KEYDOWN, kMoveKeys[Pick(0, 3)]); }},
            {16, "Down", [&] { PressDown(); }},
            {10, "Down released", [&] { Send(WM_KEYUP, VK_DOWN); }},
            {8, "any key", [&] { Send(WM_KEYDOWN, AnyKeyButF5OrF6()); }},
            {1, "F5 or F6", [&] { Send(WM_KEYDOWN, Pick(0, 1) ? VK_F5 : VK_F6); }},
            {14, "character", [&] { Send(WM_CHAR, kCharacters[Pick(0, 3)]); }},
            {6, "any character", [&] { Send(WM_CHAR, Pick(0, 0xFFFF)); }},
            {28, "tick", [&] { Send(WM_TIMER, kGravityTimer); }},
            {20, "mouse move", [&] { Send(WM_MOUSEMOVE, 0, RandomPoint()); }},
            {10, "left click", [&] { Send(WM_LBUTTONDOWN, MK_LBUTTON, RandomPoint()); }},
            {10, "right click", [&] { Send(WM_RBUTTONDOWN, MK_RBUTTON, RandomPoint()); }},
            {6, "middle click", [&] { Send(WM_MBUTTONDOWN, MK_MBUTTON, RandomPoint()); }},
            {12, "button", [&] { ClickButton(); }},
            {4, "menu command", [&] { Send(WM_COMMAND, Pick(201, 205)); }},
            {1, "other command", [&] { Send(WM_COMMAND, Pick(0, 2) ? 208 : Pick(206, 300)); }},
            {6, "activation", [&] { Send(WM_ACTIVATE, kActivations[Pick(0, 3)]); }},
            {4, "repaint", [&] { InvalidateRect(window, nullptr, TRUE), UpdateWindow(window); }},
            {4, "Esc", [&] { Send(WM_KEYDOWN, VK_ESCAPE); }},
            {2, "minimise", [&] { Send(WM_SYSCOMMAND, SC_MINIMIZE); }},
            {2, "close", [&] { Send(WM_SYSCOMMAND, SC_CLOSE); }},
        };
    }

    // What a hidden window can still get: its icon's mouse messages (the
    // right button opens the icon's menu), ticks and repaints.
    std::vector<Input> HiddenInputs() {
        static const LPARAM kIconMouse[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_RBUTTONDOWN};
        return {
            {10, "icon mouse", [&] { Send(PrivateMsg::TrayNotify, kTrayIconId, kIconMouse[Pick(0, 4)]); }},
            {5, "icon double-click", [&] { Send(PrivateMsg::TrayNotify, kTrayIconId, WM_LBUTTONDBLCLK); }},
            {3, "restore", [&] { Send(WM_COMMAND, CmdRestore); }},
            {5, "tick", [&] { Send(WM_TIMER, kGravityTimer); }},
            {1, "repaint", [&] { InvalidateRect(window, nullptr, TRUE), UpdateWindow(window); }},
        };
    }

    // What the player may do to the main window while the exit box is open:
    // keys, a new game, hiding, and asking to close once more.
    void PostInputDuringExitBox() {
        static const int kKeys[] = {VK_LEFT, VK_UP, VK_F2, VK_F3, VK_ESCAPE};
        for (int i = Pick(0, 2); i > 0; --i) {
            if (Pick(0, 3) == 0) PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            else PostMessageA(window, WM_KEYDOWN, kKeys[Pick(0, 4)], 0);
        }
    }

    // Down, sometimes with Ctrl held for the fast fall.
    void PressDown() {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        const bool ctrl = Pick(0, 2) == 0;
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(keys);
        Send(WM_KEYDOWN, VK_DOWN);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    }

    // Anywhere over the client area and a little beyond it, and now and
    // then any pair of 16-bit coordinates.
    LPARAM RandomPoint() {
        if (Pick(0, 9) == 0) return Point(Pick(-32768, 32767), Pick(-32768, 32767));
        return Point(Pick(-10, 490), Pick(-10, 350));
    }

    // Any virtual key; F5 and F6, which wait a second, have their own input.
    int AnyKeyButF5OrF6() {
        const int key = Pick(0, 255);
        return key == VK_F5 || key == VK_F6 ? VK_F9 : key;
    }

    void ClickButton() {
        const int which = Pick(0, kButtonCount);
        HWND sender = which < kButtonCount ? program->buttons[which] : window;
        Send(WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(sender));
    }

    void SendOne(const std::vector<Input>& inputs) {
        int total = 0;
        for (const Input& input : inputs) total += input.weight;
        int roll = Pick(0, total - 1);
        for (const Input& input : inputs) {
            if (roll < input.weight) {
                Remember(input.name);
                input.send();
                return;
            }
            roll -= input.weight;
        }
    }

    void Remember(const std::string& name) {
        recent.push_back(std::to_string(step) + " " + name);
        if (recent.size() > 12) recent.pop_front();
    }

    // Empty when everything the program holds is as it should be between
    // two inputs.
    std::string Fault() {
        if (!IsWindow(window) || program->shutDown) return "the window is gone";
        if (program->guiObjects.objects != kSurfaceObjects)
            return std::to_string(program->guiObjects.objects) + " GDI/USER objects held, not " + std::to_string(kSurfaceObjects);
        const long icons = Hidden() ? 1 : 0;
        if (program->guiObjects.trayIcons != icons)
            return std::to_string(program->guiObjects.trayIcons) + " icons while " + (Hidden() ? "hidden" : "shown");
        if (!ModalWindowsOfThisThread().empty()) return "a dialog or menu window is left";
        const std::string broken = BrokenInvariant(program->game);
        if (!broken.empty()) return broken;
        const GameState& s = program->game.state;
        if ((IsWindowEnabled(ButtonOf(PauseButton)) != FALSE) != (s.running == 1)) return "the pause button's state";
        if ((IsWindowEnabled(ButtonOf(SpeedDownButton)) != FALSE) != (s.speedLevel > 0)) return "the speed - button's state";
        if ((IsWindowEnabled(ButtonOf(SpeedUpButton)) != FALSE) != (s.speedLevel < kMaxSpeedLevel))
            return "the speed + button's state";
        if ((IsWindowEnabled(ButtonOf(RowsDownButton)) != FALSE) != (s.startRows > 0)) return "the rows - button's state";
        if (WindowText(ButtonOf(PauseButton)) != (s.paused == 1 ? kContinueText : kPauseText)) return "the pause label";
        return "";
    }

    ::testing::AssertionResult Sound(const char* when) {
        const std::string fault = Fault();
        if (fault.empty()) return ::testing::AssertionSuccess();
        std::string trail;
        for (const std::string& line : recent) trail += "\n  " + line;
        return ::testing::AssertionFailure() << when << " " << step << " (seed " << seed << "): " << fault
                                             << "\nlast inputs:" << trail;
    }

    // Hidden to the icon and back by its double-click or its menu command.
    ::testing::AssertionResult HideAndRestore() {
        Remember("round: Esc");
        Send(WM_KEYDOWN, VK_ESCAPE);
        Pump();
        if (!Hidden()) return ::testing::AssertionFailure() << "Esc left the window shown";
        ::testing::AssertionResult sound = Sound("after hiding in round");
        if (!sound) return sound;
        ++hides;
        Remember("round: restore");
        if (Pick(0, 1)) Send(PrivateMsg::TrayNotify, kTrayIconId, WM_LBUTTONDBLCLK);
        else Send(WM_COMMAND, CmdRestore);
        Pump();
        RECT now = {};
        GetWindowRect(window, &now);
        if (Hidden() || IsIconic(window)) return ::testing::AssertionFailure() << "the window did not come back";
        if (!EqualRect(&now, &placed)) return ::testing::AssertionFailure() << "the window came back elsewhere";
        return Sound("after restoring in round");
    }

    static bool kept, onOwnDesktop;
    uint32_t seed = 0;
    std::mt19937 random;
    std::unique_ptr<ModalCloser> closer;
    std::unique_ptr<Program> program;
    HWND window = nullptr;
    RECT placed = {};
    bool quitPosted = false;
    int step = 0;
    int hides = 0;
    std::deque<std::string> recent;
};

bool SoakTest::kept = false;
bool SoakTest::onOwnDesktop = false;

TEST_F(SoakTest, RandomInputNeitherCrashesNorLeaksAndEndsCleanly) {
    const DWORD started = GetTickCount();
    const std::vector<Input> shown = ShownInputs();
    const std::vector<Input> hidden = HiddenInputs();
    ASSERT_TRUE(Sound("at start"));
    for (int round = 0; round < kRounds; ++round) {
        for (int i = 0; i < kStepsPerRound; ++i, ++step) {
            SendOne(Hidden() ? hidden : shown);
            Pump();
            ASSERT_TRUE(Sound("after input"));
        }
        if (Hidden()) {
            Send(WM_COMMAND, CmdRestore);
            Pump();
        }
        ASSERT_TRUE(HideAndRestore()) << "round " << round;
        // A menu opened by a right click outside the well, and left.
        Remember("round: main menu");
        Send(WM_RBUTTONDOWN, MK_RBUTTON, Point(400, 250));
        Pump();
        ASSERT_TRUE(Sound("after the menu in round"));
    }
    const ModalTally& tally = closer->tally();
    std::printf("soak: %d inputs in %lu ms, %d hidings, %d dialogs (%d game overs, %d names, %d exit boxes), "
                "%d menus (%d chosen from)\n",
                step, static_cast<unsigned long>(GetTickCount() - started), hides, tally.dialogs, tally.gameOvers,
                tally.nameEntries, tally.exitBoxes, tally.menus, tally.menuChoices);
    EXPECT_EQ(tally.stuck, 0) << "dialogs or menus that did not close on their answer";
    EXPECT_TRUE(tally.unknownTitles.empty()) << "a dialog titled " << tally.unknownTitles.front();
    // The soak reached what it is for.
    EXPECT_GE(hides, kRounds);
    EXPECT_GE(tally.menus, kRounds);
    EXPECT_GE(tally.menuChoices, 1);
    EXPECT_GE(tally.gameOvers, 1);
    EXPECT_GE(tally.nameEntries, 1);
    EXPECT_GE(tally.exitBoxes, 1);
    EXPECT_TRUE(program->game.state.running == 1);

    // Leaving while hidden, as the icon's menu does: Yes ends the program,
    // and everything it held is given back.
    Send(WM_KEYDOWN, VK_ESCAPE);
    Pump();
    ASSERT_EQ(program->guiObjects.trayIcons, 1);
    closer->SetExitAnswer(IDYES);
    Send(WM_COMMAND, CmdExit);
    Pump();
    EXPECT_TRUE(program->shutDown);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(quitPosted);
    EXPECT_EQ(program->guiObjects.trayIcons, 0);
    EXPECT_EQ(program->guiObjects.objects, 0);
}

}  // namespace
