#include "web/web_host.h"

#include "draw/paint.h"
#include "resources/texts.h"
#include "web/page_calls.h"

void WebHost::ArmGravityTimer(int milliseconds) { trelmo_page_arm_timer(milliseconds); }

void WebHost::StopGravityTimer() { trelmo_page_stop_timer(); }

// A null text leaves the button's text as it is.
void WebHost::SetButtonEnabled(Button button, bool enabled) { trelmo_page_set_button(button, nullptr, enabled ? 1 : -1); }

void WebHost::RefreshPauseLabel() {
    trelmo_page_set_button(PauseButton, game_.state.paused == 1 ? kContinueText : kPauseText, 0);
}

void WebHost::Paint(PaintOp op, const ShapeRecord& shape) { ::Paint(screen_.surface(), game_, op, shape); }

Outcome WebHost::CarryOut(Request request, int value, int ticket) {
    if (request == Request::SaveSettings) {
        save_();
        return Outcome::Yes;
    }
    trelmo_page_start_request(static_cast<int>(request), value, ticket,
                              request == Request::NameEntry ? offeredName_(ticket) : nullptr);
    return Outcome::Later;
}

void CarryOutWindowActions(const WindowActions& actions) {
    for (const Command action : actions) {
        switch (action) {
        case Command::ShowAbout: trelmo_page_open(static_cast<int>(action), kAboutPage); break;
        case Command::ShowKeyHelp: trelmo_page_open(static_cast<int>(action), kKeyHelpPage); break;
        default: trelmo_page_open(static_cast<int>(action), 0); break;
        }
    }
}
