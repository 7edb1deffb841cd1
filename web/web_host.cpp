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
    trelmo_page_start_request(static_cast<int>(request), value, ticket);
    return Outcome::Later;
}

void CarryOutWindowActions(const WindowActions& actions) {
    for (const Command action : actions) {
        switch (action) {
        case Command::Hide: trelmo_page_open("hide", 0); break;
        case Command::Restore: trelmo_page_open("restore", 0); break;
        case Command::Exit: trelmo_page_open("exit", 0); break;
        case Command::ShowAbout: trelmo_page_open("sheet", kAboutPage); break;
        case Command::ShowKeyHelp: trelmo_page_open("sheet", kKeyHelpPage); break;
        case Command::ShowOptions: trelmo_page_open("options", 0); break;
        case Command::ShowHighScores: trelmo_page_open("table", 0); break;
        case Command::OpenMainMenu: trelmo_page_open("menu", 0); break;
        default: break;
        }
    }
}
