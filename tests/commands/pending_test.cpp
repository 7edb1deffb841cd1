// The rules never wait: a front end without a nested loop delivers input and
// finishes the requests handed to it whenever it likes. Whole games played
// that way, with requests finished late and input arriving meanwhile, must
// give the trace that a blocking front end gives when the same input arrives
// while it carries the request out, and the input rules must hold exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "commands/dispatch.h"
#include "commands/input.h"
#include "game/cycle.h"
#include "tests/commands/test_front_end.h"

namespace {

using Calls = std::vector<std::string>;

// One step of a played game: an input, or the player closing whatever the
// front end shows (the end of a sound, a dialog, the question).
struct Event {
    enum class Kind { Input, Answer } kind;
    Input input;
};

Input CommandInput(Command command) { return Input{Input::Kind::Command, command, false, 0, false, true}; }
Input TickInput() { return Input{Input::Kind::GravityTick, Command::None, false, 0, false, true}; }
// Down is up: the events press and release it as inputs.
Input ActivationInput(int state) { return Input{Input::Kind::Activation, Command::None, false, state, true, true}; }

// A cheap generator for the test's own choices, apart from the game's.
struct Choices {
    uint32_t state;
    int Below(int n) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % static_cast<uint32_t>(n));
    }
};

std::vector<Event> RandomEvents(uint32_t seed, int count) {
    static const Command kCommands[] = {Command::MoveLeft,    Command::MoveRight,   Command::Rotate,
                                        Command::RotateNow,   Command::DownPressed, Command::DownReleased,
                                        Command::SpeedUp,     Command::SpeedDown,   Command::TogglePauseIfRunning,
                                        Command::MaxSpeed,    Command::MaxRows,     Command::RowsDown,
                                        Command::StartGame};
    Choices choices{seed};
    std::vector<Event> events{{Event::Kind::Input, CommandInput(Command::StartGame)}};
    for (int i = 0; i < count; ++i) {
        const int pick = choices.Below(40);
        if (pick < 16) events.push_back({Event::Kind::Input, TickInput()});
        else if (pick < 24) events.push_back({Event::Kind::Answer, {}});
        else if (pick < 26) events.push_back({Event::Kind::Input, ActivationInput(choices.Below(2) ? kActive : kInactive)});
        else events.push_back({Event::Kind::Input, CommandInput(kCommands[choices.Below(13)])});
    }
    return events;
}

// A game, its recorded host and a dispatcher with `frontEnd`; a gravity tick
// reaches it only while the timer is armed, as from a real timer.
struct Table {
    Game game{};
    RecordingHost host;
    ScoreTable scores = OpenTable();
    Dispatcher dispatcher;
    int answers = 0;  // every seventh replay question is answered No

    Table(uint32_t seed, FrontEnd& frontEnd) : dispatcher{game, frontEnd, &scores} { ResetGame(game, host, seed); }

    void Deliver(const Input& input) {
        if (input.kind == Input::Kind::GravityTick) {
            if (host.timerMs >= 0) RunGravityTick(dispatcher);
        } else if (input.kind == Input::Kind::Activation) {
            RunActivation(dispatcher, input.activationState, input.windowVisible, input.downKeyUp);
        } else {
            RunCommand(dispatcher, input.command);
        }
    }
    bool NextReplayAnswer() { return ++answers % 7 != 0; }
    void Record(Request request, int value) {
        host.calls.push_back("request " + std::to_string(static_cast<int>(request)) + " " + std::to_string(value));
    }
};

// A blocking front end: each request is carried out the moment it is handed
// out, and the input that arrives meanwhile is delivered from inside it, as
// a desktop's nested loop or its message queue would deliver it.
class BlockingPlay final : public QuietHost {
public:
    BlockingPlay(uint32_t seed, const std::vector<Event>& events) : table(seed, *this), events_(events) {}

    void Play() {
        while (next_ < events_.size()) {
            const Event& event = events_[next_++];
            if (event.kind == Event::Kind::Input) table.Deliver(event.input);
        }
    }

    // Until the player closes it, input arrives; the end of the events
    // closes everything still open.
    Answer CarryOut(const RequestCall& call) override {
        const Request request = call.request;
        table.Record(request, call.value);
        while (next_ < events_.size()) {
            const Event& event = events_[next_++];
            if (event.kind == Event::Kind::Answer) break;
            table.Deliver(event.input);
        }
        if (request != Request::AskReplay) return Outcome::Yes;
        return table.NextReplayAnswer() ? Outcome::Yes : Outcome::No;
    }

    Table table;

private:
    const std::vector<Event>& events_;
    size_t next_ = 0;
};

// A front end of events only: it records each request as it is handed out
// and finishes it only when the player closes it, the one shown on top
// first.
class EventPlay final : public QuietHost {
public:
    EventPlay(uint32_t seed, const std::vector<Event>& events) : table(seed, *this), events_(events) {}

    void Play() {
        for (const Event& event : events_) {
            if (event.kind == Event::Kind::Input) table.Deliver(event.input);
            else if (open_ > 0) AnswerTop();
        }
        while (open_ > 0) AnswerTop();
    }

    Answer CarryOut(const RequestCall& call) override {
        table.Record(call.request, call.value);
        tickets_[open_] = call.ticket;
        requests_[open_++] = call.request;
        return Outcome::Later;
    }

    Table table;

private:
    void AnswerTop() {
        --open_;
        const bool yes = requests_[open_] == Request::AskReplay ? table.NextReplayAnswer() : true;
        FinishRequest(table.dispatcher, tickets_[open_], yes);
    }

    const std::vector<Event>& events_;
    int tickets_[kMaxSuspensions] = {};
    Request requests_[kMaxSuspensions] = {};
    int open_ = 0;
};

std::string Around(const Calls& calls, long at) {
    std::string text;
    for (long i = std::max(0L, at - 12); i < std::min<long>(calls.size(), at + 6); ++i) text += " | " + calls[i];
    return text;
}

TEST(PendingSteps, WholeGamesFinishedLateGiveTheBlockingFrontEndsTrace) {
    int requests = 0, quits = 0;
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        const std::vector<Event> events = RandomEvents(seed * 7919u, 6000);
        BlockingPlay blocking(seed, events);
        blocking.Play();
        EventPlay late(seed, events);
        late.Play();
        const Calls& a = late.table.host.calls;
        const Calls& b = blocking.table.host.calls;
        const auto diverge = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
        const long at = diverge.first - a.begin();
        ASSERT_TRUE(a == b) << "seed " << seed << ": the traces part at line " << at << " of " << a.size() << " and "
                            << b.size() << ": " << (diverge.first != a.end() ? *diverge.first : "(end)") << " / "
                            << (diverge.second != b.end() ? *diverge.second : "(end)") << Around(a, at) << " //// "
                            << Around(b, at);
        EXPECT_EQ(std::memcmp(&late.table.game.state, &blocking.table.game.state, sizeof(GameState)), 0);
        EXPECT_EQ(std::memcmp(&late.table.game.well, &blocking.table.game.well, sizeof(Well)), 0);
        EXPECT_EQ(std::memcmp(&late.table.scores, &blocking.table.scores, sizeof(ScoreTable)), 0);
        EXPECT_EQ(late.table.game.random.state, blocking.table.game.random.state);
        for (const std::string& call : late.table.host.calls) requests += call.rfind("request", 0) == 0;
        quits += late.table.game.steps.ended;
    }
    // The games reached every kind of request and some ended the program.
    EXPECT_GT(requests, 1000);
    EXPECT_GT(quits, 0);
}

class PendingInput : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGame(game, host, 3);
        RunCommand(dispatcher, Command::StartGame);
        FinishOffer();  // the offer before the first game
        host.Take();
    }
    // The request on top of the rules' stack is done.
    void Answer(bool yes = true) { FinishRequest(dispatcher, StepDepth(game), yes); }
    // The offer on top: its name entry and table (the save is at once).
    void FinishOffer() {
        for (int step = 0; step < 2; ++step) Answer();
    }
    // Drops the falling shape to the bottom: the lock sound is pending.
    void DropToTheLockSound() {
        RunCommand(dispatcher, Command::DownPressed);
        ASSERT_EQ(PendingRequest(game), Request::Sound);
        host.Take();
    }
    Game game{};
    RecordingHost host;
    ScoreTable scores = OpenTable();
    QuietHost frontEnd;
    Dispatcher dispatcher{game, frontEnd, &scores};
};

TEST_F(PendingInput, DuringASoundInputWaitsThenRunsInOrderAndTicksRunOnceAfterIt) {
    DropToTheLockSound();
    RunGravityTick(dispatcher);
    RunCommand(dispatcher, Command::MoveLeft);
    RunGravityTick(dispatcher);
    RunCommand(dispatcher, Command::SpeedUp);
    EXPECT_TRUE(host.Take().empty());
    const int row = game.state.row;
    Answer();  // the lock goes on; the next shape is at the top
    while (PendingRequest(game) == Request::Sound) Answer();
    const Calls calls = host.Take();
    // The shape moved left, the speed went up, then gravity moved it once.
    const Calls tail(calls.end() - 7, calls.end());
    EXPECT_EQ(tail, (Calls{"piece erase", "piece draw", "button SpeedDown 1", "speed", "timer 1000", "piece erase",
                           "piece draw"}));
    EXPECT_EQ(game.state.row, 1);
    EXPECT_EQ(game.state.column, kSpawnColumn - 1);
    EXPECT_NE(row, game.state.row);
}

TEST_F(PendingInput, DuringAWaitInputIsHeldAndAHeldInputThatWaitsHoldsTheRest) {
    RunCommand(dispatcher, Command::MaxRows);
    ASSERT_EQ(PendingRequest(game), Request::Wait);
    RunCommand(dispatcher, Command::MaxSpeed);
    RunCommand(dispatcher, Command::RowsDown);
    for (int step = 0; step < 17; ++step) Answer();
    EXPECT_EQ(game.state.startRows, 16);
    // MaxSpeed now runs and stops at its first wait; RowsDown waits for it.
    ASSERT_EQ(PendingRequest(game), Request::Wait);
    EXPECT_EQ(game.state.speedLevel, 0);
    for (int step = 0; step < 20; ++step) Answer();
    EXPECT_EQ(PendingRequest(game), Request::None);
    EXPECT_EQ(game.state.speedLevel, 19);
    EXPECT_EQ(game.state.startRows, 15);
}

// Carries out each request at once, counting them.
struct CountingFrontEnd final : QuietHost {
    int carried = 0;
    Answer CarryOut(const RequestCall&) override {
        ++carried;
        return Outcome::Yes;
    }
};

// A Windows menu holds the thread while it is tracked: the request waits
// for it, and asks for it to close.
TEST_F(PendingInput, RequestsUnderAnOpenMenuCloseItAndWaitUntilItHasClosed) {
    CountingFrontEnd carrier;
    Dispatcher blocking{game, carrier};
    MenuOpened(blocking);
    EXPECT_EQ(RunCommand(blocking, Command::SpeedUp).count, 0);
    const WindowActions locked = RunCommand(blocking, Command::DownPressed);
    EXPECT_EQ(PendingRequest(game), Request::Sound);
    ASSERT_EQ(locked.count, 1);
    EXPECT_EQ(locked.items[0], Command::CloseMenu);
    RunGravityTick(blocking);  // held behind the sound, and not carried out either
    EXPECT_EQ(carrier.carried, 0);
    EXPECT_EQ(MenuClosed(blocking).count, 0);
    EXPECT_EQ(PendingRequest(game), Request::None);
    EXPECT_GT(carrier.carried, 0);
    EXPECT_EQ(game.state.row, 1);  // the held tick ran after the lock
}

// Window actions of input held behind a sound come back from the answer
// that lets that input run, in order, with nothing of the held game input
// lost.
TEST_F(PendingInput, HeldWindowCommandsComeBackFromTheAnswerThatRunsThem) {
    DropToTheLockSound();
    EXPECT_EQ(RunCommand(dispatcher, Command::ShowOptions).count, 0);
    RunCommand(dispatcher, Command::MoveLeft);
    EXPECT_EQ(RunCommand(dispatcher, Command::OpenMainMenu).count, 0);
    WindowActions actions = FinishRequest(dispatcher, StepDepth(game));
    while (PendingRequest(game) == Request::Sound) actions = FinishRequest(dispatcher, StepDepth(game));
    ASSERT_EQ(actions.count, 2);
    EXPECT_EQ(actions.items[0], Command::ShowOptions);
    EXPECT_EQ(actions.items[1], Command::OpenMainMenu);
    EXPECT_EQ(game.state.column, kSpawnColumn - 1);
}

TEST_F(PendingInput, DuringTheOfferOnlyGravityAndActivationReachTheGame) {
    RunCommand(dispatcher, Command::StartGame);
    ASSERT_EQ(PendingRequest(game), Request::OfferScore);
    const int column = game.state.column;
    RunCommand(dispatcher, Command::MoveLeft);
    RunCommand(dispatcher, Command::SpeedUp);
    RunCommand(dispatcher, Command::TogglePauseIfRunning);
    EXPECT_TRUE(host.Take().empty());
    RunActivation(dispatcher, kInactive, true, true);
    EXPECT_EQ(game.state.autoPaused, 1);
    RunActivation(dispatcher, kActive, true, true);
    RunGravityTick(dispatcher);
    EXPECT_EQ(game.state.row, 1);
    EXPECT_EQ(game.state.column, column);
    EXPECT_EQ(game.state.speedLevel, 0);
    FinishOffer();  // the offer closes: the new game starts
    EXPECT_EQ(PendingRequest(game), Request::None);
    EXPECT_EQ(game.state.row, 0);
}

TEST_F(PendingInput, AGameOverUnderTheOfferIsAnsweredFirstAndNoEndsEverything) {
    for (int c = 1; c <= 10; ++c) game.well.cells[2][c] = c == 1 ? 0 : 1;  // no shape fits at the top
    RunCommand(dispatcher, Command::StartGame);
    ASSERT_EQ(PendingRequest(game), Request::OfferScore);
    while (StepDepth(game) == 1) RunGravityTick(dispatcher);  // gravity locks the shape under the offer
    while (PendingRequest(game) == Request::Sound) Answer();
    ASSERT_EQ(PendingRequest(game), Request::OfferScore);
    ASSERT_EQ(StepDepth(game), 2);
    FinishOffer();
    ASSERT_EQ(PendingRequest(game), Request::AskReplay);
    Answer(false);
    ASSERT_EQ(PendingRequest(game), Request::QuitProgram);
    Answer();
    EXPECT_EQ(StepDepth(game), 0);
    EXPECT_EQ(game.steps.ended, 1);
    host.Take();
    RunGravityTick(dispatcher);
    RunCommand(dispatcher, Command::StartGame);
    RunActivation(dispatcher, kInactive, true, true);
    EXPECT_TRUE(host.Take().empty());
    EXPECT_EQ(PendingRequest(game), Request::None);
}

}  // namespace
