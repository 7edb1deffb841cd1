// The main window and its signal handlers; what an input means comes from
// commands/input.h through gtk/keys.h.
#include "gtk/main_window.h"

#include "commands/input.h"
#include "draw/layout.h"
#include "game/steps.h"
#include "gtk/button_text.h"
#include "gtk/keys.h"
#include "gtk/pictures.h"
#include "gtk/program.h"
#include "gtk/questions.h"
#include "gtk/text.h"
#include "gtk/tray.h"
#include "gtk/x11.h"

namespace {

constexpr char kWindowTitle[] = "Trelmo";
// The Windows window's outer corner: left of centre by half its width, 20
// pixels above true vertical centre.
constexpr int kHalfWidth = 242;
constexpr int kHalfHeightAndRaise = 202;

// The buttons keep their places and sizes whatever the theme would pad.
constexpr char kButtonStyle[] =
    "button { padding: 0; margin: 0; min-width: 0; min-height: 0; box-shadow: none; outline-width: 0; }";

void Run(Program& program, Command command, bool ctrlHeld = false) {
    if (command == Command::None) return;
    CarryOutWindowActions(program, RunCommand(program.dispatcher, command, ctrlHeld));
}

// The X server's own key map: it knows the key's state whatever window had
// the keyboard when it came up.
bool DownKeyUp() {
    const unsigned down[] = {GDK_KEY_Down, GDK_KEY_KP_Down};
    return !AnyKeyDown(gdk_display_get_default(), down, 2);
}

gboolean OnDraw(GtkWidget* widget, cairo_t* cairo, Program* program) {
    program->screen.Expose(cairo, program->game, widget);
    return FALSE;  // the buttons draw over it
}

gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, Program* program) {
    const bool ctrlHeld = (event->state & GDK_CONTROL_MASK) != 0;
    const KeyPressCommands commands = CommandsForKeyPress(event->keyval, ctrlHeld);
    Run(*program, commands.key, ctrlHeld);
    Run(*program, commands.character, ctrlHeld);
    return TRUE;
}

gboolean OnKeyRelease(GtkWidget*, GdkEventKey* event, Program* program) {
    Run(*program, CommandForKeyRelease(event->keyval));
    return TRUE;
}

// Without double-click messages on Windows, a double click is two presses.
gboolean OnButtonPress(GtkWidget*, GdkEventButton* event, Program* program) {
    if (event->type != GDK_BUTTON_PRESS) return TRUE;
    const int x = static_cast<int>(event->x), y = static_cast<int>(event->y);
    switch (event->button) {
    case 1: Run(*program, CommandForLeftClick(x, y)); break;
    case 2: Run(*program, CommandForMiddleClick()); break;
    case 3: Run(*program, CommandForRightClick(x, y)); break;
    default: break;
    }
    return TRUE;
}

gboolean OnMotion(GtkWidget* widget, GdkEventMotion* event, Program* program) {
    const bool hand = PointerAt(static_cast<int>(event->x), static_cast<int>(event->y)) == Pointer::Hand;
    if (hand != program->handShown) {
        program->handShown = hand;
        gdk_window_set_cursor(gtk_widget_get_window(widget), hand ? program->hand : nullptr);
    }
    return FALSE;
}

gboolean OnFocusIn(GtkWidget* widget, GdkEventFocus*, Program* program) {
    const bool visible = gtk_widget_get_visible(widget) && !program->hidden;
    CarryOutWindowActions(*program, RunActivation(program->dispatcher, kActive, visible, DownKeyUp()));
    return FALSE;
}

// An open popup menu holds the keyboard, but on Windows a tracked menu
// leaves its window active: the game goes on.
gboolean OnFocusOut(GtkWidget* widget, GdkEventFocus*, Program* program) {
    if (program->menu != nullptr) return FALSE;
    const bool visible = gtk_widget_get_visible(widget) != FALSE;
    CarryOutWindowActions(*program, RunActivation(program->dispatcher, kInactive, visible, DownKeyUp()));
    return FALSE;
}

// The minimise button hides to the icon, as Esc does.
gboolean OnWindowState(GtkWidget*, GdkEventWindowState* event, Program* program) {
    // Shutting down hides the window; that is no hiding to the icon.
    if ((event->changed_mask & GDK_WINDOW_STATE_ICONIFIED) == 0 || program->shutDown) return FALSE;
    const bool iconified = (event->new_window_state & GDK_WINDOW_STATE_ICONIFIED) != 0;
    if (iconified && !program->iconifiedAsHidden) {
        HideToTray(*program);
    } else if (!iconified && program->iconifiedAsHidden) {
        // Back from the taskbar, where a desktop without a notification
        // area kept it.
        program->iconifiedAsHidden = false;
        program->hidden = false;
    }
    return FALSE;
}

gboolean OnDelete(GtkWidget*, GdkEvent*, Program* program) {
    if (!program->shutDown) ConfirmExit(*program);
    return TRUE;
}

void OnButtonClicked(GtkButton* button, Program* program) {
    for (int i = 0; i < kButtonCount; ++i)
        if (program->buttons[i] == GTK_WIDGET(button)) Run(*program, CommandForButton(static_cast<Button>(i)));
}

bool CreateButtons(Program& program, GtkWidget* fixed) {
    GtkCssProvider* style = gtk_css_provider_new();
    gtk_css_provider_load_from_data(style, kButtonStyle, -1, nullptr);
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonPlace& place = kButtonPlaces[i];
        GtkWidget* button = gtk_button_new();
        if (button == nullptr) return false;
        gtk_style_context_add_provider(gtk_widget_get_style_context(button), GTK_STYLE_PROVIDER(style),
                                       GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
        // Keys belong to the window, never to a button.
        gtk_widget_set_can_focus(button, FALSE);
        gtk_widget_set_size_request(button, place.width, place.height);
        gtk_fixed_put(GTK_FIXED(fixed), button, place.x, place.y);
        SetButtonText(button, Utf8FromGbk(place.text).c_str(), place.width, place.height);
        g_signal_connect(button, "clicked", G_CALLBACK(OnButtonClicked), &program);
        program.buttons[i] = button;
    }
    g_object_unref(style);
    return true;
}

void PlaceAsOnWindows(GtkWindow* window) {
    GdkRectangle screen = {0, 0, 0, 0};
    GdkMonitor* monitor = gdk_display_get_primary_monitor(gdk_display_get_default());
    if (monitor == nullptr) monitor = gdk_display_get_monitor(gdk_display_get_default(), 0);
    if (monitor != nullptr) gdk_monitor_get_geometry(monitor, &screen);
    gtk_window_move(window, screen.x + screen.width / 2 - kHalfWidth, screen.y + screen.height / 2 - kHalfHeightAndRaise);
}

// Caption, system menu and minimise box, as on Windows: no maximise, no
// resizing.
void OnRealize(GtkWidget* window, Program*) {
    GdkWindow* frame = gtk_widget_get_window(window);
    gdk_window_set_functions(frame, static_cast<GdkWMFunction>(GDK_FUNC_MOVE | GDK_FUNC_MINIMIZE | GDK_FUNC_CLOSE));
    gdk_window_set_decorations(frame,
                               static_cast<GdkWMDecoration>(GDK_DECOR_BORDER | GDK_DECOR_TITLE | GDK_DECOR_MENU |
                                                            GDK_DECOR_MINIMIZE));
}

gboolean QuitEveryLoop(gpointer) {
    if (gtk_main_level() > 0) gtk_main_quit();
    return G_SOURCE_CONTINUE;
}

}  // namespace

bool CreateMainWindow(Program& program) {
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    if (window == nullptr) return false;
    program.window = window;
    gtk_window_set_title(GTK_WINDOW(window), kWindowTitle);
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    gtk_widget_set_app_paintable(window, TRUE);
    GList* icons = ProgramIconSizes();
    gtk_window_set_icon_list(GTK_WINDOW(window), icons);
    g_list_free_full(icons, g_object_unref);
    GtkWidget* fixed = gtk_fixed_new();
    gtk_widget_set_size_request(fixed, kClientWidth, kClientHeight);
    gtk_container_add(GTK_CONTAINER(window), fixed);
    if (!CreateButtons(program, fixed)) return false;
    program.hand = HandCursor(gtk_widget_get_display(window));

    gtk_widget_add_events(window, GDK_BUTTON_PRESS_MASK | GDK_POINTER_MOTION_MASK | GDK_KEY_PRESS_MASK |
                                      GDK_KEY_RELEASE_MASK | GDK_FOCUS_CHANGE_MASK | GDK_STRUCTURE_MASK);
    g_signal_connect(window, "realize", G_CALLBACK(OnRealize), &program);
    g_signal_connect(window, "draw", G_CALLBACK(OnDraw), &program);
    g_signal_connect(window, "key-press-event", G_CALLBACK(OnKeyPress), &program);
    g_signal_connect(window, "key-release-event", G_CALLBACK(OnKeyRelease), &program);
    g_signal_connect(window, "button-press-event", G_CALLBACK(OnButtonPress), &program);
    g_signal_connect(window, "motion-notify-event", G_CALLBACK(OnMotion), &program);
    g_signal_connect(window, "focus-in-event", G_CALLBACK(OnFocusIn), &program);
    g_signal_connect(window, "focus-out-event", G_CALLBACK(OnFocusOut), &program);
    g_signal_connect(window, "window-state-event", G_CALLBACK(OnWindowState), &program);
    g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), &program);
    PlaceAsOnWindows(GTK_WINDOW(window));
    return true;
}

void RunGravityStep(Program& program) {
    CarryOutWindowActions(program, RunGravityTick(program.dispatcher));
}

void RepaintWindow(Program& program) {
    if (program.window == nullptr) return;
    gtk_widget_queue_draw(program.window);
}

void ConfirmExit(Program& program) {
    // One box at a time; a second close brings it to the front.
    if (program.exitBox != nullptr) {
        gtk_window_present(GTK_WINDOW(program.exitBox));
        return;
    }
    const bool yes = AskToExit(program);
    // The box's own loop may have seen the game end the program meanwhile.
    if (!yes || program.shutDown) return;
    CarryOutWindowActions(program, RunExit(program.dispatcher));
    ShutDown(program);
}

void ShutDown(Program& program) {
    if (program.shutDown) return;
    program.shutDown = true;
    EndProgram(program.dispatcher);
    RemoveTrayIcon(program);
    if (program.menu != nullptr) gtk_menu_popdown(GTK_MENU(program.menu));
    gtk_widget_hide(program.window);
    g_idle_add(QuitEveryLoop, nullptr);
}
