#pragma once
// The whole of what the core asks of a front end. Painting and the window's
// state the rules see go through GameHost (game/host.h); showing what was
// painted and carrying out the requests the rules stop for come here. The
// dispatcher calls every one of them; the window's own actions (hiding, the
// dialogs, the menu) come back from it as values (commands/dispatch.h).
#include "game/host.h"
#include "game/steps.h"

// No front end arms its gravity timer shorter: Windows' shortest period.
constexpr int kShortestTimerMs = 10;

// How a request ended, as CarryOut returns it: answered at once (Yes, or No
// to the replay question), or Later, by FinishRequest.
enum class Outcome { Yes, No, Later };

class FrontEnd : public GameHost {
public:
    // Shows on the screen what was painted since the last call. Called once
    // after each input the dispatcher delivered and before each request it
    // hands out, so that what a request shows or waits on is on the screen.
    virtual void Present() = 0;

    // Carries out the request on top of the rules' stack (game/steps.h):
    // Sound plays sound `value` to its end, Wait waits `value` ms,
    // OfferScore offers the score and lines to the table with its dialogs,
    // AskReplay asks the replay question, QuitProgram ends the program. A
    // front end that may hold its thread does it all before returning the
    // answer (and its nested loops deliver input meanwhile); one that may
    // not returns Later and calls FinishRequest with `ticket` when it is
    // done, in any order.
    virtual Outcome CarryOut(Request request, int value, int ticket) = 0;

protected:
    ~FrontEnd() = default;
};
