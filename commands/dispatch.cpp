#include "commands/dispatch.h"

#include "commands/driver.h"
#include "commands/input.h"
#include "game/cycle.h"
#include "game/difficulty.h"
#include "game/resume.h"
#include "game/start.h"

namespace {

void Execute(Dispatcher& dispatcher, Command command) {
    Game& game = dispatcher.game;
    FrontEnd& frontEnd = dispatcher.frontEnd;
    switch (command) {
    case Command::None: break;
    case Command::MoveLeft: frontEnd.Relay(GameMessage::MoveLeft); break;
    case Command::MoveRight: frontEnd.Relay(GameMessage::MoveRight); break;
    case Command::Rotate: frontEnd.Relay(GameMessage::Rotate); break;
    case Command::RotateNow: Rotate(game); break;
    case Command::DownPressed:
        dispatcher.downHeld = true;
        DownKeyPressed(game);
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
        frontEnd.Minimise();
        frontEnd.HideToTray();
        break;
    case Command::Restore: frontEnd.Restore(); break;
    case Command::Exit: frontEnd.Close(); break;
    case Command::ShowAbout: frontEnd.ShowInfoSheet(kAboutPage); break;
    case Command::ShowKeyHelp: frontEnd.ShowInfoSheet(kKeyHelpPage); break;
    case Command::ShowOptions: frontEnd.ShowOptions(); break;
    case Command::ShowHighScores: frontEnd.ShowHighScores(); break;
    case Command::OpenMainMenu: frontEnd.OpenMainMenu(); break;
    }
}

void ExecuteActivation(Dispatcher& dispatcher, int activationState, bool windowVisible) {
    const bool active = activationState != kInactive;
    if (active && !windowVisible) return;
    Execute(dispatcher, CommandForActivation(activationState));
    if (active && dispatcher.downHeld && dispatcher.frontEnd.DownKeyUp())
        Execute(dispatcher, Command::DownReleased);
}

void Execute(Dispatcher& dispatcher, const Input& input) {
    switch (input.kind) {
    case Input::Kind::Command: Execute(dispatcher, input.command); break;
    case Input::Kind::GravityTick: Tick(dispatcher.game); break;
    case Input::Kind::Activation: ExecuteActivation(dispatcher, input.activationState, input.windowVisible); break;
    }
}

void Hold(Dispatcher& dispatcher, const Input& input) {
    if (input.kind == Input::Kind::GravityTick) {
        dispatcher.tickHeld = true;
    } else if (dispatcher.heldCount < kMaxHeldInputs) {
        dispatcher.held[dispatcher.heldCount++] = input;
    }
}

// Runs, holds or refuses the input; true when it ran.
bool Admit(Dispatcher& dispatcher, const Input& input) {
    switch (AdmissionOf(dispatcher.game, input.kind, input.command)) {
    case Admission::Run: Execute(dispatcher, input); return true;
    case Admission::Hold: Hold(dispatcher, input); return false;
    case Admission::Refuse: return false;
    }
    return false;
}

// With a carrier, the input's requests are carried out before it returns,
// unless they are being held.
void Deliver(Dispatcher& dispatcher, const Input& input) {
    const int depth = StepDepth(dispatcher.game);
    if (Admit(dispatcher, input) && dispatcher.carrier != nullptr && !dispatcher.holdRequests)
        CarryOutRequests(dispatcher, *dispatcher.carrier, depth);
}

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
            Admit(dispatcher, Input{Input::Kind::GravityTick, Command::None, 0, false});
        } else {
            return;
        }
    }
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
    case Request::QuitProgram: return Admission::Refuse;
    }
    return Admission::Refuse;
}

void RunCommand(Dispatcher& dispatcher, Command command) {
    Deliver(dispatcher, Input{Input::Kind::Command, command, 0, false});
}

void RunGravityTick(Dispatcher& dispatcher) {
    Deliver(dispatcher, Input{Input::Kind::GravityTick, Command::None, 0, false});
}

void RunActivation(Dispatcher& dispatcher, int activationState, bool windowVisible) {
    Deliver(dispatcher, Input{Input::Kind::Activation, Command::None, activationState, windowVisible});
}

void RunGameMessage(Game& game, GameMessage message) {
    switch (message) {
    case GameMessage::NewGame: NewGame(game); break;
    case GameMessage::MoveLeft: MoveLeft(game); break;
    case GameMessage::MoveRight: MoveRight(game); break;
    case GameMessage::Rotate: Rotate(game); break;
    }
}

void AnswerRequest(Dispatcher& dispatcher, bool yes) {
    if (StepDepth(dispatcher.game) == 0) return;
    if (ResumeRules(dispatcher.game, yes) == Resume::NewGameAfterOffer) dispatcher.frontEnd.Relay(GameMessage::NewGame);
    RunHeldInput(dispatcher);
}
