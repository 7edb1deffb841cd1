#pragma once
// A front end for the dispatcher's tests: what the rules paint and set goes
// to the game's RecordingHost; each present and each request handed out is
// recorded there too, so that the order across them shows. A request is
// answered as `outcome` says (Later: the test finishes it).
#include <climits>
#include <cstdint>
#include <string>

#include "commands/dispatch.h"
#include "tests/game/recording_host.h"
#include "tests/support/quiet_host.h"

class TestFrontEnd : public FrontEnd {
public:
    explicit TestFrontEnd(RecordingHost& host) : host_(host) {}
    Outcome outcome = Outcome::Later;
    Answer answer{Outcome::Later};  // when set, answered in place of outcome
    std::string offeredName;        // the last name entry's
    bool recordPresents = false;

    void ArmGravityTimer(int milliseconds) override { host_.ArmGravityTimer(milliseconds); }
    void StopGravityTimer() override { host_.StopGravityTimer(); }
    void SetButtonEnabled(Button button, bool enabled) override { host_.SetButtonEnabled(button, enabled); }
    void RefreshPauseLabel() override { host_.RefreshPauseLabel(); }
    void Paint(PaintOp op, const ShapeRecord& shape) override { host_.Paint(op, shape); }
    void Present() override {
        if (recordPresents) host_.calls.push_back("present");
    }
    void RepaintWindow() override { host_.calls.push_back("repaint window"); }
    void SaveSettings() override { host_.calls.push_back("save"); }
    Answer CarryOut(const RequestCall& call) override {
        host_.calls.push_back("request " + std::to_string(static_cast<int>(call.request)) + " " +
                              std::to_string(call.value) + " ticket " + std::to_string(call.ticket));
        if (call.request == Request::NameEntry) offeredName = call.offeredName;
        return answer.outcome == Outcome::Later ? Answer(outcome) : answer;
    }

protected:
    RecordingHost& host_;
};

// A table that every result enters, ten times: each row below any score.
inline ScoreTable OpenTable() {
    ScoreTable table;
    ClearScores(table);
    for (HighScoreEntry& row : table.rows) row.score = INT32_MIN;
    return table;
}
