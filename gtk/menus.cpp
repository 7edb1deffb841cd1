#include "gtk/menus.h"

#include "commands/input.h"
#include "commands/menus.h"
#include "gtk/program.h"
#include "gtk/text.h"

namespace {

void OnItemChosen(GtkMenuItem* item, Program* program) {
    const int id = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(item), "trelmo-command"));
    CarryOutWindowActions(*program, RunCommand(program->dispatcher, CommandForMenuId(id)));
}

void OnMenuGone(GtkMenuShell*, Program* program) { program->menu = nullptr; }

template <size_t N>
void PopUp(Program& program, const MenuItem (&items)[N], const GameState* state) {
    if (program.menu != nullptr) gtk_menu_popdown(GTK_MENU(program.menu));
    GtkWidget* menu = gtk_menu_new();
    for (const MenuItem& item : items) {
        if (item.text == nullptr) {
            gtk_menu_shell_append(GTK_MENU_SHELL(menu), gtk_separator_menu_item_new());
            continue;
        }
        GtkWidget* entry = gtk_menu_item_new_with_label(Utf8FromGbk(item.text).c_str());
        g_object_set_data(G_OBJECT(entry), "trelmo-command", GINT_TO_POINTER(item.id));
        if (state != nullptr && MenuItemGreyed(item.id, *state)) gtk_widget_set_sensitive(entry, FALSE);
        g_signal_connect(entry, "activate", G_CALLBACK(OnItemChosen), &program);
        gtk_menu_shell_append(GTK_MENU_SHELL(menu), entry);
    }
    gtk_widget_show_all(menu);
    // The menu lives until it closes; the chosen item acts after that.
    g_signal_connect(menu, "deactivate", G_CALLBACK(OnMenuGone), &program);
    g_signal_connect(menu, "deactivate", G_CALLBACK(+[](GtkMenuShell* shell, gpointer) {
                         g_idle_add([](gpointer widget) {
                             gtk_widget_destroy(GTK_WIDGET(widget));
                             return G_SOURCE_REMOVE;
                         }, shell);
                     }), nullptr);
    if (program.window != nullptr && gtk_widget_get_visible(program.window))
        gtk_menu_attach_to_widget(GTK_MENU(menu), program.window, nullptr);
    program.menu = menu;
    gtk_menu_popup_at_pointer(GTK_MENU(menu), nullptr);
}

}  // namespace

void OpenMainMenu(Program& program) { PopUp(program, MainMenu, &program.game.state); }

void OpenTrayMenu(Program& program) { PopUp(program, TrayMenu, nullptr); }
