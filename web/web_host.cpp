#include "web/web_host.h"

#include <emscripten.h>

#include "draw/paint.h"
#include "resources/texts.h"

EM_JS(void, JsArmTimer, (int milliseconds), { Module.page.armTimer(milliseconds); });
EM_JS(void, JsStopTimer, (), { Module.page.stopTimer(); });
EM_JS(void, JsSetButton, (int button, const char* text, int enabled), {
    Module.page.setButton(button, text, enabled);
});
EM_JS(void, JsOpen, (const char* what, int argument), { Module.page.open(UTF8ToString(what), argument); });
EM_JS(void, JsStartRequest, (int request, int value, int ticket), {
    Module.page.startRequest(request, value, ticket);
});

void WebHost::ArmGravityTimer(int milliseconds) { JsArmTimer(milliseconds); }

void WebHost::StopGravityTimer() { JsStopTimer(); }

// A null text leaves the button's text as it is.
void WebHost::SetButtonEnabled(Button button, bool enabled) { JsSetButton(button, nullptr, enabled ? 1 : -1); }

void WebHost::RefreshPauseLabel() {
    JsSetButton(PauseButton, game_.state.paused == 1 ? kContinueText : kPauseText, 0);
}

void WebHost::Paint(PaintOp op, const ShapeRecord& shape) { ::Paint(screen_.surface(), game_, op, shape); }

Outcome WebHost::CarryOut(Request request, int value, int ticket) {
    if (request == Request::SaveSettings) {
        save_();
        return Outcome::Yes;
    }
    JsStartRequest(static_cast<int>(request), value, ticket);
    return Outcome::Later;
}

void CarryOutWindowActions(const WindowActions& actions) {
    for (const Command action : actions) {
        switch (action) {
        case Command::Hide: JsOpen("hide", 0); break;
        case Command::Restore: JsOpen("restore", 0); break;
        case Command::Exit: JsOpen("exit", 0); break;
        case Command::ShowAbout: JsOpen("sheet", kAboutPage); break;
        case Command::ShowKeyHelp: JsOpen("sheet", kKeyHelpPage); break;
        case Command::ShowOptions: JsOpen("options", 0); break;
        case Command::ShowHighScores: JsOpen("table", 0); break;
        case Command::OpenMainMenu: JsOpen("menu", 0); break;
        default: break;
        }
    }
}
