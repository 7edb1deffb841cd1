// The keys of the dialogs, over the templates of the resource script: what
// Tab, the arrows, Space, Return, Esc, the "&" letters and the sheet's page
// keys do, as trelmo.exe's dialogs do them under the Windows dialog manager.
#include <gtest/gtest.h>

#include "resources/dialog_keys.h"
#include "resources/dialog_script_text.h"
#include "resources/ids.h"
#include "resources/texts.h"
#include "tests/support/texts.h"

namespace {

const DialogTemplate& Template(int id) {
    static DialogScript script;
    static const bool read = ParseDialogScript(kDialogScriptHeader, kDialogScriptTemplates, script);
    EXPECT_TRUE(read);
    return *FindDialogTemplate(script, id);
}

// The index of control `id` in template `templateId`.
int At(int templateId, int id) {
    const DialogTemplate& dialog = Template(templateId);
    return static_cast<int>(FindDialogControl(dialog, id) - dialog.controls);
}

// One open dialog: its keys and what the player sees, kept as the front end
// keeps it when it carries the answers out.
struct Open {
    DialogKeys keys;
    DialogKeyState state;

    DialogKeyAnswer Key(int key, int modifiers = 0) { return KeyInDialog(keys, state, key, modifiers); }
    void Check(int index, bool checked) {
        if (checked)
            state.checked |= 1u << index;
        else
            state.checked &= ~(1u << index);
    }
    // Presses `key` and carries the answer out as the page does.
    DialogKeyAnswer Carry(int key, int modifiers = 0) {
        const DialogKeyAnswer answer = Key(key, modifiers);
        if (answer.action == DialogAction::Focus || answer.action == DialogAction::Press) state.focus = answer.target;
        if (answer.action == DialogAction::ShowPage) state.page = answer.target;
        return answer;
    }
};

Open OpenTemplate(int templateId) {
    return {KeysOfTemplate(Template(templateId)), {At(templateId, IDC_OK), 0, 0}};
}

// The options as OptionsDialog shows the defaults: seven shapes, straight to
// the bottom, Sound and the preview checked.
Open OpenOptions() {
    Open options = OpenTemplate(IDD_OPTIONS);
    for (const int id : {IDC_SEVEN_SHAPES, IDC_DROP_TO_BOTTOM, IDC_SOUND, IDC_PREVIEW})
        options.Check(At(IDD_OPTIONS, id), true);
    return options;
}

void ExpectAnswer(DialogKeyAnswer answer, DialogAction action, int target) {
    EXPECT_EQ(answer.action, action);
    if (action != DialogAction::Pass && action != DialogAction::Nothing) {
        EXPECT_EQ(answer.target, target);
    }
}

// Presses `key` once for each of `stops`, expecting the focus on each in turn.
void ExpectVisits(Open& open, int templateId, int key, int modifiers, std::initializer_list<int> stops) {
    for (const int id : stops) {
        SCOPED_TRACE(id);
        open.Carry(key, modifiers);
        EXPECT_EQ(open.state.focus, At(templateId, id));
    }
}

TEST(ControlText, AmpersandUnderlinesTheNextCharacterAndDoubledShowsOne) {
    const ControlText ok = ReadControlText(OPTIONS_OK_TEXT);  // "确定(&O)"
    EXPECT_STREQ(ok.shown, "\xC8\xB7\xB6\xA8(O)");
    EXPECT_EQ(ok.underline, 5);
    EXPECT_EQ(ok.underlineBytes, 1);
    EXPECT_EQ(ok.mnemonic, 'o');

    const ControlText both = ReadControlText("Ctrl && DOWN");
    EXPECT_STREQ(both.shown, "Ctrl & DOWN");
    EXPECT_EQ(both.underline, -1);
    EXPECT_EQ(both.mnemonic, 0);

    // Only the first mark counts; a lone "&" at the end stays.
    const ControlText twice = ReadControlText("&&&a &B&");
    EXPECT_STREQ(twice.shown, "&a B&");
    EXPECT_EQ(twice.underline, 1);
    EXPECT_EQ(twice.mnemonic, 'a');

    // A marked GBK character is underlined whole but is no key.
    const ControlText wide = ReadControlText("&\xC8\xB7x");
    EXPECT_EQ(wide.underline, 0);
    EXPECT_EQ(wide.underlineBytes, 2);
    EXPECT_EQ(wide.mnemonic, 0);
}

TEST(DialogKeys, OptionsTabGoesRoundTheStopsWithEachRadioPairOneStopAtItsCheckedButton) {
    Open options = OpenOptions();
    ExpectVisits(options, IDD_OPTIONS, kVkTab, kShiftHeld, {IDC_INVERSION, IDC_LOOK_3D});
    ExpectVisits(options, IDD_OPTIONS, kVkTab, 0,
                 {IDC_INVERSION, IDC_OK, IDC_CANCEL, IDC_SOUND, IDC_CLOCKWISE, IDC_SEVEN_SHAPES,
                  IDC_DROP_TO_BOTTOM, IDC_PREVIEW});
    // With the other radio checked, the stop moves to it.
    options.Check(At(IDD_OPTIONS, IDC_SEVEN_SHAPES), false);
    options.Check(At(IDD_OPTIONS, IDC_ELEVEN_SHAPES), true);
    options.state.focus = At(IDD_OPTIONS, IDC_CLOCKWISE);
    ExpectVisits(options, IDD_OPTIONS, kVkTab, 0, {IDC_ELEVEN_SHAPES, IDC_DROP_TO_BOTTOM});
    ExpectVisits(options, IDD_OPTIONS, kVkTab, kShiftHeld, {IDC_ELEVEN_SHAPES, IDC_CLOCKWISE});
    // A pair with nothing checked is a stop at each button.
    options.Check(At(IDD_OPTIONS, IDC_ELEVEN_SHAPES), false);
    ExpectVisits(options, IDD_OPTIONS, kVkTab, 0, {IDC_SEVEN_SHAPES, IDC_ELEVEN_SHAPES, IDC_DROP_TO_BOTTOM});
    // Ctrl+Tab and Alt+Tab are not the dialog's.
    ExpectAnswer(options.Key(kVkTab, kCtrlHeld), DialogAction::Pass, -1);
    ExpectAnswer(options.Key(kVkTab, kAltHeld), DialogAction::Pass, -1);
    // From no focus, Tab starts at the first stop, Shift+Tab at the last.
    options.state.focus = -1;
    ExpectAnswer(options.Key(kVkTab), DialogAction::Focus, At(IDD_OPTIONS, IDC_OK));
    ExpectAnswer(options.Key(kVkTab, kShiftHeld), DialogAction::Focus, At(IDD_OPTIONS, IDC_INVERSION));
}

TEST(DialogKeys, OptionsArrowsGoRoundTheFocusedGroupCheckingRadiosButOnlyFocusingTheRest) {
    Open options = OpenOptions();
    options.state.focus = At(IDD_OPTIONS, IDC_SEVEN_SHAPES);
    ExpectAnswer(options.Carry(kVkDown), DialogAction::Press, At(IDD_OPTIONS, IDC_ELEVEN_SHAPES));
    // Round the group past its frame, onto the check box of the same group.
    ExpectAnswer(options.Carry(kVkDown), DialogAction::Focus, At(IDD_OPTIONS, IDC_CLOCKWISE));
    ExpectAnswer(options.Carry(kVkUp), DialogAction::Press, At(IDD_OPTIONS, IDC_ELEVEN_SHAPES));
    ExpectAnswer(options.Carry(kVkRight), DialogAction::Focus, At(IDD_OPTIONS, IDC_CLOCKWISE));
    ExpectAnswer(options.Carry(kVkLeft), DialogAction::Press, At(IDD_OPTIONS, IDC_ELEVEN_SHAPES));
    // OK, Cancel and Sound stand before the first group box: one group.
    options.state.focus = At(IDD_OPTIONS, IDC_OK);
    ExpectVisits(options, IDD_OPTIONS, kVkDown, 0, {IDC_CANCEL, IDC_SOUND, IDC_OK});
    ExpectVisits(options, IDD_OPTIONS, kVkUp, 0, {IDC_SOUND});
    // The second box's group runs to the end of the template.
    options.state.focus = At(IDD_OPTIONS, IDC_INVERSION);
    ExpectVisits(options, IDD_OPTIONS, kVkDown, 0, {IDC_DROP_TO_BOTTOM, IDC_FAST_FALL, IDC_PREVIEW});
}

TEST(DialogKeys, OptionsSpaceReturnEscAndLetters) {
    Open options = OpenOptions();
    const int sound = At(IDD_OPTIONS, IDC_SOUND);
    // Space presses the focused box or button.
    options.state.focus = sound;
    ExpectAnswer(options.Key(kVkSpace), DialogAction::Press, sound);
    // Return on a check box or radio button presses OK, on a push button that button.
    ExpectAnswer(options.Key(kVkReturn), DialogAction::Press, At(IDD_OPTIONS, IDC_OK));
    options.state.focus = At(IDD_OPTIONS, IDC_FAST_FALL);
    ExpectAnswer(options.Key(kVkReturn), DialogAction::Press, At(IDD_OPTIONS, IDC_OK));
    options.state.focus = At(IDD_OPTIONS, IDC_CANCEL);
    ExpectAnswer(options.Key(kVkReturn), DialogAction::Press, At(IDD_OPTIONS, IDC_CANCEL));
    // Esc is Cancel wherever the focus is.
    options.state.focus = sound;
    ExpectAnswer(options.Key(kVkEscape), DialogAction::Press, At(IDD_OPTIONS, IDC_CANCEL));
    // A letter, with Alt or without, presses its control; not with Ctrl.
    ExpectAnswer(options.Key('P'), DialogAction::Press, sound);
    ExpectAnswer(options.Key('3', kAltHeld), DialogAction::Press, At(IDD_OPTIONS, IDC_LOOK_3D));
    ExpectAnswer(options.Key('E', kShiftHeld), DialogAction::Press, At(IDD_OPTIONS, IDC_ELEVEN_SHAPES));
    ExpectAnswer(options.Key('C', kCtrlHeld), DialogAction::Pass, -1);
    ExpectAnswer(options.Key('Z'), DialogAction::Pass, -1);
    ExpectAnswer(options.Key(0x71), DialogAction::Pass, -1);  // F2 is nobody's here
}

TEST(DialogKeys, NameEntryOpensOnOkTypesInItsBoxAndEscDoesNothing) {
    Open name = OpenTemplate(IDD_NAME_ENTRY);
    const int box = At(IDD_NAME_ENTRY, IDC_NAME_BOX);
    ExpectVisits(name, IDD_NAME_ENTRY, kVkTab, 0, {IDC_NAME_BOX, IDC_OK});
    ExpectVisits(name, IDD_NAME_ENTRY, kVkTab, kShiftHeld, {IDC_NAME_BOX});
    // The box has its letters, Space and arrows; Return presses OK.
    ExpectAnswer(name.Key('O'), DialogAction::Pass, -1);
    ExpectAnswer(name.Key(kVkSpace), DialogAction::Pass, -1);
    ExpectAnswer(name.Key(kVkLeft), DialogAction::Pass, -1);
    ExpectAnswer(name.Key(kVkReturn), DialogAction::Press, At(IDD_NAME_ENTRY, IDC_OK));
    ExpectAnswer(name.Key('O', kAltHeld), DialogAction::Press, At(IDD_NAME_ENTRY, IDC_OK));
    EXPECT_EQ(name.state.focus, box);
    // No Cancel: Esc does nothing; OK alone in its group keeps the arrows.
    ExpectAnswer(name.Key(kVkEscape), DialogAction::Nothing, -1);
    name.state.focus = At(IDD_NAME_ENTRY, IDC_OK);
    ExpectAnswer(name.Key(kVkDown), DialogAction::Nothing, -1);
}

TEST(DialogKeys, ScoreTableGoesRoundOkAndClearWhichSpaceAndReturnPress) {
    Open table = OpenTemplate(IDD_SCORE_TABLE);
    const int clear = At(IDD_SCORE_TABLE, IDC_CLEAR);
    ExpectVisits(table, IDD_SCORE_TABLE, kVkTab, 0, {IDC_CLEAR, IDC_OK});
    ExpectVisits(table, IDD_SCORE_TABLE, kVkLeft, 0, {IDC_CLEAR});
    ExpectAnswer(table.Key(kVkSpace), DialogAction::Press, clear);
    ExpectAnswer(table.Key(kVkReturn), DialogAction::Press, clear);
    ExpectAnswer(table.Key(kVkEscape), DialogAction::Nothing, -1);
    ExpectAnswer(table.Key('O'), DialogAction::Press, At(IDD_SCORE_TABLE, IDC_OK));
}

TEST(DialogKeys, QuestionAnswersToItsLettersTabArrowsAndReturnButNeverEsc) {
    Open question = {KeysOfQuestion(kYesText, kNoText), {kQuestionYes, 0, 0}};
    for (const int key : {kVkTab, kVkRight, kVkDown}) {
        ExpectAnswer(question.Carry(key), DialogAction::Focus, kQuestionNo);
        ExpectAnswer(question.Carry(key), DialogAction::Focus, kQuestionYes);
    }
    ExpectAnswer(question.Carry(kVkTab, kShiftHeld), DialogAction::Focus, kQuestionNo);
    ExpectAnswer(question.Carry(kVkLeft), DialogAction::Focus, kQuestionYes);
    ExpectAnswer(question.Key(kVkEscape), DialogAction::Nothing, -1);
    ExpectAnswer(question.Key(kVkReturn), DialogAction::Press, kQuestionYes);
    ExpectAnswer(question.Key('N'), DialogAction::Press, kQuestionNo);
    ExpectAnswer(question.Key('Y', kAltHeld), DialogAction::Press, kQuestionYes);
    question.state.focus = kQuestionNo;
    ExpectAnswer(question.Key(kVkReturn), DialogAction::Press, kQuestionNo);
    ExpectAnswer(question.Key(kVkSpace), DialogAction::Press, kQuestionNo);
}

TEST(DialogKeys, SheetTurnsPagesByTheTabsArrowsAndCtrlKeysAndClosesByReturnAndEsc) {
    Open sheet = {KeysOfSheet(3), {kSheetTabsControl, 0, 0}};
    // Tab goes round the tabs, OK and Cancel.
    for (const int stop : {kSheetOkControl, kSheetCancelControl, kSheetTabsControl})
        ExpectAnswer(sheet.Carry(kVkTab), DialogAction::Focus, stop);
    ExpectAnswer(sheet.Carry(kVkTab, kShiftHeld), DialogAction::Focus, kSheetCancelControl);
    sheet.state.focus = kSheetTabsControl;
    // On the tabs Left and Right turn the page, not round; Up and Down nothing.
    ExpectAnswer(sheet.Carry(kVkRight), DialogAction::ShowPage, 1);
    ExpectAnswer(sheet.Carry(kVkRight), DialogAction::ShowPage, 2);
    ExpectAnswer(sheet.Carry(kVkRight), DialogAction::Nothing, -1);
    ExpectAnswer(sheet.Carry(kVkDown), DialogAction::Nothing, -1);
    ExpectAnswer(sheet.Carry(kVkLeft), DialogAction::ShowPage, 1);
    sheet.state.page = 0;
    ExpectAnswer(sheet.Carry(kVkLeft), DialogAction::Nothing, -1);
    ExpectAnswer(sheet.Key(kVkReturn), DialogAction::Press, kSheetOkControl);
    ExpectAnswer(sheet.Key(kVkSpace), DialogAction::Nothing, -1);
    // Ctrl+Tab and Ctrl+PageDown go round forward, with Shift or PageUp
    // backward, wherever the focus is.
    sheet.state.focus = kSheetOkControl;
    ExpectAnswer(sheet.Carry(kVkTab, kCtrlHeld), DialogAction::ShowPage, 1);
    ExpectAnswer(sheet.Carry(kVkPageDown, kCtrlHeld), DialogAction::ShowPage, 2);
    ExpectAnswer(sheet.Carry(kVkTab, kCtrlHeld), DialogAction::ShowPage, 0);
    ExpectAnswer(sheet.Carry(kVkTab, kCtrlHeld | kShiftHeld), DialogAction::ShowPage, 2);
    ExpectAnswer(sheet.Carry(kVkPageUp, kCtrlHeld), DialogAction::ShowPage, 1);
    ExpectAnswer(sheet.Key(kVkPageUp, kCtrlHeld | kAltHeld), DialogAction::Pass, -1);
    EXPECT_EQ(sheet.state.focus, kSheetOkControl);
    // The arrows go between OK and Cancel; Esc is Cancel.
    ExpectAnswer(sheet.Carry(kVkRight), DialogAction::Focus, kSheetCancelControl);
    ExpectAnswer(sheet.Key(kVkSpace), DialogAction::Press, kSheetCancelControl);
    ExpectAnswer(sheet.Key(kVkEscape), DialogAction::Press, kSheetCancelControl);
}

}  // namespace
