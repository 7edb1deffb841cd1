#include "game/start.h"

#include "game/well.h"

void NewGame(Game& game) {
    GameState& s = game.state;
    GameHost& host = *game.host;
    ResetWell(game.well);
    s.lines = 0;
    s.score = 0;
    FillStartingRows(game);
    host.PaintScore();
    host.PaintLines();
    ArmGravity(game, s.interval);
    s.nextIndex = rand_below(game.random, s.shapeCount);
    if (game.options.preview != 0) host.PaintPreview(ShapeCatalogue[s.nextIndex]);
    // The first shape of every game is one of the seven four-cell shapes.
    s.shapeIndex = rand_below(game.random, 7);
    s.shape = ShapeCatalogue[s.shapeIndex];
    host.SetButtonEnabled(PauseButton, true);
    s.column = kSpawnColumn;
    s.row = 0;
    s.shapeVisible = 1;
    s.running = 1;
    s.paused = 0;
    host.RefreshPauseLabel();
}

void TogglePause(Game& game) {
    game.state.paused ^= 1;
    game.host->RefreshPauseLabel();
}

void AutoPause(Game& game) {
    GameState& s = game.state;
    if (s.paused == 1 || s.running != 1) return;
    s.autoPaused = 1;
    s.paused = 1;
    game.host->RefreshPauseLabel();
}

void AutoResume(Game& game) {
    GameState& s = game.state;
    if (s.running != 1 || s.autoPaused != 1) return;
    s.paused = 0;
    s.autoPaused = 0;
    game.host->RefreshPauseLabel();
}
