#pragma once
// A host that records every call as a line of text, for tests of the rules.
#include <string>
#include <vector>

#include "game/cycle.h"
#include "game/host.h"
#include "game/resume.h"
#include "game/state.h"
#include "game/well.h"
#include "resources/texts.h"

class RecordingHost : public GameHost {
public:
    std::vector<std::string> calls;
    bool answerYes = true;
    bool quit = false;
    int timerMs = -1;  // -1: not armed
    int highScoreChecks = 0;

    void ArmGravityTimer(int ms) override { timerMs = ms; Add("timer " + std::to_string(ms)); }
    void StopGravityTimer() override { timerMs = -1; Add("timer stop"); }
    void SetButtonEnabled(Button b, bool on) override {
        Add(std::string("button ") + kButtonNames[b] + (on ? " 1" : " 0"));
    }
    void RefreshPauseLabel() override { Add("label"); }
    void Paint(PaintOp op, const ShapeRecord&) override { Add(kPaintOpNames[static_cast<int>(op)]); }

    // Carries out every pending request at once, recording each as a line,
    // and lets the rules go on.
    void Settle(Game& game) {
        while (StepDepth(game) > 0) {
            const Suspension& step = TopSuspension(game);
            switch (step.request) {
            case Request::None: break;
            case Request::Sound: OnSound(game, step.value); break;
            case Request::Wait: Add("wait " + std::to_string(step.value)); break;
            case Request::OfferScore: ++highScoreChecks; Add("highscore"); break;
            case Request::AskReplay: Add(std::string("ask ") + kReplayTitle + "|" + kReplayQuestion); break;
            case Request::QuitProgram: quit = true; Add("quit"); break;
            // The offer's own steps are the dispatcher's, never the rules'.
            case Request::NameEntry:
            case Request::SaveSettings:
            case Request::ScoreTable: break;
            }
            ResumeRules(game, answerYes);
        }
    }
    virtual void OnSound(Game&, int id) { Add("sound " + std::to_string(id)); }

    std::vector<std::string> Take() {
        std::vector<std::string> out;
        out.swap(calls);
        return out;
    }

protected:
    void Add(std::string s) { calls.push_back(std::move(s)); }
};

// A game at program start with default options, an empty well and seed 1.
inline void StartFresh(Game& game, RecordingHost& host) { ResetGame(game, host, 1); }
