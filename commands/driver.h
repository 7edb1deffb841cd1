#pragma once
// The blocking driver: the desktop programs carry out each request the rules
// leave pending the old way, holding the thread for a sound or a wait and
// running a modal dialog's loop for the offer and the question, and the rules
// go on as soon as it returns. A dispatcher with a carrier drives every input
// through here before the input returns.
#include "commands/dispatch.h"

class RequestCarrier {
public:
    // Plays sound 110 or 111 to its end, or waits 100 ms with sound off.
    virtual void PlayEffect(int soundId) = 0;
    virtual void WaitMilliseconds(int milliseconds) = 0;
    // Offers the current score and lines to the top-ten table; returns after
    // any name entry and table display have closed.
    virtual void CheckHighScore() = 0;
    // A modal Yes/No question; true unless the answer is No.
    virtual bool AskYesNo(const char* text, const char* title) = 0;
    // Ends the program at once, without the exit confirmation.
    virtual void QuitProgram() = 0;

protected:
    ~RequestCarrier() = default;
};

// Carries out the requests on the rules' stack above `depth`, each the moment
// it is on top, until the runs that left them have finished. A request
// carried out may run a nested loop that delivers more input, whose own runs
// are finished by a nested call before this one goes on.
void CarryOutRequests(Dispatcher& dispatcher, RequestCarrier& carrier, int depth);
