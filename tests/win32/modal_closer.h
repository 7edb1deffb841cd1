#pragma once
// Answers every modal window the program opens on this thread as it
// appears, so that a test can drive the main window with nobody at the
// keyboard. A thread CBT hook posts each dialog's answer when the dialog is
// activated and each popup menu's keys when the menu window is created; a
// thread timer closes whatever is still open two to four seconds later and
// counts it as stuck.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

struct ModalTally {
    int dialogs = 0;
    int menus = 0;
    int menuChoices = 0;  // menus left with Enter rather than Esc
    int gameOvers = 0;
    int nameEntries = 0;
    int exitBoxes = 0;
    int stuck = 0;        // closed by the timer, not by their answer
    std::vector<std::string> unknownTitles;
};

class ModalCloser {
public:
    // The seed drives the random choices made in dialogs and menus.
    explicit ModalCloser(uint32_t seed);
    ~ModalCloser();
    ModalCloser(const ModalCloser&) = delete;
    ModalCloser& operator=(const ModalCloser&) = delete;

    // The answer to the exit question: IDNO keeps the program running.
    void SetExitAnswer(int answer) { exitAnswer_ = answer; }
    // The exit box has no owner, so the main window takes input while it
    // is open: this runs before the box's answer is posted, to post some.
    void SetInputDuringExitBox(std::function<void()> post) { inputDuringExitBox_ = std::move(post); }
    const ModalTally& tally() const { return tally_; }
    // Windows are answered once; forgets them between top-level steps.
    void ForgetAnswered() { answered_.clear(); }

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnSweep(HWND, UINT, UINT_PTR, DWORD);
    void AnswerDialog(HWND dialog);
    void AnswerMenu(HWND menu);
    void AnswerNameEntry(HWND dialog);
    void AnswerOptions(HWND dialog);
    void Sweep();
    bool Coin(int percent);

    std::mt19937 random_;
    HHOOK hook_ = nullptr;
    UINT_PTR timer_ = 0;
    int exitAnswer_ = IDNO;
    std::function<void()> inputDuringExitBox_;
    ModalTally tally_;
    std::vector<HWND> answered_;
    std::vector<HWND> openAtLastSweep_;
};

// Top-level dialog and menu windows of this thread, visible or not.
std::vector<HWND> ModalWindowsOfThisThread();
