#include "tests/win32/modal_closer.h"

#include <prsht.h>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "resources/texts.h"
#include "store/dialogs_fields.h"
#include "tests/support/texts.h"

namespace {

ModalCloser* g_closer = nullptr;

constexpr char kDialogClass[] = "#32770";
constexpr char kMenuClass[] = "#32768";

bool HasClass(HWND window, const char* name) {
    char found[32] = {};
    GetClassNameA(window, found, sizeof found);
    return std::strcmp(found, name) == 0;
}

std::string TitleOf(HWND window) {
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

void PostButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PostKey(HWND window, int key) { PostMessageA(window, WM_KEYDOWN, static_cast<WPARAM>(key), 0); }

BOOL CALLBACK CollectModal(HWND window, LPARAM list) {
    if (HasClass(window, kDialogClass) || HasClass(window, kMenuClass))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// Every box and radio button of the options dialog.
constexpr int kOptionControls[] = {IDC_SOUND,      IDC_CLOCKWISE, IDC_SEVEN_SHAPES, IDC_ELEVEN_SHAPES, IDC_DROP_TO_BOTTOM,
                                   IDC_FAST_FALL, IDC_PREVIEW,   IDC_INVERSION,     IDC_LOOK_3D};

}  // namespace

std::vector<HWND> ModalWindowsOfThisThread() {
    std::vector<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), CollectModal, reinterpret_cast<LPARAM>(&found));
    return found;
}

ModalCloser::ModalCloser(uint32_t seed) : random_(seed) {
    g_closer = this;
    hook_ = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    timer_ = SetTimer(nullptr, 0, 2000, OnSweep);
}

ModalCloser::~ModalCloser() {
    KillTimer(nullptr, timer_);
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    g_closer = nullptr;
}

bool ModalCloser::Coin(int percent) { return std::uniform_int_distribution<int>(0, 99)(random_) < percent; }

LRESULT CALLBACK ModalCloser::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (g_closer != nullptr) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && HasClass(window, kDialogClass)) g_closer->AnswerDialog(window);
        if (code == HCBT_CREATEWND && HasClass(window, kMenuClass)) g_closer->AnswerMenu(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK ModalCloser::OnSweep(HWND, UINT, UINT_PTR, DWORD) {
    if (g_closer != nullptr) g_closer->Sweep();
}

void ModalCloser::AnswerDialog(HWND dialog) {
    // A dialog is activated again when a box it opened closes.
    if (std::find(answered_.begin(), answered_.end(), dialog) != answered_.end()) return;
    answered_.push_back(dialog);
    ++tally_.dialogs;
    const std::string title = TitleOf(dialog);
    if (title == kReplayTitle) {
        ++tally_.gameOvers;
        PostButton(dialog, IDYES);
    } else if (title == kExitTitle) {
        ++tally_.exitBoxes;
        if (inputDuringExitBox_) inputDuringExitBox_();
        PostButton(dialog, exitAnswer_);
    } else if (title == NAME_ENTRY_CAPTION) {
        ++tally_.nameEntries;
        AnswerNameEntry(dialog);
    } else if (title == SCORE_TABLE_CAPTION) {
        if (Coin(15)) PostButton(dialog, IDC_CLEAR);
        if (Coin(30)) PostButton(dialog, IDCANCEL);  // ignored: only OK closes it
        PostButton(dialog, IDOK);
    } else if (title == OPTIONS_CAPTION) {
        AnswerOptions(dialog);
    } else if (SendMessageA(dialog, PSM_GETTABCONTROL, 0, 0) != 0) {
        // The information sheet, whose caption is set after it activates.
        PostMessageA(dialog, PSM_SETCURSEL, std::uniform_int_distribution<int>(0, 2)(random_), 0);
        PostMessageA(dialog, PSM_PRESSBUTTON, Coin(50) ? PSBTN_OK : PSBTN_CANCEL, 0);
    } else {
        tally_.unknownTitles.push_back(title);
        PostButton(dialog, IDCANCEL);
        PostButton(dialog, IDOK);
    }
}

// Any bytes at all, double-byte lead bytes without their second byte and
// names longer than the table keeps included.
void ModalCloser::AnswerNameEntry(HWND dialog) {
    char name[48] = {};
    const int length = std::uniform_int_distribution<int>(0, sizeof name - 1)(random_);
    std::uniform_int_distribution<int> byte(0x20, 0xFE);
    for (int i = 0; i < length; ++i) name[i] = static_cast<char>(byte(random_));
    SetDlgItemTextA(dialog, IDC_NAME_BOX, name);
    if (Coin(30)) PostButton(dialog, IDCANCEL);  // ignored: only OK closes it
    PostButton(dialog, IDOK);
}

void ModalCloser::AnswerOptions(HWND dialog) {
    const int clicks = std::uniform_int_distribution<int>(0, 3)(random_);
    std::uniform_int_distribution<int> which(0, static_cast<int>(std::size(kOptionControls)) - 1);
    for (int i = 0; i < clicks; ++i) PostMessageA(GetDlgItem(dialog, kOptionControls[which(random_)]), BM_CLICK, 0, 0);
    PostButton(dialog, Coin(60) ? IDOK : IDCANCEL);
}

// Either Esc, or some steps down the items and Enter; a greyed item or a
// separator leaves the menu open, so Esc follows.
void ModalCloser::AnswerMenu(HWND menu) {
    ++tally_.menus;
    if (Coin(50)) {
        const int steps = std::uniform_int_distribution<int>(1, 9)(random_);
        for (int i = 0; i < steps; ++i) PostKey(menu, VK_DOWN);
        PostKey(menu, VK_RETURN);
        ++tally_.menuChoices;
    }
    PostKey(menu, VK_ESCAPE);
}

// What was open at the last sweep and still is did not take its answer.
void ModalCloser::Sweep() {
    std::vector<HWND> open;
    for (HWND window : ModalWindowsOfThisThread())
        if (IsWindowVisible(window)) open.push_back(window);
    for (HWND window : open) {
        if (std::find(openAtLastSweep_.begin(), openAtLastSweep_.end(), window) == openAtLastSweep_.end()) continue;
        ++tally_.stuck;
        if (HasClass(window, kMenuClass)) {
            EndMenu();
        } else {
            PostMessageA(window, PSM_PRESSBUTTON, PSBTN_OK, 0);
            PostButton(window, IDOK);
        }
    }
    openAtLastSweep_ = open;
}
