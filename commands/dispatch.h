#pragma once
// What a command does, decided once for every front end: the Windows window
// procedure, the Linux program, the page and trelmo-sim hand their input to
// the functions below. Each runs the rules, hands the requests they stop for
// to the front end (commands/front_end.h), presents once, and returns the
// window's own actions for the front end to carry out, in order.
#include <cstddef>
#include <cstdint>

#include "commands/commands.h"
#include "commands/front_end.h"
#include "commands/record.h"
#include "game/state.h"
#include "store/dialogs_fields.h"
#include "store/scores.h"

// One input as a front end hands it over.
struct Input {
    enum class Kind : uint8_t { Command, GravityTick, Activation };
    Kind kind;
    Command command;      // Kind::Command
    bool ctrlHeld;        // Kind::Command: Ctrl was down with the input
    int activationState;  // Kind::Activation: as CommandForActivation takes it
    bool windowVisible;   // Kind::Activation
    bool downKeyUp;       // Kind::Activation: Down is up now, whatever window had the keyboard
};

// What an input does while the rules wait for a request (game/steps.h), the
// same as the Windows program does. During a sound or a wait the thread is
// held: input is held too and runs afterwards in order, and gravity ticks
// that came meanwhile run once, after it (a window timer's messages merge
// and come last). During the score offer or the replay question a modal
// dialog's loop runs: gravity and activation reach the game, input meant
// for the main window is refused. Once the program is ending nothing runs.
enum class Admission { Run, Hold, Refuse };
Admission AdmissionOf(const Game& game, Input::Kind kind, Command command);

constexpr int kMaxHeldInputs = 64;  // beyond that, input during a wait is lost

// The commands that act on the window rather than on the game (Hide,
// Restore, Exit, ShowAbout, ShowKeyHelp, ShowOptions, ShowHighScores,
// OpenMainMenu, CloseMenu), in the order the dispatcher admitted them: the
// input's own, and those of held input that ran after it.
struct WindowActions {
    Command items[kMaxHeldInputs + 2];
    int count = 0;
    const Command* begin() const { return items; }
    const Command* end() const { return items + count; }
};

// A front end carries out the window actions with one table: a row for
// each action it has, naming what does it.
template <typename Window>
struct WindowActionRow {
    Command action;
    void (*carryOut)(Window& window);
};

template <typename Window, size_t N>
void CarryOutWindowActions(const WindowActions& actions, const WindowActionRow<Window> (&table)[N], Window& window) {
    for (const Command action : actions)
        for (const WindowActionRow<Window>& row : table)
            if (row.action == action) row.carryOut(window);
}

// Where a score offer stands: the result goes to the table with the
// player's name, the table is saved and shown, each step the front end's.
enum class OfferStep : uint8_t { None, NameEntry, Save, Table };

// A request handed to the front end, by its depth on the rules' stack; for
// a score offer, the result offered and the name for its row.
struct HandedRequest {
    bool handed;
    bool done;
    bool yes;
    OfferStep offer;
    int place;
    int32_t score;
    int32_t lines;
    char name[kNameBytes];
};

// Windows sends the moves, the turn and the new game to its own window as
// private messages before they run (win32/); elsewhere they run at once.
using GameMessageRelay = void (*)(void* target, GameMessage message);

struct Dispatcher {
    Game& game;
    FrontEnd& frontEnd;
    ScoreTable* scores = nullptr;  // the table results are offered to, if any
    GameMessageRelay relay = nullptr;
    void* relayTarget = nullptr;
    // A menu is open (MenuOpened): requests stay pending until it closes.
    bool holdRequests = false;
    bool downHeld = false;  // Down went down here and has not come up here
    Input held[kMaxHeldInputs] = {};
    int heldCount = 0;
    bool tickHeld = false;
    HandedRequest requests[kMaxSuspensions] = {};
    WindowActions* actions = nullptr;  // of the entry being run
    // Where the game in progress is written as its script, if anywhere:
    // each input as the rules take it.
    GameRecord* record = nullptr;
};

// The front end's inputs. Each runs at once, is held or is refused
// (AdmissionOf).
WindowActions RunCommand(Dispatcher& dispatcher, Command command, bool ctrlHeld = false);
// One expiry of the gravity timer.
WindowActions RunGravityTick(Dispatcher& dispatcher);
// The window gaining or losing activation; the state as CommandForActivation
// takes it. A hidden window is activated only to track the icon's menu, so
// a game that hiding paused stays paused until the window is shown again. A
// Down let go while another window had the keyboard never reached this one:
// its release is handled on coming back, or a fast fall would go on at full
// speed.
WindowActions RunActivation(Dispatcher& dispatcher, int activationState, bool windowVisible, bool downKeyUp);

// The request handed out with `ticket` has been carried out (`yes` answers
// the replay question; a name entry's OK brings what was typed, of which
// kTypedNameBytes are kept, or null to keep the offered name). The rules go
// on once it is on top of their stack, and once nothing is pending the held
// input runs.
WindowActions FinishRequest(Dispatcher& dispatcher, int ticket, bool yes = true, const char* typedName = nullptr);

// A popup menu is being tracked (a Windows menu holds the thread): gravity
// goes on, but the requests its steps stop for wait until the menu has
// closed, and one waiting asks for it to close (Command::CloseMenu). A
// dialog opened under a tracked menu would get no mouse.
void MenuOpened(Dispatcher& dispatcher);
// The menu has closed: what waited is handed out.
WindowActions MenuClosed(Dispatcher& dispatcher);

// The options in use from now on, and the shape count with them.
void UseOptions(Game& game, const Options& options);
// The same during a game that is being recorded.
void UseOptions(Dispatcher& dispatcher, const Options& options);
// The options dialog's OK: the options from its marks in use, saved, and
// the window shown with the new look.
void StoreOptions(Dispatcher& dispatcher, const OptionMarks& marks);
// The table's Clear: every row empty, and saved.
void ClearTable(Dispatcher& dispatcher);
// The program is ending by the front end's own road (the window destroyed,
// the page closed): every waiting run is abandoned, the gravity timer
// stops, and nothing of the game runs again.
void EndProgram(Dispatcher& dispatcher);

// The exit command, confirmed by the player: the game in progress is
// offered to the table, then the program ends (QuitProgram).
WindowActions RunExit(Dispatcher& dispatcher);

// A game message as the relay sends it: it belongs to the command that sent
// it and never waits.
void RunGameMessage(Game& game, GameMessage message);
// A game message that came by the front end's own channel from outside the
// dispatcher (another program's private message): it runs at once, whatever
// the rules wait for.
WindowActions DeliverGameMessage(Dispatcher& dispatcher, GameMessage message);
