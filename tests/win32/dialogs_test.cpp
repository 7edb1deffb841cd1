// The real dialogs, sheet, notification icon and menus under Wine. Each
// modal window is driven from a thread timer, which its own message loop
// dispatches: the timer waits for the window, looks at it and presses its
// buttons, and the test checks what the program did afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "game/difficulty.h"
#include "resources/texts.h"
#include "store/dialogs_fields.h"
#include "store/settings.h"
#include "tests/support/texts.h"
#include "win32/dialogs.h"
#include "win32/main_window.h"
#include "win32/menus.h"
#include "win32/program.h"
#include "win32/startup.h"
#include "win32/tray.h"

namespace {

// One step: called with the window once it has appeared.
struct Step {
    const char* windowClass;  // "#32770" dialogs, "#32768" menus
    const char* title;        // nullptr: any
    std::function<void(HWND)> act;
};

std::vector<Step> g_steps;
size_t g_nextStep = 0;

void CALLBACK RunSteps(HWND, UINT, UINT_PTR, DWORD) {
    if (g_nextStep >= g_steps.size()) return;
    const Step& step = g_steps[g_nextStep];
    HWND found = FindWindowA(step.windowClass, step.title);
    if (found == nullptr || !IsWindowVisible(found)) return;
    ++g_nextStep;
    step.act(found);
}

// Runs `open` with the steps armed; every step must have run.
void Drive(std::vector<Step> steps, const std::function<void()>& open) {
    g_steps = std::move(steps);
    g_nextStep = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, RunSteps);
    open();
    KillTimer(nullptr, timer);
    EXPECT_EQ(g_nextStep, g_steps.size()) << "not every window appeared";
}

void Press(HWND dialog, int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id))); }
void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

std::string ItemText(HWND dialog, int id) {
    char text[64] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::string SettingsPath() {
    char directory[MAX_PATH] = {};
    GetWindowsDirectoryA(directory, sizeof directory);
    return std::string(directory) + "\\" + kSettingsFile;
}

std::string StoredValue(const char* section, const char* key) {
    char text[64] = {};
    GetPrivateProfileStringA(section, key, "(none)", text, sizeof text, kSettingsFile);
    return text;
}

class DialogsTest : public ::testing::Test {
protected:
    // The prefix's own settings file is kept aside while the tests write
    // theirs.
    static void SetUpTestSuite() {
        RegisterWindowClass(GetModuleHandleA(nullptr));
        kept = CopyFileA(SettingsPath().c_str(), (SettingsPath() + ".kept").c_str(), FALSE) != FALSE;
    }
    static void TearDownTestSuite() {
        if (kept) MoveFileExA((SettingsPath() + ".kept").c_str(), SettingsPath().c_str(), MOVEFILE_REPLACE_EXISTING);
        else DeleteFileA(SettingsPath().c_str());
    }

    void SetUp() override {
        program.instance = GetModuleHandleA(nullptr);
        program.game.host = &program.host;
        AttachProgram(&program);
        window = CreateMainWindow(program.instance);
        ASSERT_NE(window, nullptr);
        InitGameState(program.game.state);
        program.game.options = kDefaultOptions;
        ClearScores(program.scores);
    }

    void TearDown() override {
        if (IsWindow(window)) DestroyWindow(window);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {}
        AttachProgram(nullptr);
    }

    void SetRow(int i, int32_t score, int32_t lines, const char* name) {
        program.scores.rows[i].score = score;
        program.scores.rows[i].lines = lines;
        std::strcpy(program.scores.rows[i].name, name);
    }

    // The start command offers the game in progress to the table, through
    // the front end's name entry, save and table.
    void OfferTheGame() { CarryOutWindowActions(program, RunCommand(program.dispatcher, Command::StartGame)); }

    static bool kept;
    Program program;
    HWND window = nullptr;
};

bool DialogsTest::kept = false;

constexpr char kNameTitle[] = NAME_ENTRY_CAPTION;
constexpr char kTableTitle[] = SCORE_TABLE_CAPTION;
constexpr char kOptionsTitle[] = OPTIONS_CAPTION;

TEST_F(DialogsTest, AScoreThatDoesNotBeatTheTenthRowOpensNothing) {
    DeleteFileA(SettingsPath().c_str());
    program.game.state.score = 0;
    Drive({}, [&] { OfferTheGame(); });
    EXPECT_EQ(GetFileAttributesA(SettingsPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(DialogsTest, ANewScoreOffersTheOvertakenNameAndStoresTheTypedOne) {
    for (int i = 0; i < kScoreRows; ++i) SetRow(i, 1000 - 100 * i, i, ("P" + std::to_string(i)).c_str());
    program.game.state.score = 700;  // equal to row 3, above row 4: place 4
    program.game.state.lines = 12;
    std::string offered;
    bool nameBoxAfterEsc = false;
    Drive({{"#32770", kNameTitle,
            [&](HWND dialog) {
                offered = ItemText(dialog, IDC_NAME_BOX);
                EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
                EXPECT_EQ(GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU, 0);
                Press(dialog, IDCANCEL);  // Esc
                nameBoxAfterEsc = IsWindow(dialog) && IsWindowVisible(dialog);
                // 20 characters: 18 are read, 17 kept.
                SetDlgItemTextA(dialog, IDC_NAME_BOX, "ABCDEFGHIJKLMNOPQRST");
                Press(dialog, IDOK);
            }},
           {"#32770", kTableTitle, [&](HWND dialog) { Press(dialog, IDOK); }}},
          [&] { OfferTheGame(); });
    EXPECT_EQ(offered, "P4");
    EXPECT_TRUE(nameBoxAfterEsc);
    EXPECT_EQ(program.scores.rows[3].score, 700);
    EXPECT_STREQ(program.scores.rows[3].name, "P3");
    EXPECT_EQ(program.scores.rows[4].score, 700);
    EXPECT_EQ(program.scores.rows[4].lines, 12);
    EXPECT_STREQ(program.scores.rows[4].name, "ABCDEFGHIJKLMNOPQ");
    EXPECT_STREQ(program.scores.rows[5].name, "P4");
    EXPECT_EQ(program.scores.rows[9].score, 200);  // the old tenth row is gone
    EXPECT_EQ(StoredValue("Score", "Player4"), "700,12,ABCDEFGHIJKLMNOPQ");
    EXPECT_EQ(StoredValue("Score", "Player9"), "200,8,P8");
}

TEST_F(DialogsTest, ANameIsNeverCutInsideADoubleByteCharacter) {
    program.game.state.score = 5;
    // 17 letters and a two-byte character across the 18-byte read.
    Drive({{"#32770", kNameTitle,
            [&](HWND dialog) {
                SetDlgItemTextA(dialog, IDC_NAME_BOX, "ABCDEFGHIJKLMNOPQ" ZHONG);
                Press(dialog, IDOK);
            }},
           {"#32770", kTableTitle, [&](HWND dialog) { Press(dialog, IDOK); }}},
          [&] { OfferTheGame(); });
    EXPECT_STREQ(program.scores.rows[0].name, "ABCDEFGHIJKLMNOPQ");
    // An empty box stores an empty name.
    program.game.state.score = 6;
    Drive({{"#32770", kNameTitle,
            [&](HWND dialog) {
                SetDlgItemTextA(dialog, IDC_NAME_BOX, "");
                Press(dialog, IDOK);
            }},
           {"#32770", kTableTitle, [&](HWND dialog) { Press(dialog, IDOK); }}},
          [&] { OfferTheGame(); });
    EXPECT_STREQ(program.scores.rows[0].name, "");
    EXPECT_EQ(program.scores.rows[0].score, 6);
}

// Pixels of ink (darker than the dialog's face) in a rectangle of the
// table's client area; the stock font's thin digits are drawn in greys.
int DarkPixels(HWND dialog, int left, int top, int right, int bottom) {
    HDC dc = GetDC(dialog);
    int dark = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            if (c != CLR_INVALID && GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 200) ++dark;
        }
    ReleaseDC(dialog, dc);
    return dark;
}

TEST_F(DialogsTest, TheTablePaintsItsRowsAlignedOnTheirColumnsAndClears) {
    SetRow(0, 98765, 43, "Wide");
    SetRow(9, 11111, 22, "Last");
    for (int i = 1; i < 9; ++i) SetRow(i, 50000 - i, i, "Mid");
    int placeLeft = 0, placeRight = 0, scoreLeft = 0, scoreRight = 0, linesLeft = 0, linesRight = 0;
    int nameLeft = 0, nameRight = 0, lastRow = 0, belowLastRow = 0, clearedScore = 0;
    bool openAfterEsc = false;
    Drive({{"#32770", kTableTitle,
            [&](HWND dialog) {
                UpdateWindow(dialog);
                EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
                const int top = ScoreRowY(0), bottom = ScoreRowY(0) + 12;
                placeLeft = DarkPixels(dialog, 20, top, 35, bottom);
                placeRight = DarkPixels(dialog, 36, top, 50, bottom);
                scoreLeft = DarkPixels(dialog, 190, top, 220, bottom);
                scoreRight = DarkPixels(dialog, 221, top, 250, bottom);
                linesLeft = DarkPixels(dialog, 270, top, 285, bottom);
                linesRight = DarkPixels(dialog, 286, top, 300, bottom);
                nameLeft = DarkPixels(dialog, 90, top, 110, bottom);
                nameRight = DarkPixels(dialog, 110, top, 130, bottom);
                lastRow = DarkPixels(dialog, 190, ScoreRowY(9), 220, ScoreRowY(9) + 12);
                belowLastRow = DarkPixels(dialog, 190, ScoreRowY(9) + 14, 220, ScoreRowY(9) + 18);
                Press(dialog, IDCANCEL);
                openAfterEsc = IsWindow(dialog) != FALSE;
                Press(dialog, IDC_CLEAR);
                // "0" right-aligned at 220 is narrow.
                clearedScore = DarkPixels(dialog, 190, top, 210, bottom);
                Press(dialog, IDOK);
            }}},
          [&] { ShowHighScores(window, DialogsOf(program)); });
    EXPECT_GT(placeLeft, 0);
    EXPECT_EQ(placeRight, 0);
    EXPECT_GT(scoreLeft, 0);
    EXPECT_EQ(scoreRight, 0);
    EXPECT_GT(linesLeft, 0);
    EXPECT_EQ(linesRight, 0);
    EXPECT_GT(nameLeft, 0);
    EXPECT_GT(nameRight, 0);
    EXPECT_GT(lastRow, 0);
    EXPECT_EQ(belowLastRow, 0);
    EXPECT_TRUE(openAfterEsc);
    EXPECT_EQ(clearedScore, 0);
    for (int i = 0; i < kScoreRows; ++i) {
        EXPECT_EQ(program.scores.rows[i].score, 0);
        EXPECT_STREQ(program.scores.rows[i].name, "Anonymous");
        EXPECT_EQ(StoredValue("Score", ("Player" + std::to_string(i)).c_str()), "0,0,Anonymous");
    }
}

TEST_F(DialogsTest, OptionsShowTheFlagsAndOkStoresThemWithTheShapeCount) {
    program.game.options = {0, 0, 1, 0, 1, 1, 1};
    program.game.state.shapeCount = 11;
    Drive({{"#32770", kOptionsTitle,
            [&](HWND dialog) {
                EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
                EXPECT_FALSE(Checked(dialog, IDC_SEVEN_SHAPES));
                EXPECT_TRUE(Checked(dialog, IDC_ELEVEN_SHAPES));
                EXPECT_FALSE(Checked(dialog, IDC_DROP_TO_BOTTOM));
                EXPECT_TRUE(Checked(dialog, IDC_FAST_FALL));
                EXPECT_TRUE(Checked(dialog, IDC_SOUND));
                EXPECT_FALSE(Checked(dialog, IDC_PREVIEW));
                EXPECT_TRUE(Checked(dialog, IDC_LOOK_3D));
                EXPECT_FALSE(Checked(dialog, IDC_INVERSION));  // Inverse 1
                EXPECT_FALSE(Checked(dialog, IDC_CLOCKWISE));  // RotateDir 1
                Click(dialog, IDC_SEVEN_SHAPES);
                EXPECT_FALSE(Checked(dialog, IDC_ELEVEN_SHAPES));
                Click(dialog, IDC_INVERSION);
                Click(dialog, IDC_CLOCKWISE);
                Click(dialog, IDC_SOUND);
                Press(dialog, IDOK);
            }}},
          [&] { ShowOptions(window, DialogsOf(program)); });
    const Options& o = program.game.options;
    EXPECT_EQ(o.style, 1);
    EXPECT_EQ(o.dropStyle, 0);
    EXPECT_EQ(o.sound, 0);
    EXPECT_EQ(o.preview, 0);
    EXPECT_EQ(o.look3D, 1);
    EXPECT_EQ(o.inverse, 0);
    EXPECT_EQ(o.rotateDir, 0);
    EXPECT_EQ(program.game.state.shapeCount, 7);
    EXPECT_EQ(StoredValue("Settings", "Style"), "1");
    EXPECT_EQ(StoredValue("Settings", "Inverse"), "0");
    EXPECT_EQ(StoredValue("Settings", "RotateDir"), "0");
    EXPECT_EQ(StoredValue("Settings", "Sound"), "0");
}

TEST_F(DialogsTest, OptionsCancelAndEscChangeAndWriteNothing) {
    DeleteFileA(SettingsPath().c_str());
    program.game.state.shapeCount = 7;
    // The Cancel button and Esc both arrive as IDCANCEL; try it twice so a
    // second opening starts from the untouched flags too.
    for (int closing : {IDCANCEL, IDCANCEL}) {
        Drive({{"#32770", kOptionsTitle,
                [&](HWND dialog) {
                    Click(dialog, IDC_ELEVEN_SHAPES);
                    Click(dialog, IDC_LOOK_3D);
                    Click(dialog, IDC_FAST_FALL);
                    Press(dialog, closing);
                }}},
              [&] { ShowOptions(window, DialogsOf(program)); });
    }
    EXPECT_EQ(std::memcmp(&program.game.options, &kDefaultOptions, sizeof(Options)), 0);
    EXPECT_EQ(program.game.state.shapeCount, 7);
    EXPECT_EQ(GetFileAttributesA(SettingsPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(DialogsTest, TheSheetOpensOnTheGivenPageWithThreeTabsAndNoApply) {
    for (int page : {0, 1}) {
        SCOPED_TRACE(page);
        int selected = -1, tabs = 0;
        std::vector<std::string> titles;
        bool applyShown = true;
        Drive({{"#32770", kSheetCaption,
                [&](HWND sheet) {
                    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
                    selected = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
                    tabs = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
                    for (int i = 0; i < tabs; ++i) {
                        char text[32] = {};
                        TCITEMA item = {};
                        item.mask = TCIF_TEXT;
                        item.pszText = text;
                        item.cchTextMax = sizeof text;
                        SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
                        titles.push_back(text);
                    }
                    HWND apply = GetDlgItem(sheet, 0x3021);
                    applyShown = apply != nullptr && IsWindowVisible(apply);
                    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
                }}},
              [&] { ShowInfoSheet(window, program.instance, page); });
        EXPECT_EQ(selected, page);
        EXPECT_EQ(tabs, 3);
        EXPECT_EQ(titles, (std::vector<std::string>{kAboutPageTitle, kKeyHelpPageTitle, kScoringPageTitle}));
        EXPECT_FALSE(applyShown);
    }
}

// The items of a tracked menu, read from its window, then the menu closed.
struct MenuSeen {
    std::vector<UINT> ids;
    std::vector<UINT> states;
    std::vector<std::string> texts;
};

Step ReadMenu(MenuSeen& seen) {
    return {"#32768", nullptr, [&seen](HWND popup) {
                HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
                for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                    char text[32] = {};
                    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
                    seen.ids.push_back(GetMenuItemID(menu, i));
                    seen.states.push_back(GetMenuState(menu, i, MF_BYPOSITION));
                    seen.texts.push_back(text);
                }
                EndMenu();
            }};
}

TEST_F(DialogsTest, TheMainMenuGreysTheMaximaReachedAndIsBuiltAfresh) {
    for (int level : {0, kMaxSpeedLevel}) {
        SCOPED_TRACE(level);
        program.game.state.speedLevel = level;
        program.game.state.startRows = kMaxStartRows;
        MenuSeen seen;
        Drive({ReadMenu(seen)}, [&] { OpenMainMenu(program); });
        ASSERT_EQ(seen.ids.size(), 9u);
        EXPECT_EQ(seen.ids[0], 203u);
        EXPECT_EQ(seen.texts[0], kHideItem);
        EXPECT_EQ(seen.ids[3], 206u);
        EXPECT_EQ((seen.states[3] & MF_GRAYED) != 0, level == kMaxSpeedLevel);
        EXPECT_NE(seen.states[4] & MF_GRAYED, 0u);  // 16 starting rows
        EXPECT_NE(seen.states[5] & MF_SEPARATOR, 0u);
        EXPECT_NE(seen.states[7] & MF_SEPARATOR, 0u);
        EXPECT_EQ(seen.ids[8], 202u);
        for (UINT state : seen.states) EXPECT_EQ(state & (MF_CHECKED | MF_DEFAULT), 0u);
    }
}

TEST_F(DialogsTest, TheIconsMenuIsRestoreAndExit) {
    MenuSeen seen;
    Drive({ReadMenu(seen)}, [&] { OnTrayNotify(program, WM_RBUTTONDOWN); });
    ASSERT_EQ(seen.ids.size(), 3u);
    EXPECT_EQ(seen.ids[0], 201u);
    EXPECT_EQ(seen.texts[0], kRestoreItem);
    EXPECT_NE(seen.states[1] & MF_SEPARATOR, 0u);
    EXPECT_EQ(seen.ids[2], 202u);
    EXPECT_EQ(seen.texts[2], kExitItem);
}

TEST_F(DialogsTest, OtherMouseMessagesOverTheIconDoNothing) {
    for (LPARAM mouse : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP}) {
        Drive({}, [&] { OnTrayNotify(program, mouse); });
        EXPECT_FALSE(IsWindowVisible(window));
    }
    OnTrayNotify(program, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
}

TEST_F(DialogsTest, TheIconHandleIsReleasedWhateverTheShellSays) {
    HICON icon = static_cast<HICON>(LoadImageA(program.instance, MAKEINTRESOURCEA(102), IMAGE_ICON, 16, 16, 0));
    ASSERT_NE(icon, nullptr);
    AddTrayIcon(window, kTrayIconId, icon, "Pindle trelmo", program.guiObjects);
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(icon, &info));
    RemoveTrayIcon(window, kTrayIconId, program.guiObjects);
    EXPECT_FALSE(RemoveTrayIcon(window, kTrayIconId, program.guiObjects));  // none left
}

TEST_F(DialogsTest, HidingTwiceKeepsTheWindowHiddenAndRestoringShowsIt) {
    ShowWindow(window, SW_SHOW);
    HideToTray(window, program.guiObjects);
    HideToTray(window, program.guiObjects);
    EXPECT_FALSE(IsWindowVisible(window));
    RestoreFromTray(window, program.guiObjects);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(RemoveTrayIcon(window, kTrayIconId, program.guiObjects));  // restoring took it away
}

// The shell that held the icon restarted: a hidden window gets exactly one
// icon again, and a shown window none.
TEST_F(DialogsTest, ANewTaskbarGivesAHiddenWindowItsIconBackOnce) {
    ShowWindow(window, SW_SHOW);
    OnTaskbarCreated(window, program.guiObjects);
    EXPECT_EQ(program.guiObjects.trayIcons, 0);
    HideToTray(window, program.guiObjects);
    ASSERT_FALSE(IsWindowVisible(window));
    RemoveTrayIcon(window, kTrayIconId, program.guiObjects);  // as the shell's restart does
    program.guiObjects.trayIcons = 1;                          // which the program cannot see
    OnTaskbarCreated(window, program.guiObjects);
    EXPECT_EQ(program.guiObjects.trayIcons, 1);
    EXPECT_TRUE(RemoveTrayIcon(window, kTrayIconId, program.guiObjects));
    EXPECT_FALSE(RemoveTrayIcon(window, kTrayIconId, program.guiObjects));
}

}  // namespace
