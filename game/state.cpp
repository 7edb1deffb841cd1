#include "game/state.h"

#include "game/well.h"

void InitGameState(GameState& state) {
    state = GameState{};
    state.column = kSpawnColumn;
    state.shape = kEmptyShape;
    state.interval = kStartInterval;
    state.shapeCount = 7;
}

void ResetGame(Game& game, GameHost& host, uint32_t seed) {
    game = Game{};
    InitGameState(game.state);
    ResetWell(game.well);
    game.options = kDefaultOptions;
    SeedRandom(game.random, seed);
    game.host = &host;
}

void ArmGravity(Game& game, int milliseconds) {
    game.host->ArmGravityTimer(milliseconds < 0 ? 0 : milliseconds);
}
