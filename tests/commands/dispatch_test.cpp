// The command dispatcher: what a command asks of the front end and in what
// order, and the activation rules, with recording doubles for the host and
// the front end.
#include <gtest/gtest.h>

#include "commands/dispatch.h"
#include "commands/driver.h"
#include "commands/input.h"
#include "game/cycle.h"
#include "tests/game/recording_host.h"

namespace {

// Records each request in the host's list, so the order across the two
// interfaces shows; relayed messages run at once, as trelmo-sim's do.
class RecordingFrontEnd final : public FrontEnd {
public:
    RecordingFrontEnd(Game& game, RecordingHost& host) : game_(game), host_(host) {}
    bool downKeyUp = true;

    void Relay(GameMessage message) override {
        static const char* const names[] = {"relay new", "relay left", "relay right", "relay rotate"};
        host_.calls.push_back(names[static_cast<int>(message)]);
        RunGameMessage(game_, message);
    }
    void Minimise() override { host_.calls.push_back("minimise"); }
    void HideToTray() override { host_.calls.push_back("hide"); }
    void Restore() override { host_.calls.push_back("restore"); }
    void Close() override { host_.calls.push_back("close"); }
    void ShowInfoSheet(int page) override { host_.calls.push_back("sheet " + std::to_string(page)); }
    void ShowOptions() override { host_.calls.push_back("options"); }
    void ShowHighScores() override { host_.calls.push_back("scores"); }
    void OpenMainMenu() override { host_.calls.push_back("menu"); }
    bool DownKeyUp() override { return downKeyUp; }

private:
    Game& game_;
    RecordingHost& host_;
};

// Carries out each request at once, recording it in the host's list.
class RecordingCarrier final : public RequestCarrier {
public:
    explicit RecordingCarrier(RecordingHost& host) : host_(host) {}
    void PlayEffect(int soundId) override { host_.calls.push_back("sound " + std::to_string(soundId)); }
    void WaitMilliseconds(int milliseconds) override { host_.calls.push_back("wait " + std::to_string(milliseconds)); }
    void CheckHighScore() override { host_.calls.push_back("highscore"); }
    bool AskYesNo(const char*, const char*) override {
        host_.calls.push_back("ask");
        return host_.answerYes;
    }
    void QuitProgram() override { host_.calls.push_back("quit"); }

private:
    RecordingHost& host_;
};

using Calls = std::vector<std::string>;

class DispatchTest : public ::testing::Test {
protected:
    void SetUp() override { StartFresh(game, host); }
    Calls Run(Command command) {
        host.Take();
        RunCommand(dispatcher, command);
        return host.Take();
    }
    Game game;
    RecordingHost host;
    RecordingFrontEnd frontEnd{game, host};
    RecordingCarrier carrier{host};
    Dispatcher dispatcher{game, frontEnd, &carrier};
};

TEST_F(DispatchTest, StartOffersTheGameToTheTableBeforeTheNewGame) {
    const Calls calls = Run(Command::StartGame);
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0], "highscore");
    EXPECT_EQ(calls[1], "relay new");
    EXPECT_EQ(game.state.running, 1);
}

TEST_F(DispatchTest, MovesAndTheKeyTurnTravelThroughTheFrontEndAndTheMiddleButtonDoesNot) {
    Run(Command::StartGame);
    EXPECT_EQ(Run(Command::MoveLeft).front(), "relay left");
    EXPECT_EQ(Run(Command::MoveRight).front(), "relay right");
    EXPECT_EQ(Run(Command::Rotate).front(), "relay rotate");
    const Calls now = Run(Command::RotateNow);
    for (const std::string& call : now) EXPECT_EQ(call.rfind("relay", 0), std::string::npos) << call;
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

TEST_F(DispatchTest, HideMinimisesThenHidesAndTheWindowCommandsReachTheFrontEnd) {
    EXPECT_EQ(Run(Command::Hide), (Calls{"minimise", "hide"}));
    EXPECT_EQ(Run(Command::Restore), (Calls{"restore"}));
    EXPECT_EQ(Run(Command::Exit), (Calls{"close"}));
    EXPECT_EQ(Run(Command::ShowAbout), (Calls{"sheet 0"}));
    EXPECT_EQ(Run(Command::ShowKeyHelp), (Calls{"sheet 1"}));
    EXPECT_EQ(Run(Command::ShowOptions), (Calls{"options"}));
    EXPECT_EQ(Run(Command::ShowHighScores), (Calls{"scores"}));
    EXPECT_EQ(Run(Command::OpenMainMenu), (Calls{"menu"}));
    EXPECT_TRUE(Run(Command::None).empty());
}

TEST_F(DispatchTest, LosingActivationPausesAndRegainingItResumes) {
    Run(Command::StartGame);
    RunActivation(dispatcher, kInactive, true);
    EXPECT_EQ(game.state.paused, 1);
    EXPECT_EQ(game.state.autoPaused, 1);
    RunActivation(dispatcher, kClickActive, true);
    EXPECT_EQ(game.state.paused, 0);
}

TEST_F(DispatchTest, AHiddenWindowActivatedForTheIconMenuStaysPaused) {
    Run(Command::StartGame);
    RunActivation(dispatcher, kInactive, false);
    host.Take();
    RunActivation(dispatcher, kActive, false);
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
    RunActivation(dispatcher, kInactive, true);
    frontEnd.downKeyUp = true;
    RunActivation(dispatcher, kActive, true);
    EXPECT_FALSE(dispatcher.downHeld);
    EXPECT_EQ(host.timerMs, game.state.interval);
}

TEST_F(DispatchTest, ADownStillHeldOnComingBackKeepsFalling) {
    game.options.dropStyle = 0;
    Run(Command::StartGame);
    Run(Command::DownPressed);
    RunActivation(dispatcher, kInactive, true);
    frontEnd.downKeyUp = false;
    RunActivation(dispatcher, kActive, true);
    EXPECT_TRUE(dispatcher.downHeld);
    EXPECT_EQ(host.timerMs, 0);
    Run(Command::DownReleased);
    EXPECT_FALSE(dispatcher.downHeld);
}

}  // namespace
