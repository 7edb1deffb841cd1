#pragma once
// A host that records every call as a line of text, for tests of the rules.
#include <string>
#include <vector>

#include "game/host.h"
#include "game/state.h"
#include "game/well.h"

class RecordingHost : public GameHost {
public:
    std::vector<std::string> calls;
    bool answerYes = true;
    bool ctrl = false;
    bool quit = false;
    int timerMs = -1;  // -1: not armed
    int highScoreChecks = 0;

    void ArmGravityTimer(int ms) override { timerMs = ms; Add("timer " + std::to_string(ms)); }
    void StopGravityTimer() override { timerMs = -1; Add("timer stop"); }
    void SetButtonEnabled(Button b, bool on) override {
        Add(std::string("button ") + kButtonNames[b] + (on ? " 1" : " 0"));
    }
    void RefreshPauseLabel() override { Add("label"); }
    bool AskYesNo(const char* text, const char* title) override {
        Add(std::string("ask ") + title + "|" + text);
        return answerYes;
    }
    void QuitProgram() override { quit = true; Add("quit"); }
    void WaitMilliseconds(int ms) override { Add("wait " + std::to_string(ms)); }
    bool CtrlHeld() override { return ctrl; }
    void PlayEffect(int id) override { Add("sound " + std::to_string(id)); }
    void CheckHighScore() override { ++highScoreChecks; Add("highscore"); }
    void Paint(PaintOp op, const ShapeRecord&) override { Add(kPaintOpNames[static_cast<int>(op)]); }

    std::vector<std::string> Take() {
        std::vector<std::string> out;
        out.swap(calls);
        return out;
    }

private:
    void Add(std::string s) { calls.push_back(std::move(s)); }
};

// A game at program start with default options, an empty well and seed 1.
inline void StartFresh(Game& game, RecordingHost& host) { ResetGame(game, host, 1); }
