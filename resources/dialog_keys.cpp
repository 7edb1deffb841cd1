#include "resources/dialog_keys.h"

#include "resources/ids.h"

namespace {

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x81; }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool TakesFocus(KeyControl kind) { return kind != KeyControl::Inert; }

bool IsChecked(const DialogKeyState& state, int index) { return (state.checked >> index & 1u) != 0; }

// The group of control `index`: the number of group starts up to it.
int GroupOf(const DialogKeys& dialog, int index) {
    int group = 0;
    for (int i = 0; i <= index; ++i)
        if (dialog.controls[i].startsGroup) ++group;
    return group;
}

// A radio button is a tab stop only while it is checked, or while none of
// its group is: Windows keeps WS_TABSTOP on the checked one alone.
bool IsTabStop(const DialogKeys& dialog, const DialogKeyState& state, int index) {
    const DialogKeyControl& control = dialog.controls[index];
    if (!control.tabStop || !TakesFocus(control.kind)) return false;
    if (control.kind != KeyControl::RadioButton || IsChecked(state, index)) return true;
    const int group = GroupOf(dialog, index);
    for (int i = 0; i < dialog.count; ++i)
        if (i != index && dialog.controls[i].kind == KeyControl::RadioButton && IsChecked(state, i) &&
            GroupOf(dialog, i) == group)
            return false;
    return true;
}

// The next tab stop after the focus, or the one before it, round the dialog.
DialogKeyAnswer NextTabStop(const DialogKeys& dialog, const DialogKeyState& state, bool backward) {
    const int n = dialog.count;
    // From nowhere, forward starts before the first control, backward after the last.
    const int from = state.focus >= 0 ? state.focus : (backward ? n : -1);
    for (int step = 1; step <= n + 1; ++step) {
        const int i = ((backward ? from - step : from + step) % (n + 1) + (n + 1)) % (n + 1);
        if (i < n && IsTabStop(dialog, state, i)) return {DialogAction::Focus, i};
    }
    return {DialogAction::Nothing, -1};
}

// An arrow: the next or previous control of the focused one's group, round
// the group. A radio button it reaches is checked.
DialogKeyAnswer WithinGroup(const DialogKeys& dialog, int focus, bool backward) {
    const int group = GroupOf(dialog, focus);
    const int n = dialog.count;
    for (int step = 1; step < n; ++step) {
        const int i = ((backward ? focus - step : focus + step) % n + n) % n;
        const KeyControl kind = dialog.controls[i].kind;
        if (GroupOf(dialog, i) != group || !TakesFocus(kind) || kind == KeyControl::PageTabs) continue;
        return {kind == KeyControl::RadioButton ? DialogAction::Press : DialogAction::Focus, i};
    }
    return {DialogAction::Nothing, -1};
}

// The sheet's page keys: Ctrl+Tab and Ctrl+PageDown go round the pages
// forward, Ctrl+Shift+Tab and Ctrl+PageUp backward, wherever the focus is;
// on the tabs Left and Right go to the page beside, not round, and Up and
// Down do nothing.
bool PageKey(const DialogKeys& dialog, const DialogKeyState& state, int key, int modifiers,
             DialogKeyAnswer& answer) {
    const int count = dialog.pageCount;
    if (count == 0) return false;
    const bool ctrlOnly = (modifiers & kCtrlHeld) != 0 && (modifiers & kAltHeld) == 0;
    if (ctrlOnly && (key == kVkTab || key == kVkPageDown || key == kVkPageUp)) {
        const bool back = key == kVkPageUp || (key == kVkTab && (modifiers & kShiftHeld) != 0);
        answer = {DialogAction::ShowPage, (state.page + (back ? count - 1 : 1)) % count};
        return true;
    }
    const bool onTabs = state.focus >= 0 && dialog.controls[state.focus].kind == KeyControl::PageTabs;
    if (!onTabs || key < kVkLeft || key > kVkDown) return false;
    const int next = state.page + (key == kVkLeft ? -1 : key == kVkRight ? 1 : 0);
    const bool beside = next != state.page && next >= 0 && next < count;
    answer = beside ? DialogKeyAnswer{DialogAction::ShowPage, next} : DialogKeyAnswer{DialogAction::Nothing, -1};
    return true;
}

// The control a mnemonic key belongs to: pressed, or an edit box focused;
// a static text's or a group box's letter focuses the control after it.
DialogKeyAnswer Mnemonic(const DialogKeys& dialog, char letter) {
    for (int i = 0; i < dialog.count; ++i) {
        const DialogKeyControl& control = dialog.controls[i];
        if (control.mnemonic != letter) continue;
        int target = i;
        while (target < dialog.count && !TakesFocus(dialog.controls[target].kind)) ++target;
        if (target == dialog.count) return {DialogAction::Nothing, -1};
        const KeyControl kind = dialog.controls[target].kind;
        const bool pressed = target == i && kind != KeyControl::EditBox && kind != KeyControl::PageTabs;
        return {pressed ? DialogAction::Press : DialogAction::Focus, target};
    }
    return {DialogAction::Pass, -1};
}

char MnemonicOfKey(int key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return LowerAscii(static_cast<char>(key));
    return 0;
}

DialogKeyControl KeyControlOf(KeyControl kind, bool tabStop, bool startsGroup, const char* text) {
    return {kind, tabStop, startsGroup, ReadControlText(text).mnemonic};
}

}  // namespace

ControlText ReadControlText(const char* text) {
    ControlText result = {};
    result.underline = -1;
    int length = 0;
    for (const char* at = text; *at != '\0' && length < kMaxDialogTextBytes - 1;) {
        const bool marked = at[0] == '&' && at[1] != '\0';
        if (marked) ++at;  // "&&" leaves the second "&", which is never a mark
        const int bytes = IsLeadByte(at[0]) && at[1] != '\0' ? 2 : 1;
        if (length + bytes > kMaxDialogTextBytes - 1) break;
        if (marked && *at != '&' && result.underline < 0) {
            result.underline = length;
            result.underlineBytes = bytes;
            result.mnemonic = bytes == 1 ? LowerAscii(*at) : 0;
        }
        for (int b = 0; b < bytes; ++b) result.shown[length++] = *at++;
    }
    result.shown[length] = '\0';
    return result;
}

DialogKeys KeysOfTemplate(const DialogTemplate& dialog) {
    DialogKeys keys = {};
    keys.count = dialog.controlCount;
    keys.defaultButton = keys.cancelButton = -1;
    for (int i = 0; i < dialog.controlCount; ++i) {
        const DialogControl& control = dialog.controls[i];
        KeyControl kind = KeyControl::Inert;
        switch (control.kind) {
        case ControlKind::PushButton: kind = KeyControl::PushButton; break;
        case ControlKind::CheckBox: kind = KeyControl::CheckBox; break;
        case ControlKind::RadioButton: kind = KeyControl::RadioButton; break;
        case ControlKind::EditBox: kind = KeyControl::EditBox; break;
        default: break;
        }
        keys.controls[i] = KeyControlOf(kind, control.tabStop, control.startsGroup, control.text);
        if (kind == KeyControl::PushButton && control.id == IDC_OK && keys.defaultButton < 0) keys.defaultButton = i;
        if (kind == KeyControl::PushButton && control.id == IDC_CANCEL && keys.cancelButton < 0) keys.cancelButton = i;
    }
    return keys;
}

DialogKeys KeysOfQuestion(const char* yesText, const char* noText) {
    DialogKeys keys = {};
    keys.count = 2;
    keys.controls[kQuestionYes] = KeyControlOf(KeyControl::PushButton, true, true, yesText);
    keys.controls[kQuestionNo] = KeyControlOf(KeyControl::PushButton, true, false, noText);
    keys.defaultButton = kQuestionYes;
    keys.cancelButton = -1;
    return keys;
}

DialogKeys KeysOfSheet(int pageCount) {
    DialogKeys keys = {};
    keys.count = 3;
    keys.controls[kSheetTabsControl] = {KeyControl::PageTabs, true, true, 0};
    keys.controls[kSheetOkControl] = {KeyControl::PushButton, true, true, 0};
    keys.controls[kSheetCancelControl] = {KeyControl::PushButton, true, false, 0};
    keys.defaultButton = kSheetOkControl;
    keys.cancelButton = kSheetCancelControl;
    keys.pageCount = pageCount;
    return keys;
}

DialogKeyAnswer KeyInDialog(const DialogKeys& dialog, const DialogKeyState& state, int key, int modifiers) {
    DialogKeyAnswer answer;
    if (PageKey(dialog, state, key, modifiers, answer)) return answer;
    const bool ctrlOrAlt = (modifiers & (kCtrlHeld | kAltHeld)) != 0;
    const KeyControl focused = state.focus >= 0 ? dialog.controls[state.focus].kind : KeyControl::Inert;
    switch (key) {
    case kVkTab:
        return ctrlOrAlt ? DialogKeyAnswer{DialogAction::Pass, -1}
                         : NextTabStop(dialog, state, (modifiers & kShiftHeld) != 0);
    case kVkLeft:
    case kVkUp:
    case kVkRight:
    case kVkDown:
        if (!TakesFocus(focused) || focused == KeyControl::EditBox || focused == KeyControl::PageTabs)
            return {DialogAction::Pass, -1};
        return WithinGroup(dialog, state.focus, key == kVkLeft || key == kVkUp);
    case kVkReturn:
        if (focused == KeyControl::PushButton) return {DialogAction::Press, state.focus};
        if (dialog.defaultButton >= 0) return {DialogAction::Press, dialog.defaultButton};
        return {DialogAction::Nothing, -1};
    case kVkEscape:
        if (dialog.cancelButton >= 0) return {DialogAction::Press, dialog.cancelButton};
        return {DialogAction::Nothing, -1};
    case kVkSpace:
        if (focused == KeyControl::PushButton || focused == KeyControl::CheckBox || focused == KeyControl::RadioButton)
            return {DialogAction::Press, state.focus};
        return {focused == KeyControl::PageTabs ? DialogAction::Nothing : DialogAction::Pass, -1};
    default: break;
    }
    // A letter is a mnemonic with or without Alt, but not with Ctrl, nor
    // while an edit box has the focus unless Alt is held.
    const char letter = MnemonicOfKey(key);
    if (letter == 0 || (modifiers & kCtrlHeld) != 0) return {DialogAction::Pass, -1};
    if (focused == KeyControl::EditBox && (modifiers & kAltHeld) == 0) return {DialogAction::Pass, -1};
    return Mnemonic(dialog, letter);
}
