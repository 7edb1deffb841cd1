#include "web/web_host.h"

#include "draw/paint.h"
#include "resources/texts.h"
#include "web/page_calls.h"

void WebHost::ArmGravityTimer(int milliseconds) {
    timerArmed_ = true;
    trelmo_page_arm_timer(milliseconds);
}

void WebHost::StopGravityTimer() {
    timerArmed_ = false;
    trelmo_page_stop_timer();
}

// A null text leaves the button's text as it is.
void WebHost::SetButtonEnabled(Button button, bool enabled) { trelmo_page_set_button(button, nullptr, enabled ? 1 : -1); }

void WebHost::RefreshPauseLabel() {
    trelmo_page_set_button(PauseButton, game_.state.paused == 1 ? kContinueText : kPauseText, 0);
}

void WebHost::Paint(PaintOp op, const ShapeRecord& shape) {
    ::Paint(screen_.surface(), game_, op, shape, screen_.layout());
}

Answer WebHost::CarryOut(const RequestCall& call) {
    const bool soundOrWait = call.request == Request::Sound || call.request == Request::Wait;
    if (mode == HostMode::AtOnce && soundOrWait) return Outcome::Yes;
    if (mode == HostMode::Watch && call.request == Request::AskReplay) return Outcome::Later;  // the watch is over
    trelmo_page_start_request(static_cast<int>(call.request), call.value, call.ticket,
                              call.request == Request::NameEntry ? call.offeredName : nullptr);
    return Outcome::Later;
}

// The script opens each; the sheet's two come with the page it opens on.
void CarryOutWindowActions(const WindowActions& actions) {
    for (const Command action : actions) {
        const int page = action == Command::ShowKeyHelp ? kKeyHelpPage : kAboutPage;
        trelmo_page_open(static_cast<int>(action), page);
    }
}
