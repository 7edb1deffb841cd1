#pragma once
// What a command does, decided once for every front end: the Windows window
// procedure, the Linux program and trelmo-sim hand their input to the
// functions below. What the rules need of the window at once goes through
// GameHost; what a command needs of the front end beyond the rules goes
// through FrontEnd; what takes time comes back as a pending request
// (game/steps.h), carried out by the front end or by the blocking driver
// (commands/driver.h).
#include <cstdint>

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

class RequestCarrier;

// One input as a front end hands it over.
struct Input {
    enum class Kind : uint8_t { Command, GravityTick, Activation };
    Kind kind;
    Command command;      // Kind::Command
    int activationState;  // Kind::Activation: as CommandForActivation takes it
    bool windowVisible;   // Kind::Activation
};

// What an input does while the rules wait for a request (game/steps.h), the
// same as the Windows program does. During a sound or a wait the thread is
// held: input is held too and runs afterwards in order, and gravity ticks
// that came meanwhile run once, after it (a window timer's messages merge
// and come last). During the score offer or the replay question a modal
// dialog's loop runs: gravity and activation reach the game, input meant
// for the main window is refused. Once the program is ending nothing runs.
enum class Admission { Run, Hold, Refuse };
Admission AdmissionOf(const Game& game, Input::Kind kind, Command command);

constexpr int kMaxHeldInputs = 64;  // beyond that, input during a wait is lost

struct Dispatcher {
    Game& game;
    FrontEnd& frontEnd;
    // Where set, every input's requests are carried out before it returns
    // (commands/driver.h); where not, they stay pending until AnswerRequest.
    RequestCarrier* carrier = nullptr;
    // While set, requests stay pending even with a carrier, for whoever set
    // it to carry out once it may (a Windows menu being tracked).
    bool holdRequests = false;
    bool downHeld = false;  // Down went down here and has not come up here
    Input held[kMaxHeldInputs] = {};
    int heldCount = 0;
    bool tickHeld = false;
};

// The front end's inputs. Each runs at once, is held or is refused
// (AdmissionOf).
void RunCommand(Dispatcher& dispatcher, Command command);
// One expiry of the gravity timer.
void RunGravityTick(Dispatcher& dispatcher);
// The window gaining or losing activation; the state as CommandForActivation
// takes it. A hidden window is
// activated only to track the icon's menu, so a game that hiding paused
// stays paused until the window is shown again. A Down let go while another
// window had the keyboard never reached this one: its release is handled on
// coming back, or a fast fall would go on at full speed.
void RunActivation(Dispatcher& dispatcher, int activationState, bool windowVisible);

// A game message arriving from Relay. Relayed messages belong to the
// command that sent them and never wait.
void RunGameMessage(Game& game, GameMessage message);

// The pending request has been carried out: the rules go on (`yes` answers
// the replay question), and once nothing is pending the held input runs.
void AnswerRequest(Dispatcher& dispatcher, bool yes = true);
