// The rules never wait: a front end without a nested loop delivers input and
// answers the pending requests whenever it likes. Whole games played that
// way, with requests answered late and input arriving meanwhile, must give
// the trace that the blocking driver gives when the same input arrives while
// it carries the request out, and the input rules must hold exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "commands/dispatch.h"
#include "commands/driver.h"
#include "commands/input.h"
#include "commands/windowless.h"
#include "game/cycle.h"
#include "tests/game/recording_host.h"

namespace {

using Calls = std::vector<std::string>;

// One step of a played game: an input, or the player closing whatever the
// front end shows (the end of a sound, a dialog, the question).
struct Event {
    enum class Kind { Input, Answer } kind;
    Input input;
};

Input CommandInput(Command command) { return Input{Input::Kind::Command, command, 0, false}; }
Input TickInput() { return Input{Input::Kind::GravityTick, Command::None, 0, false}; }
Input ActivationInput(int state) { return Input{Input::Kind::Activation, Command::None, state, true}; }

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

// Down is up: the events below press and release it as inputs.
class RelayingFrontEnd final : public WindowlessFrontEnd {
public:
    using WindowlessFrontEnd::WindowlessFrontEnd;
    bool DownKeyUp() override { return true; }
};

// A game, its recorded host and a dispatcher; a gravity tick reaches it only
// while the timer is armed, as from a real timer.
struct Table {
    Game game{};
    RecordingHost host;
    RelayingFrontEnd frontEnd{game};
    Dispatcher dispatcher{game, frontEnd};
    int answers = 0;  // every seventh replay question is answered No

    explicit Table(uint32_t seed) { ResetGame(game, host, seed); }

    void Deliver(const Input& input) {
        if (input.kind == Input::Kind::GravityTick) {
            if (host.timerMs >= 0) RunGravityTick(dispatcher);
        } else if (input.kind == Input::Kind::Activation) {
            RunActivation(dispatcher, input.activationState, input.windowVisible);
        } else {
            RunCommand(dispatcher, input.command);
        }
    }
    bool NextReplayAnswer() { return ++answers % 7 != 0; }
    void Record(const Suspension& step) { host.calls.push_back(RequestLine(step)); }
    static std::string RequestLine(const Suspension& step) {
        return "request " + std::to_string(static_cast<int>(step.request)) + " " + std::to_string(step.value);
    }
};

// The blocking driver: each request is carried out the moment it is made,
// and the input that arrives meanwhile is delivered from inside it, as a
// desktop's nested loop or its message queue would deliver it.
class BlockingPlay final : public RequestCarrier {
public:
    BlockingPlay(uint32_t seed, const std::vector<Event>& events) : table(seed), events_(events) {
        table.dispatcher.carrier = this;
    }

    void Play() {
        while (next_ < events_.size()) {
            const Event& event = events_[next_++];
            if (event.kind == Event::Kind::Input) table.Deliver(event.input);
        }
    }

    void PlayEffect(int) override { Carry(); }
    void WaitMilliseconds(int) override { Carry(); }
    void CheckHighScore() override { Carry(); }
    bool AskYesNo(const char*, const char*) override {
        Carry();
        return table.NextReplayAnswer();
    }
    void QuitProgram() override { Carry(); }

    Table table;

private:
    // Until the player closes it, input arrives; the end of the events
    // closes everything still open.
    void Carry() {
        table.Record(TopSuspension(table.game));
        while (next_ < events_.size()) {
            const Event& event = events_[next_++];
            if (event.kind == Event::Kind::Answer) return;
            table.Deliver(event.input);
        }
    }

    const std::vector<Event>& events_;
    size_t next_ = 0;
};

// The front end of events only: it records each request as it appears and
// answers it only when the player closes it.
struct EventPlay {
    EventPlay(uint32_t seed, const std::vector<Event>& events) : table(seed), events_(events) {}

    void Play() {
        for (const Event& event : events_) {
            if (event.kind == Event::Kind::Input) table.Deliver(event.input);
            else if (StepDepth(table.game) > 0) Answer();
            RecordNewRequest();
        }
        while (StepDepth(table.game) > 0) {
            Answer();
            RecordNewRequest();
        }
    }

    Table table;

private:
    // A run that goes on after its answer may stop again at the same depth.
    void Answer() {
        const int depth = StepDepth(table.game);
        recorded_[depth - 1] = false;
        const bool yes = TopSuspension(table.game).request == Request::AskReplay ? table.NextReplayAnswer() : true;
        AnswerRequest(table.dispatcher, yes);
    }
    void RecordNewRequest() {
        const int depth = StepDepth(table.game);
        for (int i = depth; i < kMaxSuspensions; ++i) recorded_[i] = false;
        if (depth == 0 || recorded_[depth - 1]) return;
        recorded_[depth - 1] = true;
        table.Record(TopSuspension(table.game));
    }

    const std::vector<Event>& events_;
    bool recorded_[kMaxSuspensions] = {};
};

std::string Around(const Calls& calls, long at) {
    std::string text;
    for (long i = std::max(0L, at - 12); i < std::min<long>(calls.size(), at + 6); ++i) text += " | " + calls[i];
    return text;
}

TEST(PendingSteps, WholeGamesAnsweredLateGiveTheBlockingDriversTrace) {
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
        AnswerRequest(dispatcher);  // the offer before the first game
        host.Take();
    }
    // Drops the falling shape to the bottom: the lock sound is pending.
    void DropToTheLockSound() {
        RunCommand(dispatcher, Command::DownPressed);
        ASSERT_EQ(PendingRequest(game), Request::Sound);
        host.Take();
    }
    Game game{};
    RecordingHost host;
    RelayingFrontEnd frontEnd{game};
    Dispatcher dispatcher{game, frontEnd};
};

TEST_F(PendingInput, DuringASoundInputWaitsThenRunsInOrderAndTicksRunOnceAfterIt) {
    DropToTheLockSound();
    RunGravityTick(dispatcher);
    RunCommand(dispatcher, Command::MoveLeft);
    RunGravityTick(dispatcher);
    RunCommand(dispatcher, Command::SpeedUp);
    EXPECT_TRUE(host.Take().empty());
    const int row = game.state.row;
    AnswerRequest(dispatcher);  // the lock goes on; the next shape is at the top
    while (PendingRequest(game) == Request::Sound) AnswerRequest(dispatcher);
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
    for (int step = 0; step < 17; ++step) AnswerRequest(dispatcher);
    EXPECT_EQ(game.state.startRows, 16);
    // MaxSpeed now runs and stops at its first wait; RowsDown waits for it.
    ASSERT_EQ(PendingRequest(game), Request::Wait);
    EXPECT_EQ(game.state.speedLevel, 0);
    for (int step = 0; step < 20; ++step) AnswerRequest(dispatcher);
    EXPECT_EQ(PendingRequest(game), Request::None);
    EXPECT_EQ(game.state.speedLevel, 19);
    EXPECT_EQ(game.state.startRows, 15);
}

// Carries out each request at once, counting them.
struct CountingCarrier final : RequestCarrier {
    int carried = 0;
    void PlayEffect(int) override { ++carried; }
    void WaitMilliseconds(int) override { ++carried; }
    void CheckHighScore() override { ++carried; }
    bool AskYesNo(const char*, const char*) override { return ++carried > 0; }
    void QuitProgram() override { ++carried; }
};

TEST_F(PendingInput, HeldRequestsStayPendingWithACarrierUntilCarriedOutByWhoHeldThem) {
    CountingCarrier carrier;
    dispatcher.carrier = &carrier;
    dispatcher.holdRequests = true;
    const int depth = StepDepth(game);
    RunCommand(dispatcher, Command::DownPressed);
    EXPECT_EQ(PendingRequest(game), Request::Sound);
    RunGravityTick(dispatcher);  // held behind the sound, and not carried out either
    EXPECT_EQ(carrier.carried, 0);
    dispatcher.holdRequests = false;
    CarryOutRequests(dispatcher, carrier, depth);
    EXPECT_EQ(PendingRequest(game), Request::None);
    EXPECT_GT(carrier.carried, 0);
    EXPECT_EQ(game.state.row, 1);  // the held tick ran after the lock
}

TEST_F(PendingInput, DuringTheOfferOnlyGravityAndActivationReachTheGame) {
    RunCommand(dispatcher, Command::StartGame);
    ASSERT_EQ(PendingRequest(game), Request::OfferScore);
    const int column = game.state.column;
    RunCommand(dispatcher, Command::MoveLeft);
    RunCommand(dispatcher, Command::SpeedUp);
    RunCommand(dispatcher, Command::TogglePauseIfRunning);
    EXPECT_TRUE(host.Take().empty());
    RunActivation(dispatcher, kInactive, true);
    EXPECT_EQ(game.state.autoPaused, 1);
    RunActivation(dispatcher, kActive, true);
    RunGravityTick(dispatcher);
    EXPECT_EQ(game.state.row, 1);
    EXPECT_EQ(game.state.column, column);
    EXPECT_EQ(game.state.speedLevel, 0);
    AnswerRequest(dispatcher);  // the offer closes: the new game starts
    EXPECT_EQ(PendingRequest(game), Request::None);
    EXPECT_EQ(game.state.row, 0);
}

TEST_F(PendingInput, AGameOverUnderTheOfferIsAnsweredFirstAndNoEndsEverything) {
    for (int c = 1; c <= 10; ++c) game.well.cells[2][c] = c == 1 ? 0 : 1;  // no shape fits at the top
    RunCommand(dispatcher, Command::StartGame);
    ASSERT_EQ(PendingRequest(game), Request::OfferScore);
    while (StepDepth(game) == 1) RunGravityTick(dispatcher);  // gravity locks the shape under the offer
    while (PendingRequest(game) == Request::Sound) AnswerRequest(dispatcher);
    ASSERT_EQ(PendingRequest(game), Request::OfferScore);
    ASSERT_EQ(StepDepth(game), 2);
    AnswerRequest(dispatcher);
    ASSERT_EQ(PendingRequest(game), Request::AskReplay);
    AnswerRequest(dispatcher, false);
    ASSERT_EQ(PendingRequest(game), Request::QuitProgram);
    AnswerRequest(dispatcher);
    EXPECT_EQ(StepDepth(game), 0);
    EXPECT_EQ(game.steps.ended, 1);
    host.Take();
    RunGravityTick(dispatcher);
    RunCommand(dispatcher, Command::StartGame);
    RunActivation(dispatcher, kInactive, true);
    EXPECT_TRUE(host.Take().empty());
    EXPECT_EQ(PendingRequest(game), Request::None);
}

}  // namespace
