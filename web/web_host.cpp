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

void WebHost::ArmGravityTimer(int milliseconds) { JsArmTimer(milliseconds); }

void WebHost::StopGravityTimer() { JsStopTimer(); }

// A null text leaves the button's text as it is.
void WebHost::SetButtonEnabled(Button button, bool enabled) { JsSetButton(button, nullptr, enabled ? 1 : -1); }

void WebHost::RefreshPauseLabel() {
    JsSetButton(PauseButton, game_.state.paused == 1 ? kContinueText : kPauseText, 0);
}

void WebHost::Paint(PaintOp op, const ShapeRecord& shape) { ::Paint(screen_.surface(), game_, op, shape); }

void WebHost::HideToTray() { JsOpen("hide", 0); }
void WebHost::Restore() { JsOpen("restore", 0); }
void WebHost::Close() { JsOpen("exit", 0); }
void WebHost::ShowInfoSheet(int startPage) { JsOpen("sheet", startPage); }
void WebHost::ShowOptions() { JsOpen("options", 0); }
void WebHost::ShowHighScores() { JsOpen("table", 0); }
void WebHost::OpenMainMenu() { JsOpen("menu", 0); }
