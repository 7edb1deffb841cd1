// The dialog templates as the Linux program reads them from the embedded
// resource script, and scripts the reader must refuse.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "resources/dialog_script.h"
#include "resources/dialog_script_text.h"
#include "resources/ids.h"
#include "tests/support/texts.h"

namespace {

DialogScript ParsedResourceScript() {
    DialogScript script;
    EXPECT_TRUE(ParseDialogScript(kDialogScriptHeader, kDialogScriptTemplates, script));
    return script;
}

struct ExpectedTemplate {
    int id;
    int x, y, width, height;
    const char* caption;
    bool centred;
    int controlCount;
};

TEST(DialogScript, FindsEveryTemplateOfTheResourceScript) {
    const ExpectedTemplate expected[] = {
        {IDD_ABOUT, 0, 0, 220, 152, "", true, 12},
        {IDD_SCORE_TABLE, 34, 5, 206, 181, SCORE_TABLE_CAPTION, false, 8},
        {IDD_NAME_ENTRY, 80, 50, 174, 81, NAME_ENTRY_CAPTION, false, 6},
        {IDD_OPTIONS, 0, 0, 179, 119, OPTIONS_CAPTION, true, 13},
        {IDD_KEY_HELP, 0, 0, 220, 151, "", true, 21},
        {IDD_SCORING, 0, 0, 220, 141, "", true, 5},
    };
    const DialogScript script = ParsedResourceScript();
    EXPECT_EQ(script.templateCount, 6);
    for (const ExpectedTemplate& want : expected) {
        SCOPED_TRACE(want.id);
        const DialogTemplate* dialog = FindDialogTemplate(script, want.id);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->x, want.x);
        EXPECT_EQ(dialog->y, want.y);
        EXPECT_EQ(dialog->width, want.width);
        EXPECT_EQ(dialog->height, want.height);
        EXPECT_STREQ(dialog->caption, want.caption);  // GBK, like the texts
        EXPECT_EQ(dialog->centred, want.centred);
        EXPECT_EQ(dialog->controlCount, want.controlCount);
    }
    EXPECT_EQ(FindDialogTemplate(script, 7), nullptr);
}

// The Linux program and the page lay their dialogs out from this one copy.
TEST(DialogScript, EmbeddedTemplatesAreFoundByIdFromOneCopy) {
    const DialogScript script = ParsedResourceScript();
    for (const int id : {IDD_ABOUT, IDD_SCORE_TABLE, IDD_NAME_ENTRY, IDD_OPTIONS, IDD_KEY_HELP, IDD_SCORING}) {
        SCOPED_TRACE(id);
        const DialogTemplate* dialog = DialogTemplateById(id);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog, DialogTemplateById(id));
        const DialogTemplate& parsed = *FindDialogTemplate(script, id);
        EXPECT_EQ(dialog->id, id);
        EXPECT_EQ(dialog->width, parsed.width);
        EXPECT_EQ(dialog->height, parsed.height);
        EXPECT_STREQ(dialog->caption, parsed.caption);
        ASSERT_EQ(dialog->controlCount, parsed.controlCount);
        for (int i = 0; i < parsed.controlCount; ++i) EXPECT_STREQ(dialog->controls[i].text, parsed.controls[i].text);
    }
    EXPECT_EQ(DialogTemplateById(7), nullptr);
}

void ExpectControl(const DialogControl& control, ControlKind kind, int id, const char* text, int x, int y,
                   int width, int height, bool startsGroup, bool tabStop) {
    EXPECT_EQ(control.kind, kind);
    EXPECT_EQ(control.id, id);
    EXPECT_STREQ(control.text, text);
    EXPECT_EQ(control.x, x);
    EXPECT_EQ(control.y, y);
    EXPECT_EQ(control.width, width);
    EXPECT_EQ(control.height, height);
    EXPECT_EQ(control.startsGroup, startsGroup);
    EXPECT_EQ(control.tabStop, tabStop);
}

TEST(DialogScript, ReadsControlsFieldByFieldInTemplateOrder) {
    const DialogScript script = ParsedResourceScript();
    const DialogTemplate& options = *FindDialogTemplate(script, IDD_OPTIONS);
    ExpectControl(options.controls[0], ControlKind::PushButton, 1, OPTIONS_OK_TEXT, 115, 82, 57, 14, false, true);
    ExpectControl(options.controls[3], ControlKind::GroupBox, 102, MODE_GROUP_TEXT, 4, 4, 94, 60, true, false);
    ExpectControl(options.controls[5], ControlKind::RadioButton, IDC_SEVEN_SHAPES, SEVEN_SHAPES_TEXT, 11, 15, 78,
                  9, false, true);
    ExpectControl(options.controls[8], ControlKind::RadioButton, IDC_DROP_TO_BOTTOM, DROP_TO_BOTTOM_TEXT, 13, 83,
                  70, 12, false, true);
    ExpectControl(options.controls[12], ControlKind::CheckBox, IDC_INVERSION, INVERSION_TEXT, 12, 45, 65, 10,
                  false, true);

    const DialogTemplate& nameEntry = *FindDialogTemplate(script, IDD_NAME_ENTRY);
    ExpectControl(nameEntry.controls[1], ControlKind::EditBox, IDC_NAME_BOX, "", 43, 35, 122, 13, true, true);
    ExpectControl(nameEntry.controls[2], ControlKind::EtchedRule, -1, "", 5, 56, 162, 1, false, false);
    ExpectControl(nameEntry.controls[3], ControlKind::Icon, -1, "", 7, 9, 20, 20, false, false);
    EXPECT_EQ(nameEntry.controls[3].iconId, IDI_NAME_ENTRY);
    ExpectControl(nameEntry.controls[4], ControlKind::Label, -1, NAME_ENTRY_PROMPT, 43, 4, 118, 11, true, false);

    const DialogTemplate& scoreTable = *FindDialogTemplate(script, IDD_SCORE_TABLE);
    ExpectControl(*FindDialogControl(scoreTable, IDC_CLEAR), ControlKind::PushButton, IDC_CLEAR, CLEAR_SCORES_TEXT,
                  90, 162, 50, 14, false, true);
    ExpectControl(*FindDialogControl(scoreTable, 103), ControlKind::Label, 103, PLACE_HEADING, 10, 9, 24, 8, false,
                  false);
    EXPECT_EQ(FindDialogControl(scoreTable, IDC_SOUND), nullptr);

    // The doubled ampersand stays as written; the toolkit's edge shows it as one.
    const DialogTemplate& keyHelp = *FindDialogTemplate(script, IDD_KEY_HELP);
    ExpectControl(keyHelp.controls[16], ControlKind::Label, -1, FAST_FALL_HELP, 13, 132, 183, 8, false, false);
}

constexpr char kHeader[] = "#pragma once\n#define IDD_SMALL 9 // a comment\n#define SMALL_STYLE WS_POPUP | DS_CENTER\n";

TEST(DialogScript, ReadsQuotesHexNumbersAndNestedMacros) {
    const char script[] =
        "// \"quoted\" // in a comment\r\n"
        "IDD_SMALL DIALOG 1, 2, 0x10, 4\r\n"
        "STYLE SMALL_STYLE\r\n"
        "CAPTION \"Say \"\"hi\"\" // not a comment\"\r\n"
        "BEGIN\r\n"
        "  CONTROL \"\", 0x20, \"button\", BS_AUTORADIOBUTTON | WS_GROUP, 1, 2, 3, 4\r\n"
        "END\r\n";
    DialogScript result;
    ASSERT_TRUE(ParseDialogScript(kHeader, script, result));
    ASSERT_EQ(result.templateCount, 1);
    const DialogTemplate& dialog = result.templates[0];
    EXPECT_EQ(dialog.id, 9);
    EXPECT_EQ(dialog.width, 16);
    EXPECT_TRUE(dialog.centred);
    EXPECT_STREQ(dialog.caption, "Say \"hi\" // not a comment");
    ASSERT_EQ(dialog.controlCount, 1);
    ExpectControl(dialog.controls[0], ControlKind::RadioButton, 32, "", 1, 2, 3, 4, true, false);
}

TEST(DialogScript, RefusesWhatIsOutsideTheDialect) {
    const std::string head = "IDD_SMALL DIALOG 0, 0, 10, 10\nBEGIN\n";
    const std::string control = "CONTROL \"a\", 1, \"Static\", SS_LEFT, 0, 0, 5, 5\n";
    std::string tooMany = head;
    for (int i = 0; i <= kMaxDialogControls; ++i) tooMany += control;
    tooMany += "END\n";
    std::string tooManyTemplates;
    for (int i = 0; i <= kMaxDialogTemplates; ++i) tooManyTemplates += head + "END\n";
    const std::string cases[] = {
        head + control,                                                      // no END
        control,                                                             // no template
        head + "CONTROL \"a\", 1, \"Static\", SS_NOPREFIX, 0, 0, 5, 5\nEND\n",  // unknown name
        head + "CONTROL \"a\", 1, \"ListBox\", 0, 0, 0, 5, 5\nEND\n",        // unknown class
        head + "CONTROL \"a\", 1, \"Static\", SS_ICON, 0, 0, 5, 5\nEND\n",   // an icon with a text
        head + "CONTROL 7, 1, \"Static\", SS_LEFT, 0, 0, 5, 5\nEND\n",       // a text without one
        head + "CONTROL \"a\", 1, \"Static\", SS_LEFT, 0, 0, 5\nEND\n",      // a missing height
        head + "CONTROL \"a\", 1, \"Static\", SS_LEFT, 0, 0, 5, 5, 6\nEND\n",  // one number too many
        head + "CONTROL \"unterminated, 1, \"Static\", SS_LEFT, 0, 0, 5, 5\nEND\n",
        head + "CONTROL \"" + std::string(kMaxDialogTextBytes, 'x') + "\", 1, \"Static\", SS_LEFT, 0, 0, 5, 5\nEND\n",
        head + "CONTROL \"a\", 99999999999, \"Static\", SS_LEFT, 0, 0, 5, 5\nEND\n",
        "IDD_SMALL DIALOG 0, 0, 10, 10\nMENU 5\nBEGIN\nEND\n",             // an unknown statement
        "#include \"ids.h\"\n",                                              // an unknown directive
        "#define LOOP LOOP\nLOOP DIALOG 0, 0, 1, 1\nBEGIN\nEND\n",           // a macro naming itself
        "IDD_SMALL DIALOG 0, 0, 10, 10\nSTYLE" + std::string(600, ' ') + "WS_POPUP\nBEGIN\nEND\n",  // an endless line
        tooMany,
        tooManyTemplates,
    };
    for (const std::string& script : cases) {
        SCOPED_TRACE(script.substr(0, 120));
        DialogScript result;
        EXPECT_FALSE(ParseDialogScript(kHeader, script.c_str(), result));
    }
    // Statements belong to the script, not to the header.
    DialogScript result;
    EXPECT_FALSE(ParseDialogScript("IDD_SMALL DIALOG 0, 0, 1, 1\nBEGIN\nEND\n", "", result));
}

}  // namespace
