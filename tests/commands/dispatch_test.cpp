// The command dispatcher: what a command asks of the front end and in what
// order, the window's actions it hands back, presenting, and the activation
// rules, with a recording double for the front end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "commands/dispatch.h"
#include "commands/input.h"
#include "commands/start_up.h"
#include "game/cycle.h"
#include "store/profile_text.h"
#include "tests/commands/test_front_end.h"

namespace {

using Calls = std::vector<std::string>;

// Records each relayed message in the host's list and runs it at once, as
// the Windows window's private messages do.
void RecordRelay(void* target, GameMessage message) {
    static const char* const names[] = {"relay new", "relay left", "relay right", "relay rotate"};
    Game& game = *static_cast<Game*>(target);
    static_cast<RecordingHost*>(game.host)->calls.push_back(names[static_cast<int>(message)]);
    RunGameMessage(game, message);
}

class DispatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartFresh(game, host);
        ClearScores(scores);
        frontEnd.outcome = Outcome::Yes;
    }
    Calls Run(Command command) {
        host.Take();
        actions = RunCommand(dispatcher, command);
        return host.Take();
    }
    Game game;
    RecordingHost host;
    ScoreTable scores;
    TestFrontEnd frontEnd{host};
    Dispatcher dispatcher{game, frontEnd, &scores, RecordRelay, &game};
    WindowActions actions;
};

// The offer is the core's: the name entry, the save and the table are the
// front end's three steps of it, and a result that takes no place asks for
// none of them.
TEST_F(DispatchTest, StartOffersTheGameToTheTableBeforeTheNewGame) {
    game.state.score = 100;
    game.state.lines = 3;
    const Calls calls = Run(Command::StartGame);
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls[0], "request 6 0 ticket 1");
    EXPECT_EQ(calls[1], "request 7 0 ticket 1");
    EXPECT_EQ(calls[2], "request 8 0 ticket 1");
    EXPECT_EQ(calls[3], "relay new");
    EXPECT_EQ(game.state.running, 1);
    EXPECT_EQ(scores.rows[0].score, 100);
    EXPECT_EQ(scores.rows[0].lines, 3);
    EXPECT_STREQ(scores.rows[0].name, kAnonymous);
    EXPECT_EQ(Run(Command::StartGame).front(), "relay new");  // 0 takes no place
}

TEST_F(DispatchTest, TheNameEntryOffersTheOvertakenNameAndKeepsSeventeenBytesOfTheTypedOne) {
    for (int i = 0; i < kScoreRows; ++i) scores.rows[i].score = 1000 - 100 * i;
    std::strcpy(scores.rows[4].name, "P4");
    game.state.score = 700;  // equal to row 3, above row 4: place 4
    frontEnd.outcome = Outcome::Later;
    EXPECT_EQ(Run(Command::StartGame), (Calls{"request 6 4 ticket 1"}));
    EXPECT_STREQ(OfferedName(dispatcher, 1), "P4");
    EXPECT_STREQ(scores.rows[5].name, "P4");  // moved down already
    TakeTypedName(dispatcher, 1, "ABCDEFGHIJKLMNOPQRSTU");
    FinishRequest(dispatcher, 1);
    EXPECT_EQ(host.Take(), (Calls{"request 7 0 ticket 1"}));
    EXPECT_STREQ(scores.rows[4].name, "ABCDEFGHIJKLMNOPQ");
    FinishRequest(dispatcher, 1);
    EXPECT_EQ(host.Take(), (Calls{"request 8 0 ticket 1"}));
    FinishRequest(dispatcher, 1);
    EXPECT_EQ(host.Take().front(), "relay new");
}

TEST_F(DispatchTest, AConfirmedExitOffersTheGameThenEndsTheProgram) {
    game.state.score = 100;
    host.Take();
    RunExit(dispatcher);
    EXPECT_EQ(host.Take(), (Calls{"request 6 0 ticket 1", "request 7 0 ticket 1", "request 8 0 ticket 1",
                                  "request 5 1 ticket 1"}));
    EXPECT_EQ(game.steps.ended, 1);
}

TEST_F(DispatchTest, MovesAndTheKeyTurnTravelThroughTheRelayAndTheMiddleButtonDoesNot) {
    Run(Command::StartGame);
    EXPECT_EQ(Run(Command::MoveLeft).front(), "relay left");
    EXPECT_EQ(Run(Command::MoveRight).front(), "relay right");
    EXPECT_EQ(Run(Command::Rotate).front(), "relay rotate");
    const Calls now = Run(Command::RotateNow);
    for (const std::string& call : now) EXPECT_EQ(call.rfind("relay", 0), std::string::npos) << call;
    // Without a relay the moves run at once.
    dispatcher.relay = nullptr;
    const int column = game.state.column;
    EXPECT_EQ(Run(Command::MoveLeft), (Calls{"piece erase", "piece draw"}));
    EXPECT_EQ(game.state.column, column - 1);
}

TEST_F(DispatchTest, F3ActsOnlyOnceAGameRunsAndThePauseButtonAlways) {
    Run(Command::TogglePauseIfRunning);
    EXPECT_EQ(game.state.paused, 0);
    Run(Command::StartGame);
    Run(Command::TogglePauseIfRunning);
    EXPECT_EQ(game.state.paused, 1);
    Run(Command::TogglePause);
    EXPECT_EQ(game.state.paused, 0);
}

TEST_F(DispatchTest, TheWindowsCommandsComeBackAsActionsAndTouchNothingElse) {
    for (Command command : {Command::Hide, Command::Restore, Command::Exit, Command::ShowAbout, Command::ShowKeyHelp,
                            Command::ShowOptions, Command::ShowHighScores, Command::OpenMainMenu}) {
        EXPECT_TRUE(Run(command).empty());
        ASSERT_EQ(actions.count, 1);
        EXPECT_EQ(actions.items[0], command);
    }
    EXPECT_TRUE(Run(Command::None).empty());
    EXPECT_EQ(actions.count, 0);
    Run(Command::StartGame);
    EXPECT_EQ(actions.count, 0);
}

// Each input shows what it painted once, at its end, and what a request
// shows or waits on is on the screen before it is carried out.
TEST_F(DispatchTest, OnePresentAfterEachInputAndBeforeEachRequest) {
    frontEnd.recordPresents = true;
    EXPECT_EQ(Run(Command::SpeedUp), (Calls{"button SpeedDown 1", "speed", "timer 1000", "present"}));
    EXPECT_EQ(Run(Command::None), (Calls{"present"}));
    frontEnd.outcome = Outcome::Later;
    game.state.score = 100;
    const Calls start = Run(Command::StartGame);
    EXPECT_EQ(start, (Calls{"present", "request 6 0 ticket 1", "present"}));
    host.Take();
    frontEnd.outcome = Outcome::Yes;
    FinishRequest(dispatcher, 1);
    const Calls after = host.Take();
    // The save and the table, each shown after a present; one at the end.
    ASSERT_GE(after.size(), 5u);
    EXPECT_EQ(Calls(after.begin(), after.begin() + 4),
              (Calls{"present", "request 7 0 ticket 1", "present", "request 8 0 ticket 1"}));
    EXPECT_EQ(after.back(), "present");
    EXPECT_EQ(std::count(after.begin() + 4, after.end(), std::string("present")), 1);
}

TEST_F(DispatchTest, LosingActivationPausesAndRegainingItResumes) {
    Run(Command::StartGame);
    RunActivation(dispatcher, kInactive, true, true);
    EXPECT_EQ(game.state.paused, 1);
    EXPECT_EQ(game.state.autoPaused, 1);
    RunActivation(dispatcher, kClickActive, true, true);
    EXPECT_EQ(game.state.paused, 0);
}

TEST_F(DispatchTest, AHiddenWindowActivatedForTheIconMenuStaysPaused) {
    Run(Command::StartGame);
    RunActivation(dispatcher, kInactive, false, true);
    host.Take();
    RunActivation(dispatcher, kActive, false, true);
    EXPECT_EQ(game.state.paused, 1);
    EXPECT_TRUE(host.Take().empty());
}

// A Down let go while another window had the keyboard must not leave a
// fast fall going at full speed.
TEST_F(DispatchTest, ADownReleasedElsewhereIsHandledOnComingBack) {
    game.options.dropStyle = 0;  // fall fast while held
    Run(Command::StartGame);
    Run(Command::DownPressed);
    EXPECT_TRUE(dispatcher.downHeld);
    EXPECT_EQ(host.timerMs, 0);
    RunActivation(dispatcher, kInactive, true, true);
    RunActivation(dispatcher, kActive, true, true);
    EXPECT_FALSE(dispatcher.downHeld);
    EXPECT_EQ(host.timerMs, game.state.interval);
}

TEST_F(DispatchTest, ADownStillHeldOnComingBackKeepsFalling) {
    game.options.dropStyle = 0;
    Run(Command::StartGame);
    Run(Command::DownPressed);
    RunActivation(dispatcher, kInactive, true, true);
    RunActivation(dispatcher, kActive, true, false);
    EXPECT_TRUE(dispatcher.downHeld);
    EXPECT_EQ(host.timerMs, 0);
    Run(Command::DownReleased);
    EXPECT_FALSE(dispatcher.downHeld);
}

// Every front end starts the same way: no game, the file's options and
// table, the three buttons that cannot act yet greyed, then the sheet.
TEST_F(DispatchTest, TheProgramStartsWithTheSettingsTheGreyedButtonsAndTheSheet) {
    ProfileText file("[Settings]\r\nStyle=0\r\n[Score]\r\nPlayer0=500,7,Ada\r\n");
    ProfileTextKeys keys(file);
    ScoreTable scores = {};
    host.Take();
    const WindowActions start = StartProgram(dispatcher, scores, &keys);
    EXPECT_EQ(host.Take(), (Calls{"button Pause 0", "button SpeedDown 0", "button RowsDown 0"}));
    ASSERT_EQ(start.count, 1);
    EXPECT_EQ(start.items[0], Command::ShowAbout);
    EXPECT_EQ(game.options.style, 0);
    EXPECT_EQ(game.state.shapeCount, 11);
    EXPECT_EQ(game.state.running, 0);
    EXPECT_EQ(scores.rows[0].score, 500);
    EXPECT_STREQ(scores.rows[0].name, "Ada");
}

}  // namespace
