// The game in a web page: the one game, its dispatcher and the page's entry
// points. The script (page.js) calls one entry point per event; the
// dispatcher shows what it painted. A request the rules stop for is started
// in the script, carried out there and answered with trelmo_answer.
#include <emscripten.h>
#include <cstdio>
#include <cstring>
#include <string>

#include "commands/dispatch.h"
#include "commands/input.h"
#include "commands/menus.h"
#include "commands/start_up.h"
#include "draw/layout.h"
#include "game/cycle.h"
#include "media/artwork.h"
#include "media/sounds.h"
#include "resources/dialog_script.h"
#include "resources/dialog_script_text.h"
#include "resources/texts.h"
#include "store/dialogs_fields.h"
#include "store/gbk.h"
#include "store/option_keys.h"
#include "store/profile_text.h"
#include "store/settings.h"
#include "web/page_calls.h"
#include "web/screen.h"
#include "web/web_host.h"


namespace {

void Save();

struct Program {
    Game game = {};
    ScoreTable scores = {};
    WebScreen screen;
    WebHost host{game, screen, Save};
    // The settings file's text; the page's storage holds its bytes.
    ProfileText settings;
    Dispatcher dispatcher{game, host, &scores};
    bool shutDown = false;
    bool downHeld = false;  // Down went down in the page and has not come up
};

Program& program() {
    static Program* one = new Program;
    return *one;
}

// The whole window painted afresh and shown, outside any input.
void RepaintWhole() {
    program().screen.PaintWhole(program().game);
    program().host.Present();
}

void Run(Command command, bool ctrlHeld = false) {
    if (command != Command::None && !program().shutDown)
        CarryOutWindowActions(RunCommand(program().dispatcher, command, ctrlHeld));
}

void Save() {
    Program& p = program();
    ProfileTextKeys keys(p.settings);
    if (!SaveSettings(keys, p.game.options, p.scores)) return;  // out of memory: storage keeps the old file
    const std::string file = std::string(p.settings.signature()).append(p.settings.text());
    trelmo_page_settings_saved(file.data(), static_cast<int>(file.size()));
}

void LoadSettings(Program& p) {
    ProfileTextKeys keys(p.settings);
    LoadSettings(keys, p.game.options, p.scores, p.game.state.shapeCount);
}

const DialogScript* Script() {
    static DialogScript script;
    static const bool read = ParseDialogScript(kDialogScriptHeader, kDialogScriptTemplates, script);
    return read ? &script : nullptr;
}

void AppendField(std::string& out, int value) { out += std::to_string(value) + '\t'; }

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void trelmo_start(uint32_t seed) {
    Program& p = program();
    ResetGame(p.game, p.host, seed);
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonPlace& place = kButtonPlaces[i];
        trelmo_page_place_button(i, place.x, place.y, place.width, place.height, place.text);
    }
    ProfileTextKeys settings(p.settings);
    const WindowActions actions = StartProgram(p.dispatcher, p.scores, &settings);
    RepaintWhole();
    CarryOutWindowActions(actions);
}

EMSCRIPTEN_KEEPALIVE void trelmo_repaint() { RepaintWhole(); }

// Keys are virtual-key codes; `ctrl` is the state of Ctrl with the key.
EMSCRIPTEN_KEEPALIVE void trelmo_key_down(int key, int ctrl) {
    if (key == kDownKey) program().downHeld = true;
    Run(CommandForKeyDown(key), ctrl != 0);
}

EMSCRIPTEN_KEEPALIVE void trelmo_key_up(int key) {
    if (key == kDownKey) program().downHeld = false;
    Run(CommandForKeyUp(key));
}

EMSCRIPTEN_KEEPALIVE void trelmo_char(int character) {
    Run(CommandForChar(character));
}

// A Down let go while the page was away never comes back as a key-up.
EMSCRIPTEN_KEEPALIVE void trelmo_keys_lost() { program().downHeld = false; }

// button: 0 left, 1 middle, 2 right; client-area pixels.
EMSCRIPTEN_KEEPALIVE void trelmo_mouse_down(int button, int x, int y) {
    switch (button) {
    case 0: Run(CommandForLeftClick(x, y)); break;
    case 1: Run(CommandForMiddleClick()); break;
    case 2: Run(CommandForRightClick(x, y)); break;
    default: break;
    }
}

EMSCRIPTEN_KEEPALIVE int trelmo_hand_at(int x, int y) { return PointerAt(x, y) == Pointer::Hand ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE void trelmo_button(int button) {
    Run(CommandForButton(static_cast<Button>(button)));
}

EMSCRIPTEN_KEEPALIVE void trelmo_menu_item(int id) {
    Run(CommandForMenuId(id));
}

EMSCRIPTEN_KEEPALIVE void trelmo_activation(int active, int visible) {
    Program& p = program();
    if (!p.shutDown)
        CarryOutWindowActions(RunActivation(p.dispatcher, active ? kActive : kInactive, visible != 0, !p.downHeld));
}

EMSCRIPTEN_KEEPALIVE void trelmo_tick() {
    if (!program().shutDown) CarryOutWindowActions(RunGravityTick(program().dispatcher));
}

// The request started with `ticket` is done; `yes` answers the question.
EMSCRIPTEN_KEEPALIVE void trelmo_answer(int ticket, int yes) {
    if (!program().shutDown) CarryOutWindowActions(FinishRequest(program().dispatcher, ticket, yes != 0));
}

// The program ends: nothing of the game runs again.
EMSCRIPTEN_KEEPALIVE void trelmo_shut_down() {
    Program& p = program();
    p.shutDown = true;
    EndRules(p.game);
    p.host.StopGravityTimer();
}

// The settings file the page keeps, `length` bytes, before the game starts.
EMSCRIPTEN_KEEPALIVE void trelmo_use_settings(const char* bytes, int length) {
    program().settings = ProfileText(std::string_view(bytes, static_cast<size_t>(length)));
}

// Whether `length` bytes are a settings file: one at least of its options
// or score rows is there. The page refuses to load anything else.
EMSCRIPTEN_KEEPALIVE int trelmo_is_settings_file(const char* bytes, int length) {
    const ProfileText candidate(std::string_view(bytes, static_cast<size_t>(length)));
    constexpr char kAbsent[] = "\x01" "absent";
    char value[80];
    for (const OptionKey& option : kOptionKeys) {
        candidate.Read("Settings", option.key, kAbsent, value, sizeof value);
        if (std::strcmp(value, kAbsent) != 0) return 1;
    }
    for (int row = 0; row < kScoreRows; ++row) {
        char key[16];
        std::snprintf(key, sizeof key, "Player%d", row);
        candidate.Read("Score", key, kAbsent, value, sizeof value);
        if (std::strcmp(value, kAbsent) != 0) return 1;
    }
    return 0;
}

// A settings file the page loaded replaces the old one: the options and the
// table are read from it as at start-up, and shown.
EMSCRIPTEN_KEEPALIVE void trelmo_reload_settings(const char* bytes, int length) {
    Program& p = program();
    trelmo_use_settings(bytes, length);
    p.game.options = kDefaultOptions;
    ClearScores(p.scores);
    LoadSettings(p);
    RepaintWhole();
}

// The options dialog's controls and whether each is checked: one line per
// control, id and 0 or 1, each ending with a tab; the two of each radio
// pair first, then the check boxes.
EMSCRIPTEN_KEEPALIVE const char* trelmo_option_marks() {
    static std::string out;
    const OptionMarks marks = MarksForOptions(program().game.options);
    out.clear();
    for (const MarkPair& pair : kMarkPairs) {
        AppendField(out, pair.first);
        out += marks.*pair.mark ? "1\t\n" : "0\t\n";
        AppendField(out, pair.second);
        out += marks.*pair.mark ? "0\t\n" : "1\t\n";
    }
    for (const MarkBox& box : kMarkBoxes) {
        AppendField(out, box.control);
        out += marks.*box.mark ? "1\t\n" : "0\t\n";
    }
    return out.c_str();
}

// OK of the options dialog, with bit i set when control i of the list
// above is checked: stored, saved, and shown before the dialog closes.
EMSCRIPTEN_KEEPALIVE void trelmo_store_option_marks(int checked) {
    Program& p = program();
    OptionMarks marks = {};
    int bit = 0;
    for (const MarkPair& pair : kMarkPairs) {
        marks.*pair.mark = (checked >> bit & 1) != 0;
        bit += 2;
    }
    for (const MarkBox& box : kMarkBoxes) marks.*box.mark = (checked >> bit++ & 1) != 0;
    p.game.options = OptionsForMarks(marks);
    p.game.state.shapeCount = ShapeCountForStyle(p.game.options.style);
    Save();
    RepaintWhole();
}

// The name the name entry handed out with `ticket` offers.
EMSCRIPTEN_KEEPALIVE const char* trelmo_offered_name(int ticket) { return OfferedName(program().dispatcher, ticket); }

// The name entry's OK, with what was typed.
EMSCRIPTEN_KEEPALIVE void trelmo_name_entered(int ticket, const char* typed) {
    Program& p = program();
    if (p.shutDown) return;
    TakeTypedName(p.dispatcher, ticket, typed);
    CarryOutWindowActions(FinishRequest(p.dispatcher, ticket));
}

// Yes in the exit box: the offer, then the end.
EMSCRIPTEN_KEEPALIVE void trelmo_exit() {
    if (!program().shutDown) CarryOutWindowActions(RunExit(program().dispatcher));
}

EMSCRIPTEN_KEEPALIVE void trelmo_clear_scores() {
    ClearScores(program().scores);
    Save();
}

// Row `row` of the table as the dialog paints it: its top, then for each
// of place, score, lines and name the x, 1 when centred on it (else
// right-aligned) and the text; fields end with a tab.
EMSCRIPTEN_KEEPALIVE const char* trelmo_score_row(int row) {
    static std::string out;
    const ScoreRowTexts texts = TextsForScoreRow(program().scores.rows[row], row);
    out.clear();
    AppendField(out, ScoreRowY(row));
    const struct {
        const ScoreColumn& column;
        const char* text;
    } cells[] = {{kPlaceColumn, texts.place}, {kScoreColumn, texts.score}, {kLinesColumn, texts.lines},
                 {kNameColumn, texts.name}};
    for (const auto& cell : cells) {
        AppendField(out, cell.column.x);
        AppendField(out, cell.column.align == ColumnAlign::Centre ? 1 : 0);
        out += std::string(cell.text) + '\t';
    }
    return out.c_str();
}

// A template laid out in pixels for a font whose 52 letters measure
// `alphabetWidth` and whose height is `fontHeight`. The first line: the
// caption, then x, y, width, height and whether it is centred; then one
// line per control: kind, id, icon, x, y, width, height, group, tab stop,
// text. Fields end with a tab; empty when there is no such template.
EMSCRIPTEN_KEEPALIVE const char* trelmo_dialog(int templateId, int alphabetWidth, int fontHeight) {
    static std::string out;
    out.clear();
    const DialogTemplate* dialog = Script() != nullptr ? FindDialogTemplate(*Script(), templateId) : nullptr;
    if (dialog == nullptr) return out.c_str();
    const DialogBaseUnits base = BaseUnitsForFont(alphabetWidth, fontHeight);
    const PixelRect frame = DialogRectToPixels(dialog->x, dialog->y, dialog->width, dialog->height, base);
    out = std::string(dialog->caption) + '\t';
    for (int value : {frame.x, frame.y, frame.width, frame.height, dialog->centred ? 1 : 0}) AppendField(out, value);
    out += '\n';
    for (int i = 0; i < dialog->controlCount; ++i) {
        const DialogControl& c = dialog->controls[i];
        const PixelRect r = DialogRectToPixels(c.x, c.y, c.width, c.height, base);
        for (int value : {static_cast<int>(c.kind), c.id, c.iconId, r.x, r.y, r.width, r.height,
                          c.startsGroup ? 1 : 0, c.tabStop ? 1 : 0})
            AppendField(out, value);
        out += std::string(c.text) + "\t\n";
    }
    return out.c_str();
}

// Dialog units to pixels for the parts a page builds itself (the sheet's
// frame): x when `vertical` is 0.
EMSCRIPTEN_KEEPALIVE int trelmo_dialog_units(int units, int vertical, int alphabetWidth, int fontHeight) {
    const DialogBaseUnits base = BaseUnitsForFont(alphabetWidth, fontHeight);
    return vertical ? DialogUnitsToPixelsY(units, base) : DialogUnitsToPixelsX(units, base);
}

// A popup menu, 0 the main one, 1 the icon's: one line per item, id,
// greyed and text (a separator has id 0), fields ending with a tab.
EMSCRIPTEN_KEEPALIVE const char* trelmo_menu(int which) {
    static std::string out;
    out.clear();
    const MenuItem* items = which == 0 ? MainMenu : TrayMenu;
    const size_t count = which == 0 ? sizeof MainMenu / sizeof *MainMenu : sizeof TrayMenu / sizeof *TrayMenu;
    for (size_t i = 0; i < count; ++i) {
        AppendField(out, items[i].id);
        AppendField(out, items[i].id != 0 && MenuItemGreyed(items[i].id, program().game.state) ? 1 : 0);
        out += std::string(items[i].text != nullptr ? items[i].text : "") + "\t\n";
    }
    return out.c_str();
}

// The texts the page shows outside the templates: one "name text" a line.
EMSCRIPTEN_KEEPALIVE const char* trelmo_texts() {
    static std::string out;
    const struct {
        const char* name;
        const char* text;
    } texts[] = {
        {"sheetCaption", kSheetCaption}, {"aboutTitle", kAboutPageTitle}, {"keyHelpTitle", kKeyHelpPageTitle},
        {"scoringTitle", kScoringPageTitle}, {"sheetOk", kSheetOk}, {"sheetCancel", kSheetCancel},
        {"replayQuestion", kReplayQuestion}, {"replayTitle", kReplayTitle}, {"exitQuestion", kExitQuestion},
        {"exitTitle", kExitTitle}, {"yes", kYesText}, {"no", kNoText},
        {"gameEnded", kGameEndedNotice}, {"otherTab", kOtherTabNotice}, {"download", kDownloadSettings},
        {"load", kLoadSettings}, {"refused", kSettingsRefused}, {"loaded", kSettingsLoaded},
    };
    out.clear();
    for (const auto& t : texts) out += std::string(t.name) + ' ' + t.text + '\n';
    return out.c_str();
}

// Icon 102, 103 or 104 as 32 x 32 RGBA pixels; null for another id.
EMSCRIPTEN_KEEPALIVE const uint8_t* trelmo_icon(int iconId) {
    static uint8_t pixels[kIconSize * kIconSize * 4];
    const IconRows* rows = IconRowsOf(iconId);
    if (rows == nullptr) return nullptr;
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const int ink = IconInkIndex((*rows)[y][x]);
            const Rgb colour = ink >= 0 ? kVgaColours[ink] : Rgb{0, 0, 0};
            uint8_t* to = pixels + 4 * (y * kIconSize + x);
            to[0] = colour.r;
            to[1] = colour.g;
            to[2] = colour.b;
            to[3] = ink >= 0 ? 255 : 0;
        }
    }
    return pixels;
}

// Cursor 1, the hand over the logo, as 16 x 18 RGBA pixels; its hot spot
// is the fingertip at (0, 0).
EMSCRIPTEN_KEEPALIVE const uint8_t* trelmo_hand_cursor() {
    static uint8_t pixels[kHandWidth * kHandHeight * 4];
    for (int y = 0; y < kHandHeight; ++y) {
        for (int x = 0; x < kHandWidth; ++x) {
            const char ink = HandCursorInk(x, y);
            const uint8_t level = ink == kCursorWhite ? 255 : 0;
            uint8_t* to = pixels + 4 * (y * kHandWidth + x);
            to[0] = to[1] = to[2] = level;
            to[3] = ink == kCursorClear ? 0 : 255;
        }
    }
    return pixels;
}

// Sound 110 or 111's samples, 8-bit unsigned PCM, interleaved; through
// `format` its rate, channels and number of bytes.
EMSCRIPTEN_KEEPALIVE const uint8_t* trelmo_sound(int soundId, int* format) {
    static const SoundSamples lock = SamplesOfSound(LockSound);
    static const SoundSamples row = SamplesOfSound(RowSound);
    const SoundSamples& sound = soundId == LockSound ? lock : row;
    format[0] = static_cast<int>(sound.rate);
    format[1] = sound.channels;
    format[2] = static_cast<int>(sound.samples.size());
    return sound.samples.data();
}

}  // extern "C"
