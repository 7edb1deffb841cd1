#include "game/lock.h"

#include "game/difficulty.h"
#include "game/lines.h"
#include "game/start.h"
#include "game/well.h"
#include "game/wrap.h"

void LockPiece(Game& game) { SuspendForSound(game, LockSound, Resume::LockAfterSound); }

void ContinueLock(Game& game) {
    MergeShape(game);
    ClearFullRows(game);
}

void ClearFullRows(Game& game, int row, int removed) {
    for (; row >= 0; --row) {
        if (!IsFullRow(game.well, row)) continue;
        game.state.lines = WrappingAdd(game.state.lines, 1);
        SuspendForSound(game, RowSound, Resume::ClearAfterRowSound, row, removed);
        return;
    }
    FinishLock(game, removed > 0 && ScoreRows(game, removed));
}

void ContinueClearing(Game& game, int row, int removed) {
    RemoveRow(game.well, row);
    game.host->PaintWell();
    game.host->PaintLines();
    // The same row again: it now holds the one above.
    ClearFullRows(game, row, removed + 1);
}

void FinishLock(Game& game, bool speedUp) {
    GameState& s = game.state;
    if (speedUp) SpeedUp(game);
    s.shapeIndex = s.nextIndex;
    s.nextIndex = rand_below(game.random, s.shapeCount);
    if (game.options.preview != 0) game.host->PaintPreview(ShapeCatalogue[s.nextIndex]);
    if (!SpawnShape(game, s.shapeIndex)) GameOver(game);
}

bool SpawnShape(Game& game, int shapeIndex) {
    GameState& s = game.state;
    s.column = kSpawnColumn;
    s.row = 0;
    s.shape = ShapeCatalogue[shapeIndex];
    return !Collides(game.well, s.shape, s.column, s.row);
}

void GameOver(Game& game) {
    GameState& s = game.state;
    GameHost& host = *game.host;
    host.PaintPiece(s.shape, 0);  // drawn over the stack it does not fit into
    host.StopGravityTimer();
    host.SetButtonEnabled(PauseButton, false);
    Suspend(game, Request::OfferScore, 0, Resume::GameOverAfterOffer);
}

void AskReplay(Game& game) {
    game.state.shapeVisible = 0;
    Suspend(game, Request::AskReplay, 0, Resume::GameOverAfterAnswer);
}

void AnswerReplay(Game& game, bool yes) {
    if (!yes) {
        Suspend(game, Request::QuitProgram, 0, Resume::Ended);
        return;
    }
    game.state.paused = 0;
    game.host->RefreshPauseLabel();
    NewGame(game);
}
