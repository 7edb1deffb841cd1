#include "commands/start_up.h"

#include "store/settings.h"

WindowActions StartProgram(Dispatcher& dispatcher, ScoreTable& scores, ProfileKeys* settings) {
    Game& game = dispatcher.game;
    InitGameState(game.state);
    if (settings != nullptr) LoadSettings(*settings, game.options, scores, game.state.shapeCount);
    GameHost& host = dispatcher.frontEnd;
    host.SetButtonEnabled(PauseButton, false);
    host.SetButtonEnabled(SpeedDownButton, false);
    host.SetButtonEnabled(RowsDownButton, false);
    WindowActions actions;
    actions.items[actions.count++] = Command::ShowAbout;
    return actions;
}
