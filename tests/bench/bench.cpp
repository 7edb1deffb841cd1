// Timings of the game's hot paths, painting onto the software raster (the
// same primitives the window uses) and counting surface operations.
#include <benchmark/benchmark.h>

#include "draw/layout.h"
#include "draw/raster.h"
#include "game/cycle.h"
#include "game/lines.h"
#include "game/lock.h"
#include "game/start.h"
#include "game/well.h"
#include "tests/bench/surface_host.h"
#include "tests/support/settle.h"

namespace {


struct Bench {
    Game game{};
    Raster raster{kClientWidth, kClientHeight};
    SurfaceHost host{game, raster};

    Bench() {
        ResetGame(game, host, 11);
        NewGame(game);
    }
};

void GravityStep(benchmark::State& state) {
    Bench b;
    for (auto _ : state) {
        b.game.state.row = 0;  // keep falling without ever landing
        Tick(b.game);
    }
}

void Move(benchmark::State& state) {
    Bench b;
    for (auto _ : state) {
        MoveLeft(b.game);
        MoveRight(b.game);
    }
    state.SetItemsProcessed(2 * state.iterations());
}

void RowRemoval(benchmark::State& state) {
    Bench b;
    for (auto _ : state) {
        for (int r = 17; r <= 20; ++r)
            for (int c = 1; c <= 10; ++c) b.game.well.cells[r][c] = 1 + (r + c) % 7;
        b.game.state.score = 0;
        ClearFullRows(b.game);
        SettleRequests(b.game);
    }
    state.SetItemsProcessed(4 * state.iterations());  // rows
}

void FullRepaint(benchmark::State& state) {
    Bench b;
    for (int r = 10; r <= 20; ++r)
        for (int c = 1; c <= 10; ++c) b.game.well.cells[r][c] = (r * c) % 3 == 0 ? 0 : 1 + (r + c) % 7;
    for (auto _ : state) PaintWindow(b.raster, b.game, kClientWidth, kClientHeight);
}

void SurfaceOperations(benchmark::State& state) {
    Game game{};
    CountingSurface counting;
    SurfaceHost host{game, counting};
    InitGameState(game.state);
    ResetWell(game.well);
    game.options = kDefaultOptions;
    game.host = &host;
    NewGame(game);
    for (auto _ : state) {
        counting.Reset();
        MoveRight(game);
        MoveLeft(game);
    }
    state.counters["ops_per_move"] = static_cast<double>(counting.total()) / 2;
}

}  // namespace

BENCHMARK(GravityStep);
BENCHMARK(Move);
BENCHMARK(RowRemoval);
BENCHMARK(FullRepaint);
BENCHMARK(SurfaceOperations);
BENCHMARK_MAIN();
