// trelmo-page-constants: writes the constants the page's script shares with
// the C++ as JavaScript, from the C++ headers themselves, so that none is
// copied by hand. The build runs it under node and puts its output first in
// the page's script.
#include <cstdio>

#include "commands/commands.h"
#include "commands/front_end.h"
#include "commands/input.h"
#include "commands/reports.h"
#include "draw/layout.h"
#include "game/steps.h"
#include "replay/link.h"
#include "commands/menus.h"
#include "resources/dialog_keys.h"
#include "resources/dialog_script.h"
#include "resources/ids.h"
#include "store/settings.h"
#include "web/page_input.h"

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

template <typename Enum>
int Of(Enum value) {
    return static_cast<int>(value);
}

// The browser's names of the keys whose keyCode is not their virtual key,
// old spellings too; F1 to F12 follow on from F1's.
constexpr Named kKeyNames[] = {{"Escape", kVkEscape},   {"Esc", kVkEscape},         {" ", kVkSpace},
                               {"ArrowLeft", kVkLeft},   {"ArrowUp", kVkUp},         {"ArrowRight", kVkRight},
                               {"ArrowDown", kVkDown},   {"Left", kVkLeft},          {"Up", kVkUp},
                               {"Right", kVkRight},      {"Down", kVkDown},          {"Tab", kVkTab},
                               {"Enter", kVkReturn}};

}  // namespace

int main() {
    std::printf("// Made by trelmo-page-constants from the C++ headers; not to be edited.\n");
    PrintNumbers({{"W", kClientWidth},
                  {"H", kClientHeight},
                  {"TALL_W", kTallLayout.clientWidth},
                  {"TALL_H", kTallLayout.clientHeight},
                  {"WELL_WIDTH", kWellRight - kWellLeft},
                  {"SpeedUpButton", SpeedUpButton},
                  {"SpeedDownButton", SpeedDownButton},
                  {"RowsUpButton", RowsUpButton},
                  {"RowsDownButton", RowsDownButton},
                  {"StartButton", StartButton},
                  {"PauseButton", PauseButton},
                  {"OptionsButton", OptionsButton},
                  {"CmdRestore", CmdRestore},
                  {"OK", IDC_OK},
                  {"CANCEL", IDC_CANCEL},
                  {"IDI_PROGRAM", IDI_PROGRAM},
                  {"IDI_EXIT", IDI_EXIT},
                  {"IDR_HAND_CURSOR", IDR_HAND_CURSOR},
                  {"IDC_CLEAR", IDC_CLEAR},
                  {"IDC_NAME_BOX", IDC_NAME_BOX},
                  {"IDD_SCORE_TABLE", IDD_SCORE_TABLE},
                  {"IDD_NAME_ENTRY", IDD_NAME_ENTRY},
                  {"IDD_OPTIONS", IDD_OPTIONS},
                  {"SHORTEST_PERIOD_MS", kShortestTimerMs},
                  {"DOWN_KEY", kDownKey},
                  {"F1_KEY", kVkF1},
                  {"WITH_SHIFT", kWithShift},
                  {"WITH_CTRL", kWithCtrl},
                  {"LABEL_PIXELS", kLabelPixels},     {"SMALLEST_LABEL_PIXELS", kSmallestLabelPixels},
                  {"MAIN_MENU", kMainMenu},           {"TRAY_MENU", kTrayMenu},
                  {"SEPARATOR_ID", kSeparatorId},     {"TOUCH_UNITS", kTouchUnitsPerPixel},
                  {"LONG_PRESS_MS", kLongPressMs},
                  {"POINT_Y_SHIFT", kPointYShift},    {"KEY_MODIFIERS", kKeyModifiers},
                  {"KEY_DIALOG", kKeyDialog},         {"ANSWER_TARGET", kAnswerTarget},
                  {"QUESTION_KEYS", kQuestionKeys},   {"SHEET_KEYS", kSheetKeys},
                  {"SHIFT_HELD", kShiftHeld},         {"CTRL_HELD", kCtrlHeld},
                  {"ALT_HELD", kAltHeld},           {"STICK_REACH", kStickReach}});
    std::printf("const STORAGE_KEY = '%s';\n", kSettingsFile);
    std::printf("const REPLAY_MARKER = '%s';\n", kReplayMarker);
    std::printf("const BASE_UNIT_ALPHABET = '%s';\n", kBaseUnitAlphabet);
    PrintObject("Request", {{"None", Of(Request::None)},
                            {"Sound", Of(Request::Sound)},
                            {"Wait", Of(Request::Wait)},
                            {"OfferScore", Of(Request::OfferScore)},
                            {"AskReplay", Of(Request::AskReplay)},
                            {"QuitProgram", Of(Request::QuitProgram)},
                            {"NameEntry", Of(Request::NameEntry)},
                            {"SaveSettings", Of(Request::SaveSettings)},
                            {"ScoreTable", Of(Request::ScoreTable)}});
    PrintObject("Input", {{"KeyDown", Of(PageInput::KeyDown)},
                          {"KeyUp", Of(PageInput::KeyUp)},
                          {"Character", Of(PageInput::Character)},
                          {"KeysLost", Of(PageInput::KeysLost)},
                          {"MouseDown", Of(PageInput::MouseDown)},
                          {"HandAt", Of(PageInput::HandAt)},
                          {"Button", Of(PageInput::Button)},
                          {"MenuItem", Of(PageInput::MenuItem)},
                          {"Activation", Of(PageInput::Activation)},
                          {"Tick", Of(PageInput::Tick)},
                          {"Repaint", Of(PageInput::Repaint)},
                          {"Exit", Of(PageInput::Exit)},
                          {"ClearScores", Of(PageInput::ClearScores)},
                          {"StoreOptions", Of(PageInput::StoreOptions)},
                          {"ShutDown", Of(PageInput::ShutDown)},
                          {"DialogKey", Of(PageInput::DialogKey)},
                          {"MenuKey", Of(PageInput::MenuKey)},
                          {"TouchBegan", Of(PageInput::TouchBegan)},
                          {"TouchMoved", Of(PageInput::TouchMoved)},
                          {"TouchEnded", Of(PageInput::TouchEnded)},
                          {"TouchHeld", Of(PageInput::TouchHeld)},
                          {"ControlDown", Of(PageInput::ControlDown)},
                          {"ControlUp", Of(PageInput::ControlUp)},
                          {"Pad", Of(PageInput::Pad)},
                          {"PadInDialog", Of(PageInput::PadInDialog)},
                          {"WakeUp", Of(PageInput::WakeUp)},
                          {"Layout", Of(PageInput::Layout)},
                          {"MenuControl", Of(PageInput::MenuControl)}});
    PrintObject("DialogAction", {{"Pass", Of(DialogAction::Pass)},
                                 {"Nothing", Of(DialogAction::Nothing)},
                                 {"Focus", Of(DialogAction::Focus)},
                                 {"Press", Of(DialogAction::Press)},
                                 {"ShowPage", Of(DialogAction::ShowPage)}});
    PrintObject("MenuAction", {{"Nothing", Of(MenuAction::Nothing)},
                               {"Highlight", Of(MenuAction::Highlight)},
                               {"Choose", Of(MenuAction::Choose)},
                               {"Close", Of(MenuAction::Close)}});
    PrintObject("Description", {{"Texts", Of(PageDescription::Texts)},
                                {"Pictures", Of(PageDescription::Pictures)},
                                {"Sounds", Of(PageDescription::Sounds)},
                                {"Menu", Of(PageDescription::Menu)},
                                {"ScoreRows", Of(PageDescription::ScoreRows)},
                                {"OptionMarks", Of(PageDescription::OptionMarks)},
                                {"Questions", Of(PageDescription::Questions)}});
    // The window's own actions the page opens.
    PrintObject("Command", {{"Hide", Of(Command::Hide)},
                            {"Restore", Of(Command::Restore)},
                            {"Exit", Of(Command::Exit)},
                            {"ShowAbout", Of(Command::ShowAbout)},
                            {"ShowKeyHelp", Of(Command::ShowKeyHelp)},
                            {"ShowOptions", Of(Command::ShowOptions)},
                            {"ShowHighScores", Of(Command::ShowHighScores)},
                            {"OpenMainMenu", Of(Command::OpenMainMenu)}});
    PrintObject("ControlKind", {{"Label", Of(ControlKind::Label)},
                                {"Icon", Of(ControlKind::Icon)},
                                {"EtchedRule", Of(ControlKind::EtchedRule)},
                                {"GroupBox", Of(ControlKind::GroupBox)},
                                {"PushButton", Of(ControlKind::PushButton)},
                                {"CheckBox", Of(ControlKind::CheckBox)},
                                {"RadioButton", Of(ControlKind::RadioButton)},
                                {"EditBox", Of(ControlKind::EditBox)}});
    std::printf("const KEY_NAMES = new Map([");
    for (const Named& key : kKeyNames) std::printf("%s['%s', %d]", &key == kKeyNames ? "" : ", ", key.name, key.value);
    std::printf("]);\n");
    // The keys and characters whose browser action the game replaces.
    std::printf("const GAME_KEYS = new Set([");
    for (const KeyBinding& binding : kKeyDownTable)
        std::printf("%s%d", &binding == kKeyDownTable ? "" : ", ", binding.key);
    std::printf("]);\nconst GAME_CHARACTERS = new Set([");
    for (const CharBinding& binding : kCharTable)
        std::printf("%s'%c'", &binding == kCharTable ? "" : ", ", binding.character);
    std::printf("]);\n");
    return 0;
}
