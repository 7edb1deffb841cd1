#pragma once
// The keyboard of an open dialog, as the Windows dialog manager gives it to
// trelmo.exe's dialogs: the programs that lay their dialogs out themselves
// ask here what a key does and carry the answer out. Tab goes round the
// tab stops in template order, a group of radio buttons being one stop at
// its checked member; the arrows go round the focused control's group;
// Space presses the focused button, Return the focused push button or else
// the default one, Esc the cancel button; a control's "&" letter presses
// it, with or without Alt. The information sheet adds its page keys.
#include <cstdint>

#include "resources/dialog_script.h"
#include "resources/virtual_keys.h"


// The modifiers held with a key, or-ed together.
constexpr int kShiftHeld = 1;
constexpr int kCtrlHeld = 2;
constexpr int kAltHeld = 4;

// A control's text as shown: "&X" underlines X and makes it the control's
// key, "&&" shows one "&". Only the first "&X" counts.
struct ControlText {
    char shown[kMaxDialogTextBytes];
    int underline;  // byte offset of the underlined character in `shown`, -1 for none
    int underlineBytes;  // 1, or 2 for a GBK character
    char mnemonic;  // the key, lower case; 0 for none or one that is not ASCII
};
ControlText ReadControlText(const char* text);

// What the keys see of a control.
enum class KeyControl : uint8_t { Inert, PushButton, CheckBox, RadioButton, EditBox, PageTabs };

struct DialogKeyControl {
    KeyControl kind;
    bool tabStop;
    bool startsGroup;
    char mnemonic;
};

// An open dialog, for its keys: its controls in tab order, which push
// buttons Return and Esc press, and the sheet's page count.
struct DialogKeys {
    int count;
    DialogKeyControl controls[kMaxDialogControls];
    int defaultButton;  // index, -1 for none
    int cancelButton;   // index, -1 for none: Esc does nothing
    int pageCount;      // the information sheet's pages; 0 elsewhere
};

// A template dialog: button 1 (OK) is the default, button 2 (Cancel), where
// there is one, the cancel button.
DialogKeys KeysOfTemplate(const DialogTemplate& dialog);
// A Yes/No box: two push buttons of one group, Yes the default; no cancel,
// so Esc does nothing. The texts carry the buttons' "&" letters.
DialogKeys KeysOfQuestion(const char* yesText, const char* noText);
constexpr int kQuestionYes = 0, kQuestionNo = 1;
// The information sheet: its page tabs, then OK (the default) and Cancel
// (the cancel button) as one group.
DialogKeys KeysOfSheet(int pageCount);
constexpr int kSheetTabsControl = 0, kSheetOkControl = 1, kSheetCancelControl = 2;

// What changes in the dialog as the player sees it, at the moment of a key.
struct DialogKeyState {
    int focus;         // the focused control's index, -1 for none
    uint32_t checked;  // bit i: control i is a checked radio button or check box
    int page;          // the sheet's current page
};

enum class DialogAction : uint8_t {
    Pass,      // not the dialog's key: the focused control has it (typing in a box)
    Nothing,   // the dialog's key, which changes nothing here
    Focus,     // the focus to `target` (an edit box with its text selected)
    Press,     // the focus to `target`, which is clicked: a button acts, a box toggles, a radio is checked
    ShowPage,  // the sheet shows page `target`; the focus stays where it is
};

struct DialogKeyAnswer {
    DialogAction action;
    int target;
};

// What `key` with `modifiers` does in `dialog` as it stands.
DialogKeyAnswer KeyInDialog(const DialogKeys& dialog, const DialogKeyState& state, int key, int modifiers);
