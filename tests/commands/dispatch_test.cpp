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
    EXPECT_EQ(calls[1], "save");
    EXPECT_EQ(calls[2], "request 8 0 ticket 1");
    EXPECT_EQ(calls[3], "relay new");
    EXPECT_EQ(game.state.running, 1);
    EXPECT_EQ(scores.rows[0].score, 100);
    EXPECT_EQ(scores.rows[0].lines, 3);
    EXPECT_STREQ(scores.rows[0].name, kAnonymous);
    EXPECT_EQ(Run(Command::StartGame).front(), "relay new");  // 0 takes no place
}

// The offered name travels with the request and the typed one comes back
// with the answer, later or at once.
TEST_F(DispatchTest, TheNameEntryOffersTheOvertakenNameAndKeepsSeventeenBytesOfTheTypedOne) {
    for (int i = 0; i < kScoreRows; ++i) scores.rows[i].score = 1000 - 100 * i;
    std::strcpy(scores.rows[4].name, "P4");
    game.state.score = 700;  // equal to row 3, above row 4: place 4
    frontEnd.outcome = Outcome::Later;
    EXPECT_EQ(Run(Command::StartGame), (Calls{"request 6 4 ticket 1"}));
    EXPECT_EQ(frontEnd.offeredName, "P4");
    EXPECT_STREQ(scores.rows[5].name, "P4");  // moved down already
    FinishRequest(dispatcher, 1, true, "ABCDEFGHIJKLMNOPQRSTU");
    EXPECT_EQ(host.Take(), (Calls{"save", "request 8 0 ticket 1"}));
    EXPECT_STREQ(scores.rows[4].name, "ABCDEFGHIJKLMNOPQ");
    FinishRequest(dispatcher, 1);
    EXPECT_EQ(host.Take().front(), "relay new");

    game.state.score = 650;  // place 5, over P4
    frontEnd.answer = Answer::Typed("\xc0\xee");  // 李, at once
    Run(Command::StartGame);
    EXPECT_EQ(frontEnd.offeredName, "P4");
    EXPECT_STREQ(scores.rows[5].name, "\xc0\xee");
    frontEnd.answer = Answer(Outcome::Later);
    std::strcpy(scores.rows[7].name, "P7");
    game.state.score = 550;  // place 7, answered without a name: the offered one stays
    Run(Command::StartGame);
    FinishRequest(dispatcher, 1);
    EXPECT_STREQ(scores.rows[7].name, "P7");
}

TEST_F(DispatchTest, AConfirmedExitOffersTheGameThenEndsTheProgram) {
    game.state.score = 100;
    host.Take();
    RunExit(dispatcher);
    EXPECT_EQ(host.Take(), (Calls{"request 6 0 ticket 1", "save", "request 8 0 ticket 1",
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

// A front end's table carries out each action by its row, in order; an
// action it has no row for is not its own.
TEST_F(DispatchTest, WindowActionsAreCarriedOutByTheFrontEndsTable) {
    struct Window {
        std::string done;
    } window;
    constexpr WindowActionRow<Window> table[] = {
        {Command::Hide, [](Window& w) { w.done += "hide "; }},
        {Command::OpenMainMenu, [](Window& w) { w.done += "menu "; }},
    };
    WindowActions actions;
    for (Command action : {Command::OpenMainMenu, Command::CloseMenu, Command::Hide})
        actions.items[actions.count++] = action;
    CarryOutWindowActions(actions, table, window);
    EXPECT_EQ(window.done, "menu hide ");
}

// The options dialog's OK and the table's Clear: stored, saved and shown,
// the same for every front end.
TEST_F(DispatchTest, StoringTheOptionsAndClearingTheTableSaveThem) {
    OptionMarks marks = MarksForOptions(kDefaultOptions);
    marks.sevenShapes = !marks.sevenShapes;
    marks.inversion = !marks.inversion;
    host.Take();
    StoreOptions(dispatcher, marks);
    EXPECT_EQ(host.Take(), (Calls{"save", "repaint window"}));
    EXPECT_EQ(game.options.style, kDefaultOptions.style != 0 ? 0 : 1);
    EXPECT_EQ(game.options.inverse, kDefaultOptions.inverse != 0 ? 0 : 1);
    EXPECT_EQ(game.state.shapeCount, ShapeCountForStyle(game.options.style));

    scores.rows[0].score = 500;
    ClearTable(dispatcher);
    EXPECT_EQ(host.Take(), (Calls{"save"}));
    EXPECT_EQ(scores.rows[0].score, 0);
}

// The window going away ends the rules: the timer stops and no input runs.
TEST_F(DispatchTest, EndingTheProgramStopsTheTimerAndEveryInput) {
    Run(Command::StartGame);
    host.Take();
    EndProgram(dispatcher);
    EXPECT_EQ(host.Take(), (Calls{"timer stop"}));
    EXPECT_TRUE(Run(Command::MoveLeft).empty());
    RunGravityTick(dispatcher);
    EXPECT_TRUE(host.Take().empty());
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
              (Calls{"present", "save", "present", "request 8 0 ticket 1"}));
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
