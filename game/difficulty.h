#pragma once
// The speed level with its gravity interval, and the starting rows. These
// work in every state of the game and keep the four +/- buttons in line.
#include "game/state.h"

constexpr int kMaxSpeedLevel = 19;
constexpr int kMaxStartRows = 16;
constexpr int kMaxStepWait = 50;  // ms between the steps of MaxSpeed and MaxRows

void SpeedUp(Game& game);
void SpeedDown(Game& game);
void RowsUp(Game& game);
void RowsDown(Game& game);
// Steps up one level or row every 50 ms until past the top: each step stops
// for its wait, and the Continue functions take the step with `steps` left,
// this one included.
void MaxSpeed(Game& game);
void MaxRows(Game& game);
void ContinueMaxSpeed(Game& game, int steps);
void ContinueMaxRows(Game& game, int steps);
