#pragma once
// The one set of game variables, the well and the options, gathered so that
// the program entry (or a test) owns exactly one and passes it around.
#include <cstdint>

#include "game/host.h"
#include "game/options.h"
#include "game/random.h"
#include "game/shapes.h"
#include "game/steps.h"

constexpr int kWellRows = 22;     // rows 0..20 playfield, row 21 the floor
constexpr int kWellColumns = 12;  // columns 1..10 playfield, 0 and 11 walls
constexpr int kFloorRow = 21;
constexpr int kBottomRow = 20;
constexpr int kPlayfieldColumns = 10;
constexpr int kSolid = -1;        // wall and floor cells

// Cells: 0 empty, -1 wall or floor, 1..11 a settled cell's colour index.
struct Well {
    int32_t cells[kWellRows][kWellColumns];
};

struct GameState {
    int32_t column;      // playfield column of the grid's left edge; may be -1
    int32_t row;         // well row of the grid's top edge
    ShapeRecord shape;   // the falling shape, turned in place
    int32_t shapeIndex;  // catalogue index of the falling shape
    int32_t nextIndex;   // catalogue index of the previewed shape
    int32_t score;
    int32_t lines;
    int32_t speedLevel;  // 0..19
    int32_t interval;    // gravity period in ms; may go negative, armed as 0
    int32_t startRows;   // 0..16
    int32_t shapeCount;  // 7 or 11
    int32_t running;     // 1 once a game has been started, for good
    int32_t shapeVisible;
    int32_t paused;
    int32_t autoPaused;  // the pause was taken by losing activation
    int32_t fastFall;    // Ctrl+Down started a fast fall in drop style
};

struct Game {
    GameState state;
    Well well;
    Options options;
    Random random;
    Steps steps;  // runs of the rules waiting for a request
    GameHost* host;
};

constexpr int kSpawnColumn = 4;
constexpr int kStartInterval = 1100;

// Program-start values: no game, the empty shape, level 0 at 1100 ms.
void InitGameState(GameState& state);

// The whole game as the program starts it before its settings are read:
// program-start values, an empty well, the default options, the generator
// seeded with `seed`, and the host the rules call.
void ResetGame(Game& game, GameHost& host, uint32_t seed);

// The host never sees a negative period: it is armed as 0, the fastest rate.
void ArmGravity(Game& game, int milliseconds);
