#pragma once
// The whole of what the core asks of a front end. Painting and the window's
// state the rules see go through GameHost (game/host.h); showing what was
// painted, saving, and carrying out the requests the rules stop for come
// here. The dispatcher calls every one of them; the window's own actions
// (hiding, the dialogs, the menu) come back from it as values
// (commands/dispatch.h).
#include "game/host.h"
#include "game/steps.h"
#include "store/scores.h"

// No front end arms its gravity timer shorter: Windows' shortest period.
constexpr int kShortestTimerMs = 10;

// How a request ended: answered at once (Yes, or No to the replay
// question), or Later, by FinishRequest.
enum class Outcome { Yes, No, Later };

// A request as the dispatcher hands it out.
struct RequestCall {
    Request request;
    int value;                // as game/steps.h says for each request
    int ticket;               // FinishRequest's, for an answer that comes later
    const char* offeredName;  // NameEntry: what the name box opens with; else ""
};

// What a request carried out at once answers; a name entry also what was
// typed over the offered name (without it the offered name stays).
struct Answer {
    Answer(Outcome result = Outcome::Yes) : outcome(result) {}  // NOLINT: an outcome is an answer
    // A name entry's OK with `typed`, of which kTypedNameBytes are kept.
    static Answer Typed(const char* typed);

    Outcome outcome;
    bool typed = false;
    char typedName[kTypedNameBytes + 1] = {};
};

class FrontEnd : public GameHost {
public:
    // Shows on the screen what was painted since the last call. Called once
    // after each input the dispatcher delivered and before each request it
    // hands out, so that what a request shows or waits on is on the screen.
    virtual void Present() = 0;

    // Paints the whole window afresh from the state and shows it: the
    // options' new look before their dialog goes away.
    virtual void RepaintWindow() = 0;

    // Writes the options and the table to the settings file, at once.
    virtual void SaveSettings() = 0;

    // Carries out the request on top of the rules' stack (game/steps.h):
    // Sound plays sound `value` to its end, Wait waits `value` ms,
    // NameEntry asks for the name of the row at place `value`, ScoreTable
    // shows the table, AskReplay asks the replay question, QuitProgram ends
    // the program. A front end that may hold its thread does it all before
    // returning the answer (and its nested loops deliver input meanwhile);
    // one that may not returns Later and calls FinishRequest with the
    // ticket when it is done, in any order.
    virtual Answer CarryOut(const RequestCall& call) = 0;

protected:
    ~FrontEnd() = default;
};
