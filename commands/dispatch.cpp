#include "commands/dispatch.h"

#include "commands/input.h"
#include "game/cycle.h"
#include "game/difficulty.h"

void RunCommand(Dispatcher& dispatcher, Command command) {
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
        game.host->CheckHighScore();
        frontEnd.Relay(GameMessage::NewGame);
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

void RunGameMessage(Game& game, GameMessage message) {
    switch (message) {
    case GameMessage::NewGame: NewGame(game); break;
    case GameMessage::MoveLeft: MoveLeft(game); break;
    case GameMessage::MoveRight: MoveRight(game); break;
    case GameMessage::Rotate: Rotate(game); break;
    }
}

void RunActivation(Dispatcher& dispatcher, int activationState, bool windowVisible) {
    const bool active = activationState != kInactive;
    if (active && !windowVisible) return;
    RunCommand(dispatcher, CommandForActivation(activationState));
    if (active && dispatcher.downHeld && dispatcher.frontEnd.DownKeyUp())
        RunCommand(dispatcher, Command::DownReleased);
}
