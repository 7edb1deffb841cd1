#include "gtk/gtk_host.h"

#include "draw/layout.h"
#include "gtk/button_text.h"
#include "gtk/dialogs.h"
#include "gtk/main_window.h"
#include "gtk/menus.h"
#include "gtk/program.h"
#include "gtk/questions.h"
#include "gtk/text.h"
#include "gtk/tray.h"
#include "gtk/x11.h"

namespace {

// Windows' shortest timer period.
constexpr int kShortestPeriodMs = 10;

gboolean OnGravityTimer(gpointer data) {
    Program& program = *static_cast<Program*>(data);
    const guint self = program.gravityTimer;
    RunGravityStep(program);
    // A step that re-armed or stopped the timer has replaced this source.
    return program.gravityTimer == self ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
}

void RepaintMainWindow(void* data) { RepaintWindow(*static_cast<Program*>(data)); }

DialogContext DialogsOf(Program& program) {
    return {GTK_WINDOW(program.window), &program.game, &program.scores, program.settingsFile.c_str(),
            RepaintMainWindow, &program};
}

}  // namespace

void GtkHost::EndCommand() {
    // A window shut down shows nothing more.
    if (program_.window != nullptr && !program_.shutDown) program_.screen.Flush(gtk_widget_get_window(program_.window));
}

void GtkHost::ArmGravityTimer(int milliseconds) {
    StopGravityTimer();
    const int period = milliseconds < kShortestPeriodMs ? kShortestPeriodMs : milliseconds;
    program_.gravityTimer = g_timeout_add(static_cast<guint>(period), OnGravityTimer, &program_);
}

void GtkHost::StopGravityTimer() {
    if (program_.gravityTimer != 0) g_source_remove(program_.gravityTimer);
    program_.gravityTimer = 0;
}

void GtkHost::SetButtonEnabled(Button button, bool enabled) {
    gtk_widget_set_sensitive(program_.buttons[button], enabled ? TRUE : FALSE);
}

void GtkHost::RefreshPauseLabel() {
    const char* text = program_.game.state.paused == 1 ? kContinueText : kPauseText;
    const ButtonPlace& place = kButtonPlaces[PauseButton];
    SetButtonText(program_.buttons[PauseButton], Utf8FromGbk(text).c_str(), place.width, place.height);
}

// Gravity goes on while a menu is open, but a request (a settled shape's
// sound first, which may lead to the game's end and its dialogs) closes it.
void GtkHost::BeginRequest() {
    if (program_.menu != nullptr) gtk_menu_popdown(GTK_MENU(program_.menu));
    EndCommand();
}

bool GtkHost::AskYesNo(const char* text, const char* title) {
    BeginRequest();
    return AskQuestion(GTK_WINDOW(program_.window), text, title);
}

void GtkHost::QuitProgram() {
    BeginRequest();
    ShutDown(program_);
}

void GtkHost::WaitMilliseconds(int milliseconds) {
    BeginRequest();
    if (milliseconds > 0) g_usleep(static_cast<gulong>(milliseconds) * 1000);
}

bool GtkHost::CtrlHeld() {
    GdkModifierType state;
    return gtk_get_current_event_state(&state) && (state & GDK_CONTROL_MASK) != 0;
}

void GtkHost::PlayEffect(int soundId) {
    BeginRequest();
    program_.sounds.Play(program_.game.options, soundId);
}

void GtkHost::CheckHighScore() {
    BeginRequest();
    ::CheckHighScore(DialogsOf(program_));
}

void GtkHost::Paint(PaintOp op, const ShapeRecord& shape) { program_.screen.Paint(program_.game, op, shape); }

// Synchronous, as the Windows program sends its private messages.
void GtkHost::Relay(GameMessage message) { RunGameMessage(program_.game, message); }

// Hiding follows at once; iconifying first would only race it through the
// window manager.
void GtkHost::Minimise() {}

void GtkHost::HideToTray() {
    EndCommand();
    ::HideToTray(program_);
}

void GtkHost::Restore() { RestoreFromTray(program_); }

void GtkHost::Close() { ConfirmExit(program_); }

void GtkHost::ShowInfoSheet(int startPage) {
    EndCommand();
    ::ShowInfoSheet(GTK_WINDOW(program_.window), startPage);
}

void GtkHost::ShowOptions() {
    EndCommand();
    ::ShowOptions(DialogsOf(program_));
}

void GtkHost::ShowHighScores() {
    EndCommand();
    ::ShowHighScores(DialogsOf(program_));
}

void GtkHost::OpenMainMenu() {
    EndCommand();
    ::OpenMainMenu(program_);
}

// The X server's own key map: it knows the key's state whatever window had
// the keyboard when it came up.
bool GtkHost::DownKeyUp() {
    const unsigned down[] = {GDK_KEY_Down, GDK_KEY_KP_Down};
    return !AnyKeyDown(gdk_display_get_default(), down, 2);
}
