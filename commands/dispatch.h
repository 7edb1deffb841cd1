#pragma once
// What a command does, decided once for every front end: the Windows window
// procedure and trelmo-sim both hand their commands to RunCommand. What the
// rules need of the window goes through GameHost; what a command needs of
// the front end beyond the rules goes through FrontEnd.
#include "commands/commands.h"
#include "game/state.h"

class FrontEnd {
public:
    // Sends a game message through the front end's own channel; it must
    // reach RunGameMessage before Relay returns.
    virtual void Relay(GameMessage message) = 0;
    // Esc and the Hide item: the window is minimised, then hidden to the
    // notification area (or wherever the platform keeps a hidden window).
    virtual void Minimise() = 0;
    virtual void HideToTray() = 0;
    // Shows the hidden window again where it was.
    virtual void Restore() = 0;
    // The close command, which asks the player first.
    virtual void Close() = 0;
    // The modal windows; each returns when it has closed.
    virtual void ShowInfoSheet(int startPage) = 0;
    virtual void ShowOptions() = 0;
    virtual void ShowHighScores() = 0;
    // The right-click menu at the pointer; its choice comes back as a command.
    virtual void OpenMainMenu() = 0;
    // Whether the Down key is up now, whatever window had the keyboard.
    virtual bool DownKeyUp() = 0;

protected:
    ~FrontEnd() = default;
};

struct Dispatcher {
    Game& game;
    FrontEnd& frontEnd;
    bool downHeld = false;  // Down went down here and has not come up here
};

void RunCommand(Dispatcher& dispatcher, Command command);
// A game message arriving from Relay.
void RunGameMessage(Game& game, GameMessage message);

// The window gaining or losing activation; the state as CommandForActivation
// takes it. A hidden window is
// activated only to track the icon's menu, so a game that hiding paused
// stays paused until the window is shown again. A Down let go while another
// window had the keyboard never reached this one: its release is handled on
// coming back, or a fast fall would go on at full speed.
void RunActivation(Dispatcher& dispatcher, int activationState, bool windowVisible);
