#pragma once
// A front end without a window, for a program or a test that drives the
// dispatcher alone: game messages run at once, as a window sending itself
// a message does, and the commands that only open, hide or close windows
// have nothing to act on.
#include "commands/dispatch.h"

class WindowlessFrontEnd : public FrontEnd {
public:
    explicit WindowlessFrontEnd(Game& game) : game_(game) {}

    void Relay(GameMessage message) override { RunGameMessage(game_, message); }
    void Minimise() override {}
    void HideToTray() override {}
    void Restore() override {}
    void Close() override {}
    void ShowInfoSheet(int) override {}
    void ShowOptions() override {}
    void ShowHighScores() override {}
    void OpenMainMenu() override {}

protected:
    ~WindowlessFrontEnd() = default;

private:
    Game& game_;
};
