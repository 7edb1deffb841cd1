// trelmo-page-constants: writes the constants the page's script shares with
// the C++ as JavaScript, from the C++ headers themselves, so that none is
// copied by hand. The build runs it under node and puts its output first in
// the page's script.
#include <cstdio>

#include "commands/front_end.h"
#include "commands/input.h"
#include "draw/layout.h"
#include "game/steps.h"
#include "resources/dialog_script.h"
#include "resources/ids.h"
#include "store/settings.h"

namespace {

struct Named {
    const char* name;
    int value;
};

template <size_t N>
void PrintObject(const char* name, const Named (&members)[N]) {
    std::printf("const %s = Object.freeze({", name);
    for (size_t i = 0; i < N; ++i) std::printf("%s %s: %d", i == 0 ? "" : ",", members[i].name, members[i].value);
    std::printf(" });\n");
}

template <size_t N>
void PrintNumbers(const Named (&constants)[N]) {
    for (const Named& constant : constants) std::printf("const %s = %d;\n", constant.name, constant.value);
}

int Of(Request request) { return static_cast<int>(request); }
int Of(ControlKind kind) { return static_cast<int>(kind); }

}  // namespace

int main() {
    std::printf("// Made by trelmo-page-constants from the C++ headers; not to be edited.\n");
    PrintNumbers({{"W", kClientWidth},
                  {"H", kClientHeight},
                  {"CmdRestore", CmdRestore},
                  {"OK", IDC_OK},
                  {"CANCEL", IDC_CANCEL},
                  {"IDI_PROGRAM", IDI_PROGRAM},
                  {"IDI_EXIT", IDI_EXIT},
                  {"IDC_CLEAR", IDC_CLEAR},
                  {"IDC_NAME_BOX", IDC_NAME_BOX},
                  {"IDD_SCORE_TABLE", IDD_SCORE_TABLE},
                  {"IDD_NAME_ENTRY", IDD_NAME_ENTRY},
                  {"IDD_OPTIONS", IDD_OPTIONS},
                  {"SHORTEST_PERIOD_MS", kShortestTimerMs},
                  {"DOWN_KEY", kDownKey}});
    std::printf("const SHEET_PAGES = [%d, %d, %d];\n", IDD_ABOUT, IDD_KEY_HELP, IDD_SCORING);
    std::printf("const STORAGE_KEY = '%s';\n", kSettingsFile);
    PrintObject("Request", {{"None", Of(Request::None)},
                            {"Sound", Of(Request::Sound)},
                            {"Wait", Of(Request::Wait)},
                            {"OfferScore", Of(Request::OfferScore)},
                            {"AskReplay", Of(Request::AskReplay)},
                            {"QuitProgram", Of(Request::QuitProgram)},
                            {"NameEntry", Of(Request::NameEntry)},
                            {"SaveSettings", Of(Request::SaveSettings)},
                            {"ScoreTable", Of(Request::ScoreTable)}});
    PrintObject("ControlKind", {{"Label", Of(ControlKind::Label)},
                                {"Icon", Of(ControlKind::Icon)},
                                {"EtchedRule", Of(ControlKind::EtchedRule)},
                                {"GroupBox", Of(ControlKind::GroupBox)},
                                {"PushButton", Of(ControlKind::PushButton)},
                                {"CheckBox", Of(ControlKind::CheckBox)},
                                {"RadioButton", Of(ControlKind::RadioButton)},
                                {"EditBox", Of(ControlKind::EditBox)}});
    // The keys and characters whose browser action the game replaces.
    std::printf("const GAME_KEYS = new Set([");
    for (const KeyBinding& binding : kKeyDownTable) std::printf("%s%d", &binding == kKeyDownTable ? "" : ", ", binding.key);
    std::printf("]);\nconst GAME_CHARACTERS = new Set([");
    for (const CharBinding& binding : kCharTable)
        std::printf("%s'%c'", &binding == kCharTable ? "" : ", ", binding.character);
    std::printf("]);\n");
    return 0;
}
