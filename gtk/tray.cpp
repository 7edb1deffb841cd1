#include "gtk/tray.h"

#include "commands/input.h"
#include "gtk/menus.h"
#include "gtk/pictures.h"
#include "gtk/program.h"
#include "gtk/x11.h"
#include "resources/ids.h"
#include "resources/texts.h"

// GtkStatusIcon is deprecated in GTK 3, and it is the XEmbed icon that the
// notification areas of X11 desktops still host.
G_GNUC_BEGIN_IGNORE_DEPRECATIONS

namespace {

// The hidden window must stay within the player's reach: where there is no
// icon to bring it back, it waits iconified on the taskbar.
void ShowIconified(Program& program) {
    program.iconifiedAsHidden = true;
    gtk_window_iconify(GTK_WINDOW(program.window));
    gtk_widget_show(program.window);
}

gboolean OnIconPress(GtkStatusIcon*, GdkEventButton* event, Program* program) {
    if (event->button == 1 && event->type == GDK_2BUTTON_PRESS) {
        CarryOutWindowActions(*program, RunCommand(program->dispatcher, CommandForMenuId(CmdRestore)));
    } else if (event->button == 3 && event->type == GDK_BUTTON_PRESS) {
        OpenTrayMenu(*program);
    }
    return TRUE;
}

// The notification area went away (or came back) while the window was
// hidden; GTK embeds the icon again in a new one by itself.
void OnEmbeddedChanged(GtkStatusIcon* icon, GParamSpec*, Program* program) {
    if (!program->hidden || program->iconifiedAsHidden || gtk_status_icon_is_embedded(icon)) return;
    if (NotificationAreaRuns(gtk_widget_get_display(program->window))) return;  // a new one is taking the icon
    gtk_status_icon_set_visible(icon, FALSE);
    ShowIconified(*program);
}

// Made at the first hide and shown at once: hiding a new icon before the
// notification area has embedded it leaves GDK thawing a window it never
// froze, a critical warning on stderr.
GtkStatusIcon* TrayIcon(Program& program) {
    if (program.trayIcon != nullptr) return program.trayIcon;
    GdkPixbuf* picture = IconPixbuf(IDI_PROGRAM);
    program.trayIcon = gtk_status_icon_new_from_pixbuf(picture);
    g_object_unref(picture);
    gtk_status_icon_set_tooltip_text(program.trayIcon, kTrayTip);
    gtk_status_icon_set_title(program.trayIcon, kTrayTip);
    g_signal_connect(program.trayIcon, "button-press-event", G_CALLBACK(OnIconPress), &program);
    g_signal_connect(program.trayIcon, "notify::embedded", G_CALLBACK(OnEmbeddedChanged), &program);
    return program.trayIcon;
}

}  // namespace

void HideToTray(Program& program) {
    if (program.hidden || program.shutDown) return;
    program.hidden = true;
    gtk_window_get_position(GTK_WINDOW(program.window), &program.shownX, &program.shownY);
    // Hiding takes the keyboard from the window: a running game pauses.
    CarryOutWindowActions(program, RunActivation(program.dispatcher, kInactive, false, false));
    if (!NotificationAreaRuns(gtk_widget_get_display(program.window))) {
        if (!program.iconifiedAsHidden) ShowIconified(program);
        return;
    }
    gtk_widget_hide(program.window);
    gtk_status_icon_set_visible(TrayIcon(program), TRUE);
}

void RestoreFromTray(Program& program) {
    if (!program.hidden || program.shutDown) return;
    RemoveTrayIcon(program);
    program.hidden = false;
    program.iconifiedAsHidden = false;
    gtk_window_move(GTK_WINDOW(program.window), program.shownX, program.shownY);
    gtk_window_deiconify(GTK_WINDOW(program.window));
    gtk_widget_show(program.window);
    gtk_window_present(GTK_WINDOW(program.window));
}

void RemoveTrayIcon(Program& program) {
    if (program.trayIcon == nullptr) return;
    gtk_status_icon_set_visible(program.trayIcon, FALSE);
}

G_GNUC_END_IGNORE_DEPRECATIONS
