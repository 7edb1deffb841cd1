#pragma once
// The front end in the page. Nothing here waits: what takes time (the
// requests, the dialogs, hiding) is handed to the page's script, which calls
// back into page.cpp when it is done.
#include "commands/dispatch.h"
#include "commands/front_end.h"
#include "web/screen.h"

// How the page plays: the player's game; a script brought back at once,
// its sounds and waits over as they start and nothing shown until the end;
// or a shared game watched, which saves nothing and stops at the replay
// question.
enum class HostMode { Play, AtOnce, Watch };

class WebHost final : public FrontEnd {
public:
    HostMode mode = HostMode::Play;
    bool timerArmed() const { return timerArmed_; }

    // `save` writes the settings to the page's storage; `repaint` paints
    // the whole window afresh and shows it.
    WebHost(Game& game, WebScreen& screen, void (*save)(), void (*repaint)())
        : game_(game), screen_(screen), save_(save), repaint_(repaint) {}

    void ArmGravityTimer(int milliseconds) override;
    void StopGravityTimer() override;
    void SetButtonEnabled(Button button, bool enabled) override;
    void RefreshPauseLabel() override;
    void Paint(PaintOp op, const ShapeRecord& shape) override;
    void Present() override {
        if (mode != HostMode::AtOnce) screen_.Flush();
    }
    void RepaintWindow() override { repaint_(); }
    void SaveSettings() override {
        if (mode == HostMode::Play) save_();
    }
    // Started by the script, which answers with trelmo_answer and the ticket.
    Answer CarryOut(const RequestCall& call) override;

private:
    Game& game_;
    WebScreen& screen_;
    void (*save_)();
    void (*repaint_)();
    bool timerArmed_ = false;
};

// The window's own actions, as the dispatcher admitted them: the script
// opens each.
void CarryOutWindowActions(const WindowActions& actions);
