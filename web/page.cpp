// The game in a web page: the one game, its dispatcher and the page's entry
// points. The script (page.js) hands every event to trelmo_input; the
// dispatcher shows what it painted. A request the rules stop for is started
// in the script, carried out there and answered with trelmo_answer.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <emscripten.h>
#include <string>

#include "commands/dispatch.h"
#include "commands/input.h"
#include "commands/menus.h"
#include "commands/reports.h"
#include "commands/start_up.h"
#include "draw/layout.h"
#include "game/cycle.h"
#include "resources/dialog_keys.h"
#include "resources/texts.h"
#include "store/dialogs_fields.h"
#include "store/profile_text.h"
#include "store/settings.h"
#include "web/page_calls.h"
#include "web/page_descriptions.h"
#include "web/page_input.h"
#include "web/replays.h"
#include "web/screen.h"
#include "web/web_host.h"

namespace {

void Save();
void RepaintWhole();

struct Program {
    Game game = {};
    ScoreTable scores = {};
    WebScreen screen;
    WebHost host{game, screen, Save, RepaintWhole};
    // The settings file's text; the page's storage holds its bytes.
    ProfileText settings;
    Dispatcher dispatcher{game, host, &scores};
    bool shutDown = false;
    bool downHeld = false;  // Down was pressed (by a key, a control, a pad or a flick), not released
    Reports reports = {};
    // The game in progress as its script, for the page's storage and to
    // share; what of it the page was last told.
    GameRecord record;
    uint32_t toldChanges = 0;
    int toldState = 0;
    Watch watch;  // a shared game being watched: no input but the stop
    bool watching = false;
};

Program& program() {
    static Program* one = new Program;
    return *one;
}

// The games the menu offers to share.
Shares SharesOf(Program& p) {
    int length = 0;
    return {p.record.state == RecordState::Playing, EndedScript(p.record, length) != nullptr};
}

// The whole window painted afresh and shown, outside any input.
void RepaintWhole() {
    program().screen.PaintWhole(program().game);
    program().host.Present();
}

void Run(Command command, bool ctrlHeld = false) {
    if (command == Command::DownPressed || command == Command::DownReleased)
        program().downHeld = command == Command::DownPressed;
    if (command != Command::None) CarryOutWindowActions(RunCommand(program().dispatcher, command, ctrlHeld));
}

void Save() {
    Program& p = program();
    ProfileTextKeys keys(p.settings);
    if (!SaveSettings(keys, p.game.options, p.scores)) return;  // out of memory: storage keeps the old file
    const std::string file = std::string(p.settings.signature()).append(p.settings.text());
    trelmo_page_settings_saved(file.data(), static_cast<int>(file.size()));
}

std::string_view Bytes(const char* bytes, int length) {
    return bytes != nullptr && length > 0 ? std::string_view(bytes, static_cast<size_t>(length)) : std::string_view();
}

// button: 0 left, 1 middle, 2 right, as the page numbers them.
Command CommandForMouseDown(int button, int x, int y) {
    switch (button) {
    case 0: return CommandForLeftClick(x, y);
    case 1: return CommandForMiddleClick();
    case 2: return CommandForRightClick(x, y);
    default: return Command::None;
    }
}

// The keys' answers go back as their action plus kAnswerTarget times (target + 1).
int PackedAnswer(int action, int target) { return action + kAnswerTarget * (target + 1); }

int AnswerDialogKey(int keyAndDialog, int focus, int state) {
    const int which = keyAndDialog / kKeyDialog;
    DialogKeys keys;
    if (which == kQuestionKeys) {
        keys = KeysOfQuestion(kYesText, kNoText);
    } else if (which == kSheetKeys) {
        keys = KeysOfSheet(kSheetPageCount);
    } else {
        const DialogTemplate* dialog = DialogTemplateById(which);
        if (dialog == nullptr) return 0;
        keys = KeysOfTemplate(*dialog);
    }
    // The sheet's page and the checked controls share the last value: the
    // sheet has no check boxes, the templates no pages.
    const DialogKeyState now = {focus >= 0 && focus < keys.count ? focus : -1, static_cast<uint32_t>(state), state};
    const DialogKeyAnswer answer = KeyInDialog(keys, now, keyAndDialog % kKeyModifiers, keyAndDialog % kKeyDialog / kKeyModifiers);
    return PackedAnswer(static_cast<int>(answer.action), answer.target);
}

int AnswerMenuKey(int key, int which, int highlighted, const GameState& state) {
    const MenuTable* table = PageMenu(which, SharesOf(program()));
    if (table == nullptr) return 0;
    const MenuTable& menu = *table;
    const MenuKeyAnswer answer = KeyInMenu(menu, highlighted >= 0 && highlighted < menu.count ? highlighted : -1, key, state);
    return PackedAnswer(static_cast<int>(answer.action), answer.item);
}

// The input tables and the reports know the window's places: a point of
// another layout goes to the same place of the window's well, at the same
// scale.
struct WellShift {
    int x, y;
};
WellShift ShiftToWindow(const ScreenLayout& layout) {
    return {kWellFrame.x - layout.wellFrame.x, kWellFrame.y - layout.wellFrame.y};
}

// `clientWidth` is that of the layout shown, in the point's units.
TouchPoint TouchAt(int point, int clientWidth, const ScreenLayout& layout) {
    const WellShift shift = ShiftToWindow(layout);
    const int x = static_cast<int16_t>(point & 0xffff), y = point >> kPointYShift;
    return {x + shift.x * clientWidth / layout.clientWidth, y + shift.y * clientWidth / layout.clientWidth,
            clientWidth * kClientWidth / layout.clientWidth};
}

// A report of touches, the controls or a pad (page_input.h): the commands
// it means run in order, and the wake-up it leaves wanted asked of the page.
int Report(Program& p, PageInput kind, int timeMs, int b, int c) {
    Meaning meaning;
    bool taken = false;
    const ScreenLayout& layout = p.screen.layout();
    switch (kind) {
    case PageInput::TouchBegan: taken = TouchBegan(p.reports, TouchAt(b, c, layout), timeMs); break;
    case PageInput::TouchMoved: TouchMoved(p.reports, TouchAt(b, c, layout), timeMs, meaning); break;
    case PageInput::TouchEnded: TouchEnded(p.reports, b != 0, meaning); break;
    case PageInput::TouchHeld: TouchHeld(p.reports, meaning); break;
    case PageInput::ControlDown: ControlDown(p.reports, b, timeMs, meaning); break;
    case PageInput::ControlUp: ControlUp(p.reports, b, meaning); break;
    case PageInput::Pad: PadRead(p.reports, static_cast<uint32_t>(b), c, timeMs, meaning); break;
    case PageInput::PadInDialog: PadReadInDialog(p.reports, static_cast<uint32_t>(b), meaning); break;
    case PageInput::WakeUp: WakeUp(p.reports, timeMs, meaning); break;
    default: return 0;
    }
    for (int i = 0; i < meaning.count; ++i) Run(meaning.commands[i]);
    const WakeUpTime next = NextWakeUp(p.reports);
    trelmo_page_wake_up(next.wanted ? std::max(0, next.atMs - timeMs) : -1);
    return taken ? 1 : meaning.dialogKey;
}

// After the end the page's button to start again is all there is: a pad
// presses it as it would a dialog's button, and nothing of the game runs.
int PadKeyAfterEnd(Program& p, int buttons) {
    Meaning meaning;
    PadReadInDialog(p.reports, static_cast<uint32_t>(buttons), meaning);
    return meaning.dialogKey;
}

void ShutDown(Program& p) {
    p.shutDown = true;
    EndProgram(p.dispatcher);
}

// What the page keeps and offers changes with the record: a game going on
// (1), none (0), and whether an ended game can be shared (2 more).
void TellRecord(Program& p) {
    const Shares shares = SharesOf(p);
    const int state = (shares.gameGoingOn ? 1 : 0) + (shares.lastEnded ? 2 : 0);
    if (state == p.toldState && p.record.changes == p.toldChanges) return;
    p.toldState = state;
    p.toldChanges = p.record.changes;
    trelmo_page_record_changed(state);
}

bool TimerArmed() { return program().host.timerArmed(); }

// The watch has run to its end: the window shows the last of it.
void WatchGoesOn(Program& p, bool goesOn) {
    if (goesOn || !p.watching) return;
    p.watching = false;
    trelmo_page_watch_ended();
}

// The game in progress as its script, for the page to share as a link,
// paused first; or the last one that ended, when that is asked for or no
// game is going on.
void Share(Program& p, bool lastEnded) {
    int length = 0;
    const char* script = nullptr;
    if (p.record.state == RecordState::Playing && !lastEnded) {
        if (p.game.state.paused == 0) Run(Command::TogglePause);
        script = RecordScript(p.record, length);
    } else {
        script = EndedScript(p.record, length);
    }
    trelmo_page_share(script, length);
}

// One of the page's events; while a shared game is watched only the
// gravity timer and the window's own upkeep reach it.
int TakeInput(Program& p, PageInput kind, int a, int b, int c) {
    if (p.watching) {
        switch (kind) {
        case PageInput::Tick: WatchGoesOn(p, WatchTick(p.watch, p.dispatcher, TimerArmed)); return 0;
        case PageInput::Repaint:
        case PageInput::Layout:
        case PageInput::ShutDown:
        case PageInput::DialogKey:
        case PageInput::MenuKey: break;
        default: return 0;
        }
    }
    switch (kind) {
    case PageInput::KeyDown: Run(CommandForKeyDown(a), b != 0); break;
    case PageInput::KeyUp: Run(CommandForKeyUp(a)); break;
    case PageInput::Character: Run(CommandForChar(a)); break;
    case PageInput::KeysLost: p.downHeld = false; break;
    case PageInput::MouseDown: {
        const WellShift shift = ShiftToWindow(p.screen.layout());
        Run(CommandForMouseDown(a, b + shift.x, c + shift.y));
        break;
    }
    case PageInput::HandAt: {
        const WellShift shift = ShiftToWindow(p.screen.layout());
        return PointerAt(b + shift.x, c + shift.y) == Pointer::Hand ? 1 : 0;
    }
    case PageInput::Button:
        if (a >= 0 && a < kButtonCount) Run(CommandForButton(static_cast<Button>(a)));
        break;
    case PageInput::MenuItem:
        if (a == CmdShareGame || a == CmdShareLast) Share(p, a == CmdShareLast);
        else Run(CommandForMenuId(a));
        break;
    case PageInput::Activation:
        CarryOutWindowActions(RunActivation(p.dispatcher, a ? kActive : kInactive, b != 0, !p.downHeld));
        break;
    case PageInput::Tick: CarryOutWindowActions(RunGravityTick(p.dispatcher)); break;
    case PageInput::Repaint: RepaintWhole(); break;
    case PageInput::Exit: CarryOutWindowActions(RunExit(p.dispatcher)); break;
    case PageInput::ClearScores: ClearTable(p.dispatcher); break;
    case PageInput::StoreOptions: StoreOptions(p.dispatcher, MarksForCheckedBits(static_cast<uint32_t>(a))); break;
    case PageInput::ShutDown: ShutDown(p); break;
    case PageInput::Layout: p.screen.Use(a != 0 ? kTallLayout : kWindowLayout); break;
    case PageInput::MenuControl: Run(Command::OpenMainMenu); break;
    case PageInput::DialogKey: return AnswerDialogKey(a, b, c);
    case PageInput::MenuKey: return AnswerMenuKey(a, b, c, p.game.state);
    default: return Report(p, kind, a, b, c);  // touches, controls, a pad
    }
    return 0;
}

}  // namespace

extern "C" {

// The game starts with the settings file the page keeps, `length` bytes
// (none the first time).
EMSCRIPTEN_KEEPALIVE void trelmo_start(uint32_t seed, const char* settings, int length) {
    Program& p = program();
    p.settings = ProfileText(Bytes(settings, length));
    ResetGame(p.game, p.host, seed);
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonPlace& place = kButtonPlaces[i];
        trelmo_page_place_button(i, place.x, place.y, place.width, place.height, place.text);
    }
    ProfileTextKeys keys(p.settings);
    p.dispatcher.record = &p.record;
    const WindowActions actions = StartProgram(p.dispatcher, p.scores, &keys);
    RepaintWhole();
    CarryOutWindowActions(actions);
}

// The game the page kept, `length` bytes, brought back as it was and paused
// as when the window is deactivated; 0 when it cannot be read (the page
// drops it), -1 when it went wrong on the way (the page drops it and
// starts again).
EMSCRIPTEN_KEEPALIVE int trelmo_restore(const char* script, int length) {
    Program& p = program();
    if (script == nullptr || !ScriptIsPlayable(script, length) || p.record.state != RecordState::Empty) return 0;
    // Nothing is offered to the table: the game in progress at its start
    // was offered when it ended.
    p.dispatcher.scores = nullptr;
    p.host.mode = HostMode::AtOnce;
    PlayWholeScript(p.dispatcher, script, length, TimerArmed);
    p.host.mode = HostMode::Play;
    p.dispatcher.scores = &p.scores;
    if (p.record.state != RecordState::Playing || PendingRequest(p.game) != Request::None) return -1;
    CarryOutWindowActions(RunActivation(p.dispatcher, kInactive, true, !p.downHeld));
    RepaintWhole();
    TellRecord(p);
    return 1;
}

// A shared game's script, `length` bytes, out of its link: 1 when it is
// watched from now on, 0 when a line cannot be read or touches a file.
EMSCRIPTEN_KEEPALIVE int trelmo_watch(const char* link, int length) {
    Program& p = program();
    static char script[kRecordBytes];
    if (link == nullptr || length > kRecordBytes || !ScriptIsPlayable(link, length)) return 0;
    std::memcpy(script, link, static_cast<size_t>(length));
    // Watching saves nothing: no record, no table, no settings.
    p.dispatcher.record = nullptr;
    p.dispatcher.scores = nullptr;
    p.host.mode = HostMode::Watch;
    p.watching = true;
    p.watch = Watch{script, length, 0, 0};
    WatchGoesOn(p, WatchOn(p.watch, p.dispatcher, TimerArmed));
    RepaintWhole();
    return 1;
}

// The last game that ended as a link's code (trelmo_page_share).
EMSCRIPTEN_KEEPALIVE void trelmo_share_last() {
    Program& p = program();
    if (!p.watching) Share(p, true);
    TellRecord(p);
}

// The game in progress as its script, for the page's storage
// (trelmo_page_kept_game), or nothing.
EMSCRIPTEN_KEEPALIVE void trelmo_kept_game() {
    Program& p = program();
    int length = 0;
    const char* script = p.record.state == RecordState::Playing ? RecordScript(p.record, length) : nullptr;
    trelmo_page_kept_game(script, length);
}

// One of the page's events (web/page_input.h).
EMSCRIPTEN_KEEPALIVE int trelmo_input(int kind, int a, int b, int c) {
    Program& p = program();
    if (p.shutDown) return kind == static_cast<int>(PageInput::PadInDialog) ? PadKeyAfterEnd(p, b) : 0;
    const int answer = TakeInput(p, static_cast<PageInput>(kind), a, b, c);
    TellRecord(p);
    return answer;
}

// The request handed out with `ticket` is done: `yes` answers a question,
// and a name entry's OK comes with what was typed.
EMSCRIPTEN_KEEPALIVE void trelmo_answer(int ticket, int yes, const char* typedName) {
    Program& p = program();
    if (p.shutDown) return;
    CarryOutWindowActions(FinishRequest(p.dispatcher, ticket, yes != 0, typedName));
    if (p.watching) WatchGoesOn(p, WatchOn(p.watch, p.dispatcher, TimerArmed));
    TellRecord(p);
}

// A settings file the player loads, `length` bytes: refused (0) unless it
// is one; else it replaces the old one, and the options and the table are
// read from it as at start-up, and shown.
EMSCRIPTEN_KEEPALIVE int trelmo_load_settings(const char* bytes, int length) {
    Program& p = program();
    ProfileText file(Bytes(bytes, length));
    ProfileTextKeys fileKeys(file);
    if (!HoldsSettings(fileKeys)) return 0;
    p.settings = std::move(file);
    p.game.options = kDefaultOptions;
    ClearScores(p.scores);
    ProfileTextKeys keys(p.settings);
    LoadSettings(keys, p.game.options, p.scores, p.game.state.shapeCount);
    if (!p.shutDown) RepaintWhole();
    return 1;
}

// What the page shows but the module knows (web/page_input.h).
EMSCRIPTEN_KEEPALIVE void trelmo_describe(int kind, int which) {
    DescribeToPage(static_cast<PageDescription>(kind), which, program().game, program().scores, SharesOf(program()));
}

// A dialog template laid out in pixels for the page's font, whose 52
// letters measure `alphabetWidth` and whose height is `fontHeight`; 0 when
// there is no such template.
EMSCRIPTEN_KEEPALIVE int trelmo_dialog(int templateId, int alphabetWidth, int fontHeight) {
    return DescribeDialog(templateId, alphabetWidth, fontHeight) ? 1 : 0;
}

// The information sheet's frame for that font, and its pages: the page
// builds the sheet itself.
EMSCRIPTEN_KEEPALIVE void trelmo_sheet(int alphabetWidth, int fontHeight) { DescribeSheet(alphabetWidth, fontHeight); }

// Room in the module's memory for `length` bytes the page hands over, and a
// zero byte after them; it lasts until the next call. Null when there is no
// room: the page then hands nothing over.
EMSCRIPTEN_KEEPALIVE char* trelmo_scratch(int length) {
    static char* room = nullptr;
    static int size = 0;
    if (length < 0) return nullptr;
    if (length + 1 > size) {
        char* grown = static_cast<char*>(std::realloc(room, static_cast<size_t>(length) + 1));
        if (grown == nullptr) return nullptr;
        room = grown;
        size = length + 1;
    }
    room[length] = '\0';
    return room;
}

}  // extern "C"
