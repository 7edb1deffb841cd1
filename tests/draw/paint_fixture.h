#pragma once
// A game at program start (default options, an empty well) and a raster of
// the window's client area filled with a colour no primitive uses, so that
// every pixel a primitive leaves alone can be recognised.
#include <gtest/gtest.h>

#include "draw/paint.h"
#include "draw/raster.h"
#include "game/well.h"

constexpr Rgb kUntouched = {1, 2, 3};

class PaintTest : public ::testing::Test {
protected:
    PaintTest() : raster(479, 340) {
        InitGameState(game.state);
        ResetWell(game.well);
        game.options = kDefaultOptions;
        raster.FillRect(0, 0, raster.width(), raster.height(), kUntouched);
    }

    Game game{};
    Raster raster;
};
