#include "gtk/gtk_host.h"


#include "draw/layout.h"
#include "gtk/button_text.h"
#include "gtk/main_window.h"
#include "gtk/menus.h"
#include "gtk/program.h"
#include "gtk/questions.h"
#include "gtk/save_notice.h"
#include "gtk/text.h"
#include "gtk/tray.h"
#include "resources/texts.h"

namespace {

gboolean OnGravityTimer(gpointer data) {
    Program& program = *static_cast<Program*>(data);
    const guint self = program.gravityTimer;
    RunGravityStep(program);
    // A step that re-armed or stopped the timer has replaced this source.
    return program.gravityTimer == self ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
}

}  // namespace

DialogContext DialogsOf(Program& program) { return {GTK_WINDOW(program.window), &program.dispatcher}; }

void GtkHost::Present() {
    // A window shut down shows nothing more.
    if (program_.window != nullptr && !program_.shutDown) program_.screen.Flush(gtk_widget_get_window(program_.window));
}

void GtkHost::ArmGravityTimer(int milliseconds) {
    StopGravityTimer();
    const int period = milliseconds < kShortestTimerMs ? kShortestTimerMs : milliseconds;
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

void GtkHost::Paint(PaintOp op, const ShapeRecord& shape) { program_.screen.Paint(program_.game, op, shape); }

// Gravity goes on while a menu is open, but a request (a settled shape's
// sound first, which may lead to the game's end and its dialogs) closes it.
void GtkHost::RepaintWindow() { ::RepaintWindow(program_); }

void GtkHost::SaveSettings() {
    SaveSettingsOrTell(GTK_WINDOW(program_.window), program_.game.options, program_.scores,
                       program_.settingsFile.c_str());
}

Answer GtkHost::CarryOut(const RequestCall& call) {
    if (program_.menu != nullptr) gtk_menu_popdown(GTK_MENU(program_.menu));
    const int value = call.value;
    switch (call.request) {
    case Request::None: break;
    case Request::Sound: program_.sounds.Play(value); break;
    case Request::Wait:
        if (value > 0) g_usleep(static_cast<gulong>(value) * 1000);
        break;
    case Request::OfferScore: break;  // handed out as its steps
    case Request::SaveSettings: break;
    case Request::NameEntry: return EnterName(GTK_WINDOW(program_.window), call.offeredName);
    case Request::ScoreTable: ShowHighScores(DialogsOf(program_)); break;
    case Request::AskReplay:
        return AskQuestion(GTK_WINDOW(program_.window), kReplayQuestion, kReplayTitle) ? Outcome::Yes : Outcome::No;
    case Request::QuitProgram: ShutDown(program_); break;
    }
    return Outcome::Yes;
}

namespace {

void ShowAbout(Program& program) { ShowInfoSheet(GTK_WINDOW(program.window), kAboutPage); }
void ShowKeyHelp(Program& program) { ShowInfoSheet(GTK_WINDOW(program.window), kKeyHelpPage); }
void ShowOptions(Program& program) { ::ShowOptions(DialogsOf(program)); }
void ShowHighScores(Program& program) { ::ShowHighScores(DialogsOf(program)); }

// Hiding follows at once; iconifying first would only race it through the
// window manager.
constexpr WindowActionRow<Program> kWindowActions[] = {
    {Command::Hide, HideToTray},
    {Command::Restore, RestoreFromTray},
    {Command::Exit, ConfirmExit},
    {Command::ShowAbout, ShowAbout},
    {Command::ShowKeyHelp, ShowKeyHelp},
    {Command::ShowOptions, ShowOptions},
    {Command::ShowHighScores, ShowHighScores},
    {Command::OpenMainMenu, OpenMainMenu},
};

}  // namespace

void CarryOutWindowActions(Program& program, const WindowActions& actions) {
    CarryOutWindowActions(actions, kWindowActions, program);
}
