#include "commands/driver.h"

#include "game/cycle.h"
#include "resources/texts.h"

void CarryOutRequests(Dispatcher& dispatcher, RequestCarrier& carrier, int depth) {
    Game& game = dispatcher.game;
    while (StepDepth(game) > depth) {
        const int at = StepDepth(game);
        const Suspension step = TopSuspension(game);
        bool yes = true;
        switch (step.request) {
        case Request::None: break;
        case Request::Sound: carrier.PlayEffect(step.value); break;
        case Request::Wait: carrier.WaitMilliseconds(step.value); break;
        case Request::OfferScore: carrier.CheckHighScore(); break;
        case Request::AskReplay: yes = carrier.AskYesNo(kReplayQuestion, kReplayTitle); break;
        case Request::QuitProgram: carrier.QuitProgram(); break;
        }
        // A nested loop that ended the program has taken every run away.
        if (StepDepth(game) != at) continue;
        AnswerRequest(dispatcher, yes);
    }
}
