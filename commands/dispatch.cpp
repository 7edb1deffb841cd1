#include "commands/dispatch.h"

#include <cstring>

#include "commands/input.h"
#include "game/cycle.h"
#include "game/difficulty.h"
#include "game/resume.h"
#include "game/start.h"
#include "store/gbk.h"

namespace {

void Relay(Dispatcher& dispatcher, GameMessage message) {
    if (dispatcher.relay != nullptr)
        dispatcher.relay(dispatcher.relayTarget, message);
    else
        RunGameMessage(dispatcher.game, message);
}

void AddWindowAction(Dispatcher& dispatcher, Command command) {
    WindowActions& actions = *dispatcher.actions;
    if (actions.count < static_cast<int>(sizeof actions.items / sizeof actions.items[0]))
        actions.items[actions.count++] = command;
}

void Execute(Dispatcher& dispatcher, Command command, bool ctrlHeld) {
    Game& game = dispatcher.game;
    if (dispatcher.record != nullptr) NoteCommand(*dispatcher.record, game, command, ctrlHeld);
    switch (command) {
    case Command::None: break;
    case Command::MoveLeft: Relay(dispatcher, GameMessage::MoveLeft); break;
    case Command::MoveRight: Relay(dispatcher, GameMessage::MoveRight); break;
    case Command::Rotate: Relay(dispatcher, GameMessage::Rotate); break;
    case Command::RotateNow: Rotate(game); break;
    case Command::DownPressed:
        dispatcher.downHeld = true;
        DownKeyPressed(game, ctrlHeld);
        break;
    case Command::DownReleased:
        dispatcher.downHeld = false;
        DownKeyReleased(game);
        break;
    case Command::TogglePause: TogglePause(game); break;
    case Command::TogglePauseIfRunning:
        if (game.state.running == 1) TogglePause(game);
        break;
    case Command::StartGame:
        // The game in progress is offered to the table before a new one.
        Suspend(game, Request::OfferScore, 0, Resume::NewGameAfterOffer);
        break;
    case Command::SpeedUp: SpeedUp(game); break;
    case Command::SpeedDown: SpeedDown(game); break;
    case Command::RowsUp: RowsUp(game); break;
    case Command::RowsDown: RowsDown(game); break;
    case Command::MaxSpeed: MaxSpeed(game); break;
    case Command::MaxRows: MaxRows(game); break;
    case Command::AutoPause: AutoPause(game); break;
    case Command::AutoResume: AutoResume(game); break;
    case Command::Hide:
    case Command::Restore:
    case Command::Exit:
    case Command::ShowAbout:
    case Command::ShowKeyHelp:
    case Command::ShowOptions:
    case Command::ShowHighScores:
    case Command::OpenMainMenu:
    case Command::CloseMenu: AddWindowAction(dispatcher, command); break;
    }
}

void ExecuteActivation(Dispatcher& dispatcher, const Input& input) {
    const bool active = input.activationState != kInactive;
    if (active && !input.windowVisible) return;
    Execute(dispatcher, CommandForActivation(input.activationState), false);
    if (active && dispatcher.downHeld && input.downKeyUp) Execute(dispatcher, Command::DownReleased, false);
}

void Execute(Dispatcher& dispatcher, const Input& input) {
    switch (input.kind) {
    case Input::Kind::Command: Execute(dispatcher, input.command, input.ctrlHeld); break;
    case Input::Kind::GravityTick:
        if (dispatcher.record != nullptr) NoteTick(*dispatcher.record, dispatcher.game);
        Tick(dispatcher.game);
        break;
    case Input::Kind::Activation: ExecuteActivation(dispatcher, input); break;
    }
}

void Hold(Dispatcher& dispatcher, const Input& input) {
    if (input.kind == Input::Kind::GravityTick) {
        dispatcher.tickHeld = true;
    } else if (dispatcher.heldCount < kMaxHeldInputs) {
        dispatcher.held[dispatcher.heldCount++] = input;
    }
}

void Admit(Dispatcher& dispatcher, const Input& input) {
    switch (AdmissionOf(dispatcher.game, input.kind, input.command)) {
    case Admission::Run:
        Execute(dispatcher, input);
        if (dispatcher.record != nullptr) NoteGameState(*dispatcher.record, dispatcher.game);
        break;
    case Admission::Hold: Hold(dispatcher, input); break;
    case Admission::Refuse: break;
    }
}

constexpr Input kGravityTick = {Input::Kind::GravityTick, Command::None, false, 0, false, false};

// The oldest held input first, the merged tick after all of them. Held input
// is older than anything a dialog opened by one of them would see, so it all
// goes through the gate before any request of theirs is carried out; one
// that stops for a sound or a wait holds the rest again.
void RunHeldInput(Dispatcher& dispatcher) {
    Game& game = dispatcher.game;
    for (;;) {
        const Request pending = PendingRequest(game);
        if (pending == Request::Sound || pending == Request::Wait) return;
        if (dispatcher.heldCount > 0) {
            const Input next = dispatcher.held[0];
            for (int i = 1; i < dispatcher.heldCount; ++i) dispatcher.held[i - 1] = dispatcher.held[i];
            --dispatcher.heldCount;
            Admit(dispatcher, next);
        } else if (dispatcher.tickHeld) {
            dispatcher.tickHeld = false;
            Admit(dispatcher, kGravityTick);
        } else {
            return;
        }
    }
}

// The rules go on from the request on top, which has been carried out.
// A new game's script begins before the rules start it: its opening lines
// say what the game began with.
void GoOn(Dispatcher& dispatcher, bool yes) {
    Game& game = dispatcher.game;
    GameRecord* const record = dispatcher.record;
    const bool replay = yes && TopSuspension(game).resume == Resume::GameOverAfterAnswer;
    if (record != nullptr && replay) BeginRecord(*record, game);
    if (ResumeRules(game, yes) == Resume::NewGameAfterOffer) {
        if (record != nullptr) BeginRecord(*record, game);
        Relay(dispatcher, GameMessage::NewGame);
    }
    if (record != nullptr) NoteGameState(*record, game);
    RunHeldInput(dispatcher);
}

// What was typed in a name entry replaces the offered name.
void TakeTypedName(HandedRequest& offer, const char* typed) {
    if (offer.offer != OfferStep::NameEntry) return;
    char name[kTypedNameBytes + 1];
    CopyGbkPrefix(name, typed, kTypedNameBytes);
    std::memset(offer.name, 0, sizeof offer.name);
    std::memcpy(offer.name, name, sizeof name);
}

// The request is done: `yes` answers a question.
void MarkDone(HandedRequest& request, bool yes, const char* typedName) {
    if (typedName != nullptr) TakeTypedName(request, typedName);
    request.done = true;
    request.yes = yes;
}

// The front end carries out `task` for the request at `depth`; an answer at
// once marks it done, unless the program ended meanwhile. A save is done
// here, at once.
void HandOut(Dispatcher& dispatcher, int depth, Request task, int value) {
    dispatcher.requests[depth - 1].done = false;
    dispatcher.frontEnd.Present();
    Answer answer;
    if (task == Request::SaveSettings) {
        dispatcher.frontEnd.SaveSettings();
    } else {
        const char* offered = task == Request::NameEntry ? dispatcher.requests[depth - 1].name : "";
        answer = dispatcher.frontEnd.CarryOut(RequestCall{task, value, depth, offered});
    }
    if (answer.outcome == Outcome::Later || StepDepth(dispatcher.game) < depth) return;
    MarkDone(dispatcher.requests[depth - 1], answer.outcome == Outcome::Yes, answer.typed ? answer.typedName : nullptr);
}

// The score offer: a result that takes a place makes room for its row and
// asks for the name; one that does not is done at once.
void StartOffer(Dispatcher& dispatcher, int depth) {
    HandedRequest& offer = dispatcher.requests[depth - 1];
    offer.score = dispatcher.game.state.score;
    offer.lines = dispatcher.game.state.lines;
    offer.place = dispatcher.scores != nullptr ? QualifyingPlace(*dispatcher.scores, offer.score) : -1;
    if (offer.place < 0) {
        offer.done = true;
        offer.yes = true;
        return;
    }
    MakeRoom(*dispatcher.scores, offer.place, offer.name);
    offer.offer = OfferStep::NameEntry;
    HandOut(dispatcher, depth, Request::NameEntry, offer.place);
}

// After the name entry the row is filled and the table saved, then shown.
void NextOfferStep(Dispatcher& dispatcher, int depth) {
    HandedRequest& offer = dispatcher.requests[depth - 1];
    if (offer.offer == OfferStep::NameEntry) {
        offer.name[kNameBytes - 1] = '\0';
        FillScoreRow(*dispatcher.scores, offer.place, offer.score, offer.lines, offer.name);
        offer.offer = OfferStep::Save;
        HandOut(dispatcher, depth, Request::SaveSettings, 0);
    } else {
        offer.offer = OfferStep::Table;
        HandOut(dispatcher, depth, Request::ScoreTable, 0);
    }
}

// Hands each request to the front end the moment it is on top of the rules'
// stack, once, and goes on from each as soon as it is done and on top. A
// request carried out at once may have run a nested loop that delivered
// more input, whose own requests were handed out and finished by a nested
// call before this one goes on; one carried out later is finished by
// FinishRequest, which comes back here.
void Pump(Dispatcher& dispatcher) {
    Game& game = dispatcher.game;
    for (;;) {
        const int depth = StepDepth(game);
        // What was taken off the stack (by the end of the program too) is
        // no longer carried out.
        for (int i = depth; i < kMaxSuspensions; ++i) dispatcher.requests[i] = HandedRequest{};
        if (depth == 0 || game.steps.ended != 0) return;
        HandedRequest& top = dispatcher.requests[depth - 1];
        if (top.handed) {
            if (!top.done) return;
            if (top.offer != OfferStep::None && top.offer != OfferStep::Table) {
                NextOfferStep(dispatcher, depth);
                continue;
            }
            const bool yes = top.yes;
            top = HandedRequest{};
            GoOn(dispatcher, yes);
            continue;
        }
        if (dispatcher.holdRequests) return;
        top.handed = true;
        const Suspension step = TopSuspension(game);
        if (step.request == Request::OfferScore)
            StartOffer(dispatcher, depth);
        else
            HandOut(dispatcher, depth, step.request, step.value);
    }
}

// Every entry point: the work, the requests it leaves, one present, and the
// window actions admitted meanwhile. Entries nest (a dialog's loop delivers
// input), each collecting its own actions.
template <typename Work>
WindowActions Enter(Dispatcher& dispatcher, Work work) {
    WindowActions actions;
    WindowActions* const outer = dispatcher.actions;
    dispatcher.actions = &actions;
    work();
    Pump(dispatcher);
    if (dispatcher.holdRequests && PendingRequest(dispatcher.game) != Request::None)
        AddWindowAction(dispatcher, Command::CloseMenu);
    dispatcher.frontEnd.Present();
    dispatcher.actions = outer;
    return actions;
}

WindowActions Deliver(Dispatcher& dispatcher, const Input& input) {
    return Enter(dispatcher, [&] { Admit(dispatcher, input); });
}

}  // namespace

Admission AdmissionOf(const Game& game, Input::Kind kind, Command command) {
    if (game.steps.ended != 0) return Admission::Refuse;
    switch (PendingRequest(game)) {
    case Request::None: return Admission::Run;
    case Request::Sound:
    case Request::Wait: return Admission::Hold;
    case Request::OfferScore:
    case Request::AskReplay: {
        const bool reachesGame = kind == Input::Kind::GravityTick || kind == Input::Kind::Activation ||
                                 command == Command::AutoPause || command == Command::AutoResume;
        // A run that stops on top of a full stack would be lost.
        return reachesGame && StepDepth(game) < kMaxSuspensions ? Admission::Run : Admission::Refuse;
    }
    case Request::QuitProgram:
    case Request::NameEntry:
    case Request::SaveSettings:
    case Request::ScoreTable: return Admission::Refuse;
    }
    return Admission::Refuse;
}

WindowActions RunCommand(Dispatcher& dispatcher, Command command, bool ctrlHeld) {
    return Deliver(dispatcher, Input{Input::Kind::Command, command, ctrlHeld, 0, false, false});
}

WindowActions RunGravityTick(Dispatcher& dispatcher) { return Deliver(dispatcher, kGravityTick); }

WindowActions RunActivation(Dispatcher& dispatcher, int activationState, bool windowVisible, bool downKeyUp) {
    return Deliver(dispatcher,
                   Input{Input::Kind::Activation, Command::None, false, activationState, windowVisible, downKeyUp});
}

WindowActions FinishRequest(Dispatcher& dispatcher, int ticket, bool yes, const char* typedName) {
    return Enter(dispatcher, [&] {
        if (ticket < 1 || ticket > StepDepth(dispatcher.game)) return;
        HandedRequest& request = dispatcher.requests[ticket - 1];
        if (request.handed) MarkDone(request, yes, typedName);
    });
}

WindowActions DeliverGameMessage(Dispatcher& dispatcher, GameMessage message) {
    return Enter(dispatcher, [&] { RunGameMessage(dispatcher.game, message); });
}

void MenuOpened(Dispatcher& dispatcher) { dispatcher.holdRequests = true; }

WindowActions MenuClosed(Dispatcher& dispatcher) {
    dispatcher.holdRequests = false;
    return Enter(dispatcher, [] {});
}

void UseOptions(Game& game, const Options& options) {
    game.options = options;
    game.state.shapeCount = ShapeCountForStyle(options.style);
}

void UseOptions(Dispatcher& dispatcher, const Options& options) {
    if (dispatcher.record != nullptr) NoteOptions(*dispatcher.record, dispatcher.game.options, options);
    UseOptions(dispatcher.game, options);
}

void StoreOptions(Dispatcher& dispatcher, const OptionMarks& marks) {
    UseOptions(dispatcher, OptionsForMarks(marks));
    dispatcher.frontEnd.SaveSettings();
    dispatcher.frontEnd.RepaintWindow();
}

void ClearTable(Dispatcher& dispatcher) {
    if (dispatcher.scores == nullptr) return;
    ClearScores(*dispatcher.scores);
    dispatcher.frontEnd.SaveSettings();
}

void EndProgram(Dispatcher& dispatcher) {
    EndRules(dispatcher.game);
    if (dispatcher.record != nullptr) NoteGameState(*dispatcher.record, dispatcher.game);
    dispatcher.frontEnd.StopGravityTimer();
}

// Refused, as any input, while the rules' stack is full.
WindowActions RunExit(Dispatcher& dispatcher) {
    return Enter(dispatcher, [&] {
        Game& game = dispatcher.game;
        if (game.steps.ended != 0) return;
        if (StepDepth(game) < kMaxSuspensions) Suspend(game, Request::OfferScore, 0, Resume::QuitAfterOffer);
        if (dispatcher.record != nullptr) NoteGameState(*dispatcher.record, game);
    });
}

void RunGameMessage(Game& game, GameMessage message) {
    switch (message) {
    case GameMessage::NewGame: NewGame(game); break;
    case GameMessage::MoveLeft: MoveLeft(game); break;
    case GameMessage::MoveRight: MoveRight(game); break;
    case GameMessage::Rotate: Rotate(game); break;
    }
}

Answer Answer::Typed(const char* typed) {
    Answer answer;
    answer.typed = true;
    CopyGbkPrefix(answer.typedName, typed, kTypedNameBytes);
    return answer;
}
